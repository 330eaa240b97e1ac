#include "skin/engine/window_queries.h"

#include "skin/engine/window_registry.h"

namespace skin {

namespace {

constexpr int scrollBarSize = 17;

// Rounds toward minus infinity: a window smaller than its client and scroll bar gives a
// negative offset.
LONG floorHalf(LONG value) { return value >= 0 ? value / 2 : -((-value + 1) / 2); }

}  // namespace

std::string windowClassName(HWND window) {
    char name[256] = {};
    GetClassNameA(window, name, 255);
    return name;
}

std::string windowText(HWND window) {
    std::string text(static_cast<std::size_t>(GetWindowTextLengthA(window)) + 1, '\0');
    text.resize(static_cast<std::size_t>(GetWindowTextA(window, text.data(), static_cast<int>(text.size()))));
    return text;
}

SIZE windowSize(HWND window) {
    RECT area{};
    GetWindowRect(window, &area);
    return SIZE{area.right - area.left, area.bottom - area.top};
}

SIZE clientSize(HWND window) {
    RECT area{};
    GetClientRect(window, &area);
    return SIZE{area.right, area.bottom};
}

bool isOwnerDrawnListBox(HWND window) {
    const LONG style = GetWindowLongA(window, GWL_STYLE);
    return lstrcmpiA(windowClassName(window).c_str(), "ListBox") == 0 &&
           (style & (LBS_OWNERDRAWFIXED | LBS_OWNERDRAWVARIABLE)) != 0;
}

RECT clientRectInWindow(SIZE window, SIZE client, LONG style) {
    const LONG top = floorHalf(window.cy - client.cy - ((style & WS_HSCROLL) ? scrollBarSize : 0));
    const LONG left = floorHalf(window.cx - client.cx - ((style & WS_VSCROLL) ? scrollBarSize : 0));
    return RECT{left, top, left + client.cx, top + client.cy};
}

RECT clientRectInWindow(HWND control) {
    RECT window{}, client{};
    GetWindowRect(control, &window);
    GetClientRect(control, &client);
    return clientRectInWindow(SIZE{window.right - window.left, window.bottom - window.top},
                              SIZE{client.right, client.bottom}, GetWindowLongA(control, GWL_STYLE));
}

int findSkinnedWindow(const WindowRegistry& registry, HWND window) {
    for (HWND current = window; current; current = GetParent(current)) {
        if (const int index = registry.lookup(current)) return index;
    }
    return 0;
}

HDC clippedWindowDC(HWND window, HDC dc) {
    if (!dc) dc = GetDC(window);
    for (HWND child = FindWindowExA(window, nullptr, nullptr, nullptr); child;
         child = FindWindowExA(window, child, nullptr, nullptr)) {
        if (!IsWindowVisible(child) || (GetWindowLongA(child, GWL_EXSTYLE) & WS_EX_TRANSPARENT)) continue;
        RECT area{};
        GetWindowRect(child, &area);
        MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&area), 2);
        ExcludeClipRect(dc, area.left, area.top, area.right, area.bottom);
    }
    return dc;
}

}  // namespace skin
