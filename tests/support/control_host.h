#pragma once
// A skinned top-level window for control tests: children are made first, as the
// program's windows make theirs, and taken over when the window is skinned. A test
// procedure can be put under a control before that, so what the skin passes on and what
// is left on the control at its end can be seen.
#include <windows.h>

#include <commctrl.h>

#include <string>
#include <vector>

#include "gdiplus/library.h"
#include "skin/engine/skin_engine.h"
#include "skin/engine/window_properties.h"

namespace controltest {

// What the test procedure under a control saw.
struct Underneath {
    std::vector<UINT> messages;
    int propertiesAtEnd = -1;  // properties left when WM_NCDESTROY reached it
};

inline std::vector<std::pair<HWND, WNDPROC>>& originals() {
    static std::vector<std::pair<HWND, WNDPROC>> procs;
    return procs;
}
inline Underneath& underneath() {
    static Underneath seen;
    return seen;
}

inline LRESULT CALLBACK testProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    WNDPROC original = nullptr;
    for (const auto& [window, proc] : originals())
        if (window == hwnd) original = proc;
    underneath().messages.push_back(message);
    if (message == WM_NCDESTROY) {
        int count = 0;
        for (const char* name : {skin::prop::index, skin::prop::ownerIndex, skin::prop::previousProc})
            if (GetPropA(hwnd, name)) ++count;
        underneath().propertiesAtEnd = count;
    }
    return CallWindowProcA(original, hwnd, message, wParam, lParam);
}

// Puts the test procedure under the control's own.
inline void watch(HWND control) {
    originals().push_back({control, reinterpret_cast<WNDPROC>(SetWindowLongPtrA(
                                        control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(testProc)))});
}

inline bool sawMessage(UINT message) {
    for (UINT m : underneath().messages)
        if (m == message) return true;
    return false;
}

inline const char* hostClass() {
    static const ATOM atom = [] {
        INITCOMMONCONTROLSEX init{sizeof init, ICC_WIN95_CLASSES | ICC_DATE_CLASSES | ICC_INTERNET_CLASSES};
        InitCommonControlsEx(&init);
        WNDCLASSA wc{};
        wc.lpfnWndProc = DefWindowProcA;
        wc.hInstance = GetModuleHandleA(nullptr);
        wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
        wc.lpszClassName = "ControlTestHost";
        return RegisterClassA(&wc);
    }();
    return atom ? "ControlTestHost" : nullptr;
}

class Host {
public:
    gdip::Session gdiplus;
    skin::SkinEngine engine;
    HWND window = nullptr;

    explicit Host(int width = 420, int height = 320) {
        underneath() = {};
        originals().clear();
        window = CreateWindowExA(0, hostClass(), "控件", WS_POPUP | WS_VISIBLE, 20, 20, width, height, nullptr, nullptr,
                                 GetModuleHandleA(nullptr), nullptr);
    }
    ~Host() {
        if (IsWindow(window)) DestroyWindow(window);
    }
    Host(const Host&) = delete;
    Host& operator=(const Host&) = delete;

    HWND child(const char* className, DWORD style, int x, int y, int width, int height, DWORD exStyle = 0,
               HWND parent = nullptr) {
        return CreateWindowExA(exStyle, className, "", WS_CHILD | WS_VISIBLE | style, x, y, width, height,
                               parent ? parent : window, nullptr, GetModuleHandleA(nullptr), nullptr);
    }

    // Skins the window and paints it once, so that controls have a back buffer to show.
    void skin() {
        engine.skinWindow(window);
        RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    }
    skin::SkinWindowRecord& record() { return *engine.registry().find(window); }
    int windowIndex() { return engine.registry().lookup(window); }
};

// Pixels as the control shows them, its border included.
inline COLORREF windowPixel(HWND control, int x, int y) {
    HDC dc = GetWindowDC(control);
    const COLORREF pixel = GetPixel(dc, x, y);
    ReleaseDC(control, dc);
    return pixel;
}

// Red stands well out of grey, white and the default picture.
inline bool reddish(COLORREF c) { return GetRValue(c) > GetGValue(c) + 60 && GetRValue(c) > GetBValue(c) + 60; }

}  // namespace controltest
