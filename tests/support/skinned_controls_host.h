#pragma once
// A skinned popup window of a strong base colour for control tests, with helpers that
// read pixels back from a control's window DC and record what reaches a control's own
// procedure.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "skin/engine/skin_engine.h"
#include "skin/engine/window_properties.h"
#include "tests/support/control_host.h"
#include "tests/support/skinned_controls.h"

namespace controls_test {

inline const char* const skinProperties[] = {skin::prop::index,        skin::prop::ownerIndex, skin::prop::previousProc,
                                             skin::prop::textColor,    skin::prop::colorBrush,
                                             skin::prop::colorBrushBitmap};

// The skin's properties the window carries now.
inline std::vector<std::string> skinPropertiesOn(HWND window) {
    std::vector<std::string> found;
    for (const std::string& name : propertyNames(window))
        for (const char* skinName : skinProperties)
            if (name == skinName) found.push_back(name);
    return found;
}

// The engine's test accent is blue-green; its plain lines are grey.
inline bool accentLike(COLORREF c) { return GetRValue(c) + 60 < GetGValue(c) && GetRValue(c) + 60 < GetBValue(c); }
inline bool grey(COLORREF c) {
    return std::abs(GetRValue(c) - GetGValue(c)) < 16 && std::abs(GetGValue(c) - GetBValue(c)) < 16;
}

using controltest::windowPixel;

inline void pump() {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
}

// An engine with GDI+ and a visible 400 x 300 popup whose base colour is deep blue.
class SkinnedHost : public ::testing::Test {
protected:
    static constexpr COLORREF baseColor = RGB(0, 0, 200);

    void SetUp() override {
        engine.startGdiplus();
        engine.settings.backColor = baseColor;
        window = CreateWindowExA(0, "STATIC", "控件", WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN, 30, 30, 400, 300,
                                 nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    }
    void TearDown() override { DestroyWindow(window); }

    HWND child(const char* className, DWORD style, int x, int y, int width, int height, DWORD exStyle = 0,
               HWND parent = nullptr, const char* text = "") {
        return CreateWindowExA(exStyle, className, text, WS_CHILD | WS_VISIBLE | style, x, y, width, height,
                               parent ? parent : window, nullptr, GetModuleHandleA(nullptr), nullptr);
    }

    void skin() {
        engine.skinWindow(window);
        windowIndex = engine.registry().lookup(window);
        RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
        pump();
    }

    skin::SkinWindowRecord& record() { return engine.registry().at(windowIndex); }

    skin::SkinEngine engine;
    HWND window = nullptr;
    int windowIndex = 0;
};

}  // namespace controls_test
