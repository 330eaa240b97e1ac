#include "skin/engine/work_area.h"

namespace skin {

int taskbarHeight() {
    HWND taskbar = FindWindowA("Shell_TrayWnd", nullptr);
    RECT area{};
    if (!taskbar || !GetWindowRect(taskbar, &area)) return 0;
    return area.bottom - area.top;
}

SIZE screenSize() { return SIZE{GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)}; }

SIZE maximizedSize() {
    const SIZE screen = screenSize();
    return SIZE{screen.cx, screen.cy - taskbarHeight()};
}

bool coversWholeScreen(const RECT& client) {
    const SIZE screen = screenSize();
    return client.right - client.left == screen.cx && client.bottom - client.top == screen.cy;
}

}  // namespace skin
