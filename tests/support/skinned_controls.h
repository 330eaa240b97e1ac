#pragma once
// A skinned 400 x 300 window of one plain colour, for the tests of skinned controls:
// children are made with `add`, then `skin` runs the engine's skin-a-window operation
// over them and paints the back buffer the controls take their background from. The
// window's own procedure records every WM_COMMAND its children send.
#include <windows.h>

#include <algorithm>
#include <string>
#include <vector>

#include "gdiplus/library.h"
#include "skin/engine/skin_engine.h"
#include "skin/engine/window_properties.h"

struct CommandSeen {
    int id;
    int code;
};

inline std::vector<CommandSeen>& commandsSeen() {
    static std::vector<CommandSeen> seen;
    return seen;
}

inline LRESULT CALLBACK controlHostProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_COMMAND) commandsSeen().push_back({LOWORD(wParam), HIWORD(wParam)});
    return DefWindowProcA(window, message, wParam, lParam);
}

// Registered once for every fixture of the process.
inline const char* hostClass() {
    static const ATOM atom = [] {
        WNDCLASSA wc{};
        wc.style = CS_DBLCLKS;
        wc.lpfnWndProc = controlHostProc;
        wc.hInstance = GetModuleHandleA(nullptr);
        wc.lpszClassName = "SkinnedControlsHost";
        return RegisterClassA(&wc);
    }();
    return atom ? "SkinnedControlsHost" : nullptr;
}

inline LONG_PTR procedureOf(HWND window) { return GetWindowLongPtrA(window, GWLP_WNDPROC); }

// How far red stands out of the other two channels: the test accent is pure red.
inline int redness(COLORREF c) { return GetRValue(c) - std::max(GetGValue(c), GetBValue(c)); }

class SkinnedControls {
public:
    static constexpr COLORREF background = RGB(0x30, 0x50, 0x70);
    static constexpr COLORREF accent = RGB(255, 0, 0);

    SkinnedControls() {
        engine.startGdiplus();
        engine.settings.backColor = background;
        engine.settings.accentColor = accent;
        window = CreateWindowExA(0, hostClass(), "控件", WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN, 30, 30,
                                 400, 300, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
        commandsSeen().clear();
    }
    ~SkinnedControls() {
        if (IsWindow(window)) DestroyWindow(window);
    }
    SkinnedControls(const SkinnedControls&) = delete;
    SkinnedControls& operator=(const SkinnedControls&) = delete;

    HWND add(const char* className, const char* text, DWORD style, int x = 10, int y = 40, int width = 90,
             int height = 26) {
        return CreateWindowExA(0, className, text, WS_CHILD | WS_VISIBLE | style, x, y, width, height, window,
                               reinterpret_cast<HMENU>(static_cast<INT_PTR>(nextId++)), GetModuleHandleA(nullptr),
                               nullptr);
    }

    void skin() {
        engine.skinWindow(window);
        index = engine.registry().lookup(window);
        engine.paintWindow(index, nullptr, false);
    }

    skin::SkinWindowRecord& record() { return engine.registry().at(index); }
    // Lets the controls paint what the system asked of them.
    static void pump() {
        MSG message;
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
    }

    skin::SkinEngine engine;
    HWND window = nullptr;
    int index = 0;
    int nextId = 100;
};

inline BOOL CALLBACK collectPropertyName(HWND, LPSTR name, HANDLE, ULONG_PTR names) {
    // Atoms without a name come as numbers below 0x10000.
    if (reinterpret_cast<ULONG_PTR>(name) >= 0x10000) reinterpret_cast<std::vector<std::string>*>(names)->push_back(name);
    return TRUE;
}

// The property names a window carries.
inline std::vector<std::string> propertyNames(HWND window) {
    std::vector<std::string> names;
    EnumPropsExA(window, collectPropertyName, reinterpret_cast<LPARAM>(&names));
    return names;
}
