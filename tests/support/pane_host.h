#pragma once
// A plain top-level window to hold panes in window-level tests, and the small moves a
// user makes on a pane: clicks, key presses, the wheel.
#include <windows.h>

#include "runtime/pane_link.h"

struct PaneHost {
    HWND window = nullptr;

    explicit PaneHost(int width = 320, int height = 420) {
        static const char kClass[] = "LzPaneTestHost";
        WNDCLASSA wc{};
        wc.lpfnWndProc = DefWindowProcA;
        wc.hInstance = GetModuleHandleA(nullptr);
        wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
        wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
        wc.lpszClassName = kClass;
        RegisterClassA(&wc);  // fails harmlessly when a second host registers again
        window = CreateWindowExA(0, kClass, "host", WS_POPUP | WS_VISIBLE, 0, 0, width, height, nullptr, nullptr,
                                 wc.hInstance, nullptr);
    }
    ~PaneHost() {
        if (IsWindow(window)) DestroyWindow(window);
    }
    PaneHost(const PaneHost&) = delete;
    PaneHost& operator=(const PaneHost&) = delete;
};

inline POINT CentreOf(const RECT& r) { return {(r.left + r.right) / 2, (r.top + r.bottom) / 2}; }

inline void Click(HWND pane, POINT at) {
    LPARAM where = MAKELPARAM(at.x, at.y);
    SendMessageA(pane, WM_MOUSEMOVE, 0, where);
    SendMessageA(pane, WM_LBUTTONDOWN, MK_LBUTTON, where);
    SendMessageA(pane, WM_LBUTTONUP, 0, where);
}

inline void ClickLink(HWND pane, const rt::PaneLink& link) { Click(pane, CentreOf(link.box)); }

inline void PressKey(HWND pane, WPARAM key) { SendMessageA(pane, WM_KEYDOWN, key, 1); }

// Holds Shift down in this thread's key state for as long as it lives.
struct ShiftHeld {
    ShiftHeld() { set(0x80); }
    ~ShiftHeld() { set(0); }
    static void set(BYTE state) {
        BYTE keys[256];
        GetKeyboardState(keys);
        keys[VK_SHIFT] = keys[VK_LSHIFT] = state;
        SetKeyboardState(keys);
    }
};

// A wheel turn with the mouse at a point of the screen; by default the pane's centre.
inline void Wheel(HWND pane, int delta, POINT at = {-1, -1}) {
    if (at.x < 0) {
        RECT r;
        GetWindowRect(pane, &r);
        at = {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
    }
    SendMessageA(pane, WM_MOUSEWHEEL, MAKEWPARAM(0, delta), MAKELPARAM(at.x, at.y));
}

inline int ScrollPosition(HWND pane) {
    SCROLLINFO info{sizeof info, SIF_POS};
    if (!GetScrollInfo(pane, SB_VERT, &info)) return -1;
    return info.nPos;
}

inline bool HasScrollBar(HWND pane) { return (GetWindowLongA(pane, GWL_STYLE) & WS_VSCROLL) != 0; }

inline void PumpWaitingMessages() {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}
