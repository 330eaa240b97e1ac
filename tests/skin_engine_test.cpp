// The engine object: its settings at start, the single engine the window procedure
// reaches, start-up of GDI+, the application icon, and a clone that owns its own copy.
#include <gtest/gtest.h>

#include "skin/engine/skin_engine.h"
#include "skin/engine/window_properties.h"

using namespace skin;

TEST(SkinEngine, StartsWithTheDefaultSettings) {
    SkinEngine engine;
    EXPECT_TRUE(engine.settings.firstSizePending);
    EXPECT_TRUE(engine.settings.controlSkinning);
    EXPECT_EQ(engine.settings.veilAlpha, 160);
    EXPECT_FALSE(engine.settings.transparentControls);
    EXPECT_TRUE(engine.settings.trackBarFrame);
    EXPECT_EQ(engine.settings.accentColor, 0xDDCA22u);
    EXPECT_EQ(engine.settings.backColor, GetSysColor(COLOR_BTNFACE));
    EXPECT_EQ(engine.settings.pictureMode, 4);
    EXPECT_TRUE(engine.settings.sharedPicture.empty());
    EXPECT_EQ(engine.registry().size(), 0);
    EXPECT_EQ(engine.snapshots().size(), 0);
    EXPECT_EQ(engine.gdiplusToken(), 0u);
    EXPECT_EQ(engine.applicationIcon(), nullptr);
}

TEST(SkinEngine, TheFirstEngineIsTheOneSkinnedWindowsReach) {
    EXPECT_EQ(SkinEngine::current(), nullptr);
    {
        SkinEngine engine;
        EXPECT_EQ(SkinEngine::current(), &engine);
        auto copy = engine.clone();
        EXPECT_EQ(SkinEngine::current(), &engine);
        copy.reset();
        EXPECT_EQ(SkinEngine::current(), &engine);
    }
    EXPECT_EQ(SkinEngine::current(), nullptr);
}

TEST(SkinEngine, WindowProcedurePassesMessagesToTheReplacedOne) {
    SkinEngine engine;
    HWND edit = CreateWindowExA(0, "EDIT", "", WS_POPUP, 0, 0, 100, 20, nullptr, nullptr, GetModuleHandleA(nullptr),
                                nullptr);
    const LONG_PTR previous =
        SetWindowLongPtrA(edit, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&SkinEngine::windowProcStub));
    SetPropA(edit, prop::previousProc, reinterpret_cast<HANDLE>(previous));
    SetWindowTextA(edit, "岚舟");
    char text[16] = {};
    GetWindowTextA(edit, text, sizeof text);
    EXPECT_STREQ(text, "岚舟");
    DestroyWindow(edit);

    // A window the engine registered is changed on the way by the same procedure: its
    // size message asks for a full paint, and the text still reaches the window.
    HWND window = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 100, 20, nullptr, nullptr,
                                  GetModuleHandleA(nullptr), nullptr);
    engine.skinWindow(window);
    engine.settings.firstSizePending = false;
    SkinWindowRecord& record = *engine.registry().find(window);
    record.needsFullPaint = false;
    SendMessageA(window, WM_SIZE, SIZE_RESTORED, MAKELPARAM(100, 20));
    EXPECT_TRUE(record.needsFullPaint);
    SetWindowTextA(window, "备忘");
    GetWindowTextA(window, text, sizeof text);
    EXPECT_STREQ(text, "备忘");
    DestroyWindow(window);
    EXPECT_EQ(engine.registry().size(), 0);
}

TEST(SkinEngine, OwnsTheGdiplusTokenItStarted) {
    SkinEngine engine;
    engine.startGdiplus();
    ASSERT_NE(engine.gdiplusToken(), 0u);
    const ULONG_PTR token = engine.gdiplusToken();
    engine.startGdiplus();  // started once only
    EXPECT_EQ(engine.gdiplusToken(), token);
}

TEST(SkinEngine, ModuleWithoutIconsLeavesTheIconEmpty) {
    SkinEngine engine;
    EXPECT_FALSE(engine.loadApplicationIcon(GetModuleHandleA(nullptr)));
    EXPECT_EQ(engine.applicationIcon(), nullptr);
}

TEST(SkinEngine, CloneHasTheSettingsButNoWindowsAndNoToken) {
    SkinEngine engine;
    engine.startGdiplus();
    engine.settings.accentColor = 0x0080FF;
    engine.settings.veilAlpha = 0;
    engine.settings.sharedPicture = {1, 2, 3};
    engine.resizeBorder = 5;
    HWND window = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    auto record = std::make_unique<SkinWindowRecord>();
    record->window = window;
    engine.registry().add(std::move(record));

    auto copy = engine.clone();
    EXPECT_EQ(copy->settings.accentColor, 0x0080FFu);
    EXPECT_EQ(copy->settings.veilAlpha, 0);
    EXPECT_EQ(copy->settings.sharedPicture, gdip::Bytes({1, 2, 3}));
    EXPECT_EQ(copy->resizeBorder, 5);
    EXPECT_EQ(copy->registry().size(), 0);
    EXPECT_EQ(copy->gdiplusToken(), 0u);
    copy.reset();
    EXPECT_NE(engine.gdiplusToken(), 0u);
    EXPECT_EQ(engine.registry().lookup(window), 1);
    DestroyWindow(window);
}
