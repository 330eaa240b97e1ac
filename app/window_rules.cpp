#include "app/window_rules.h"

#include "runtime/window.h"

SIZE ApplyMinimumSize(SIZE current, SIZE minimum) {
    if (current.cx < minimum.cx || current.cy < minimum.cy) return minimum;
    return current;
}

RECT ViewerPaneRect(SIZE client) { return {2, 25, 2 + client.cx - 4, 25 + client.cy - 27}; }

void EnforceMinimumSize(HWND window, SIZE minimum) {
    SIZE current = rt::WindowSize(window);
    SIZE wanted = ApplyMinimumSize(current, minimum);
    if (wanted.cx != current.cx || wanted.cy != current.cy) rt::ResizeWindow(window, wanted.cx, wanted.cy);
}
