// Skinned top-level windows with real messages: what skinWindow sets up, the hover fades
// on the window's timer, caption clicks, the double click, the size limits, the first
// size of the process, colour answers for transparent controls, and the end of a window
// with the renumbering of the others, also when a window ends inside its own handler.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "gdiplus/library.h"
#include "skin/engine/caption_fade.h"
#include "skin/engine/skin_engine.h"
#include "skin/engine/window_properties.h"
#include "skin/engine/work_area.h"
#include "skin/engine/working_set_trimmer.h"

using namespace skin;

namespace {

constexpr UINT askPrevious = WM_APP + 1;  // the previous procedure answers this one
constexpr LRESULT previousAnswer = 4321;

struct Seen {
    UINT message;
    WPARAM wParam;
};
std::vector<Seen> seen;  // what reached the previous procedure

LRESULT CALLBACK previousProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_SYSCOMMAND || message == WM_NCDESTROY || message == WM_CTLCOLORSTATIC || message == WM_SIZE)
        seen.push_back({message, wParam});
    if (message == askPrevious) return previousAnswer;
    if (message == WM_CTLCOLORSTATIC) return previousAnswer;
    return DefWindowProcA(window, message, wParam, lParam);
}

bool sawSysCommand(WPARAM command) {
    for (const Seen& s : seen)
        if (s.message == WM_SYSCOMMAND && (s.wParam & 0xFFF0) == command) return true;
    return false;
}

const char* windowClass() {
    static const ATOM atom = [] {
        WNDCLASSA wc{};
        wc.style = CS_DBLCLKS;
        wc.lpfnWndProc = previousProc;
        wc.hInstance = GetModuleHandleA(nullptr);
        wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
        wc.lpszClassName = "SkinWindowTestWindow";
        return RegisterClassA(&wc);
    }();
    return atom ? "SkinWindowTestWindow" : nullptr;
}

// A borderless window: its client area is the whole window, 400 x 300.
HWND makeWindow(DWORD boxes = WS_MINIMIZEBOX | WS_MAXIMIZEBOX) {
    return CreateWindowExA(0, windowClass(), "皮肤窗口", WS_POPUP | boxes, 100, 100, 400, 300, nullptr, nullptr,
                           GetModuleHandleA(nullptr), nullptr);
}

LPARAM at(int x, int y) { return MAKELPARAM(x, y); }

// The centre of caption button i (1-based) in client coordinates.
POINT centreOf(const SkinWindowRecord& record, int i) {
    const gdip::RectF& b = record.captionButtons[i - 1].bounds;
    return POINT{static_cast<LONG>(b.x + b.width / 2), static_cast<LONG>(b.y + b.height / 2)};
}

LPARAM atButton(const SkinWindowRecord& record, int i) {
    const POINT p = centreOf(record, i);
    return at(p.x, p.y);
}

TEST(SkinWindowStub, WithoutAnEngineMessagesGoToThePreviousProcedure) {
    ASSERT_EQ(SkinEngine::current(), nullptr);
    HWND window = makeWindow();
    const LONG_PTR previous =
        SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&SkinEngine::windowProcStub));
    SetPropA(window, prop::previousProc, reinterpret_cast<HANDLE>(previous));
    // The window's own answer, not the default procedure's 0.
    EXPECT_EQ(SendMessageA(window, askPrevious, 0, 0), previousAnswer);
    SetWindowTextA(window, "新标题");
    char text[32] = {};
    GetWindowTextA(window, text, sizeof text);
    EXPECT_STREQ(text, "新标题");
    DestroyWindow(window);
}

class SkinnedWindow : public ::testing::Test {
protected:
    gdip::Session gdiplus;
    SkinEngine engine;
    std::vector<HWND> windows;

    void SetUp() override { seen.clear(); }
    void TearDown() override {
        for (HWND w : windows)
            if (IsWindow(w)) DestroyWindow(w);
    }

    HWND skinned(DWORD boxes = WS_MINIMIZEBOX | WS_MAXIMIZEBOX, const SkinWindowArgs& args = {}) {
        HWND window = makeWindow(boxes);
        windows.push_back(window);
        engine.skinWindow(window, args);
        return window;
    }
    SkinWindowRecord& recordOf(HWND window) { return *engine.registry().find(window); }
    void tick(HWND window) { SendMessageA(window, WM_TIMER, reinterpret_cast<WPARAM>(window), 0); }
};

TEST_F(SkinnedWindow, SkinningRegistersTheWindowAndTakesOverItsProcedure) {
    HWND window = makeWindow(0);
    windows.push_back(window);
    engine.skinWindow(window, {.captionHeight = 10});
    ASSERT_EQ(engine.registry().size(), 1);
    const SkinWindowRecord& record = recordOf(window);
    EXPECT_EQ(intProperty(window, prop::index), 1);
    EXPECT_EQ(record.captionHeight, 25);
    EXPECT_EQ(GetWindowLongPtrA(window, GWLP_WNDPROC), reinterpret_cast<LONG_PTR>(&SkinEngine::windowProcStub));
    // Both keep the replaced procedure (Wine may hand out a thunk to it, so it is called).
    const auto stored = reinterpret_cast<WNDPROC>(GetPropA(window, prop::previousProc));
    EXPECT_EQ(stored, record.previousProc);
    ASSERT_NE(stored, nullptr);
    EXPECT_EQ(CallWindowProcA(stored, window, askPrevious, 0, 0), previousAnswer);
    EXPECT_TRUE(GetWindowLongPtrA(window, GWL_STYLE) & WS_SYSMENU);
    EXPECT_TRUE(record.needsFullPaint);
    EXPECT_EQ(record.maxTrackWidth, GetSystemMetrics(SM_CXSCREEN));
    EXPECT_EQ(record.maxTrackHeight, GetSystemMetrics(SM_CYSCREEN));
    ASSERT_EQ(record.captionButtons.size(), 1u);  // close only
    EXPECT_EQ(record.buttonStripWidth, 41);
    EXPECT_NE(record.tooltip.window(), nullptr);
    // Messages the engine does not answer reach the replaced procedure.
    EXPECT_EQ(SendMessageA(window, askPrevious, 0, 0), previousAnswer);

    engine.skinWindow(window, {.captionHeight = 40});  // a second time changes nothing
    EXPECT_EQ(engine.registry().size(), 1);
    EXPECT_EQ(recordOf(window).captionHeight, 25);
}

TEST_F(SkinnedWindow, TheWindowStylesChooseTheCaptionButtons) {
    const SkinWindowRecord& all = recordOf(skinned());
    ASSERT_EQ(all.captionButtons.size(), 3u);
    EXPECT_EQ(all.captionButtons[0].kind, MinimizeButton);
    EXPECT_EQ(all.captionButtons[1].kind, MaximizeButton);
    EXPECT_EQ(all.captionButtons[2].kind, CloseButton);
    EXPECT_EQ(all.buttonStripWidth, 95);
    EXPECT_TRUE(all.hasMinimizeButton);
    EXPECT_TRUE(all.hasMaximizeButton);
}

TEST_F(SkinnedWindow, TwoButtonsFadeOnTheSameTicksWithTheirAlphas) {
    HWND window = skinned();
    SkinWindowRecord& record = recordOf(window);
    SendMessageA(window, WM_MOUSEHOVER, 0, 0);
    SendMessageA(window, WM_MOUSEMOVE, 0, atButton(record, 1));  // onto minimise
    EXPECT_TRUE(record.animating);
    EXPECT_EQ(engine.hotCaptionButton, 1);
    EXPECT_EQ(record.hotCaptionButton, 1);
    for (int step = 1; step <= 3; ++step) {
        tick(window);
        EXPECT_EQ(record.fadeIn.button, 1);
        EXPECT_EQ(record.fadeIn.step, step);
        EXPECT_EQ(fadeInAlpha(record.fadeIn.step), 30 * step);
    }
    SendMessageA(window, WM_MOUSEMOVE, 0, atButton(record, 2));  // straight onto maximise
    EXPECT_EQ(record.fadeOut.button, 1);
    EXPECT_EQ(record.fadeOut.step, 0);
    EXPECT_EQ(record.fadeIn.button, 2);
    EXPECT_EQ(record.fadeIn.step, 0);
    EXPECT_EQ(record.hotCaptionButton, 2);
    const int alphasIn[] = {30, 60, 90, 120, 150, 180, 210, 240};
    const int alphasOut[] = {210, 180, 150, 120, 90, 60, 30, 0};
    for (int step = 1; step <= fadeSteps; ++step) {
        tick(window);
        EXPECT_EQ(record.fadeIn.step, step);
        EXPECT_EQ(record.fadeOut.step, step);  // both on the same tick
        EXPECT_EQ(fadeInAlpha(record.fadeIn.step), alphasIn[step - 1]);
        EXPECT_EQ(fadeOutAlpha(record.fadeOut.step), alphasOut[step - 1]);
    }
    tick(window);  // finished fades stay where they ended while the mouse is there
    EXPECT_EQ(record.fadeIn.step, fadeSteps);
    EXPECT_TRUE(record.animating);
}

TEST_F(SkinnedWindow, LeavingHalfwayDropsTheFadeInAndFadesTheHotButtonOut) {
    HWND window = skinned();
    SkinWindowRecord& record = recordOf(window);
    SendMessageA(window, WM_MOUSEHOVER, 0, 0);
    SendMessageA(window, WM_MOUSEMOVE, 0, atButton(record, 1));
    tick(window);
    tick(window);
    SendMessageA(window, WM_MOUSEMOVE, 0, atButton(record, 2));
    for (int i = 0; i < 4; ++i) tick(window);  // both halfway
    ASSERT_EQ(record.fadeIn.step, 4);
    ASSERT_EQ(record.fadeOut.step, 4);

    SendMessageA(window, WM_MOUSELEAVE, 0, 0);
    EXPECT_FALSE(record.hoverTracked);
    EXPECT_EQ(record.fadeIn.button, 0);
    EXPECT_EQ(record.fadeOut.button, 2);  // the hot button fades out from the start
    EXPECT_EQ(record.fadeOut.step, 0);
    EXPECT_EQ(record.hotCaptionButton, 0);
    for (int step = 1; step < fadeSteps; ++step) {
        tick(window);
        EXPECT_EQ(record.fadeOut.step, step);
        EXPECT_TRUE(record.animating);  // the timer runs until the fade-out is over
    }
    tick(window);
    EXPECT_FALSE(record.animating);
    EXPECT_EQ(record.fadeOut.button, 0);
    EXPECT_EQ(record.fadeIn.button, 0);
}

TEST_F(SkinnedWindow, MovingOutOfTheStripLetsTheTimerStopAfterTheFadeOut) {
    HWND window = skinned();
    SkinWindowRecord& record = recordOf(window);
    SendMessageA(window, WM_MOUSEHOVER, 0, 0);
    SendMessageA(window, WM_MOUSEMOVE, 0, atButton(record, 3));
    tick(window);
    SendMessageA(window, WM_MOUSEMOVE, 0, at(150, 150));
    EXPECT_FALSE(record.animating);
    EXPECT_EQ(record.fadeOut.button, 3);
    for (int step = 1; step <= fadeSteps; ++step) tick(window);
    EXPECT_EQ(record.fadeOut.button, 0);
    EXPECT_EQ(record.hotCaptionButton, 0);
}

TEST_F(SkinnedWindow, PressAndReleaseOnCloseSendsCloseAndTheWindowGoes) {
    HWND window = skinned();
    const LPARAM close = atButton(recordOf(window), 3);
    SendMessageA(window, WM_LBUTTONDOWN, MK_LBUTTON, close);
    EXPECT_EQ(engine.hotCaptionButton, 3);
    SendMessageA(window, WM_LBUTTONUP, 0, close);
    EXPECT_TRUE(sawSysCommand(SC_CLOSE));
    EXPECT_FALSE(IsWindow(window));
    EXPECT_EQ(engine.registry().size(), 0);
}

TEST_F(SkinnedWindow, MinimiseAndMaximiseButtonsSendTheirCommands) {
    HWND window = skinned();
    ShowWindow(window, SW_SHOW);
    const LPARAM maximize = atButton(recordOf(window), 2);
    SendMessageA(window, WM_LBUTTONDOWN, MK_LBUTTON, maximize);
    SendMessageA(window, WM_LBUTTONUP, 0, maximize);
    EXPECT_TRUE(sawSysCommand(SC_MAXIMIZE));
    EXPECT_TRUE(recordOf(window).maximized);
    RECT area{};
    GetWindowRect(window, &area);
    EXPECT_EQ(area.left, 0);
    EXPECT_EQ(area.top, 0);
    EXPECT_EQ(area.right - area.left, maximizedSize().cx);
    EXPECT_EQ(area.bottom - area.top, maximizedSize().cy);

    const LPARAM restore = atButton(recordOf(window), 2);
    SendMessageA(window, WM_LBUTTONDOWN, MK_LBUTTON, restore);
    SendMessageA(window, WM_LBUTTONUP, 0, restore);
    EXPECT_TRUE(sawSysCommand(SC_RESTORE));
    EXPECT_FALSE(recordOf(window).maximized);
    GetWindowRect(window, &area);
    EXPECT_EQ(area.right - area.left, 400);

    const LPARAM minimize = atButton(recordOf(window), 1);
    SendMessageA(window, WM_LBUTTONDOWN, MK_LBUTTON, minimize);
    SendMessageA(window, WM_LBUTTONUP, 0, minimize);
    EXPECT_TRUE(sawSysCommand(SC_MINIMIZE));
    EXPECT_TRUE(recordOf(window).minimized);
    EXPECT_TRUE(IsIconic(window));
}

TEST_F(SkinnedWindow, DoubleClickInTheTitleBarMaximisesOnlyWithAMaximizeBox) {
    HWND plain = skinned(WS_MINIMIZEBOX);
    SendMessageA(plain, WM_LBUTTONDBLCLK, MK_LBUTTON, at(100, 12));
    EXPECT_FALSE(sawSysCommand(SC_MAXIMIZE));
    EXPECT_FALSE(recordOf(plain).maximized);

    HWND viewer = skinned();
    SendMessageA(viewer, WM_LBUTTONDBLCLK, MK_LBUTTON, at(100, 40));  // below the title bar
    EXPECT_FALSE(sawSysCommand(SC_MAXIMIZE));
    SendMessageA(viewer, WM_LBUTTONDBLCLK, MK_LBUTTON, at(100, 25));
    EXPECT_TRUE(sawSysCommand(SC_MAXIMIZE));
    EXPECT_TRUE(recordOf(viewer).maximized);
}

TEST_F(SkinnedWindow, MinMaxInfoGetsTheTrackSizesAndNothingElse) {
    HWND window = skinned();
    MINMAXINFO info;
    FillMemory(&info, sizeof info, 0x11);
    const MINMAXINFO before = info;
    SendMessageA(window, WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&info));
    EXPECT_EQ(info.ptMinTrackSize.x, 200);
    EXPECT_EQ(info.ptMinTrackSize.y, 150);
    EXPECT_EQ(info.ptMaxTrackSize.x, GetSystemMetrics(SM_CXSCREEN));
    EXPECT_EQ(info.ptMaxTrackSize.y, GetSystemMetrics(SM_CYSCREEN));
    EXPECT_EQ(info.ptMaxSize.x, before.ptMaxSize.x);
    EXPECT_EQ(info.ptMaxPosition.y, before.ptMaxPosition.y);
    EXPECT_EQ(info.ptReserved.x, before.ptReserved.x);

    recordOf(window).maximized = true;
    SendMessageA(window, WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&info));
    EXPECT_EQ(info.ptMaxTrackSize.x, GetSystemMetrics(SM_CXSCREEN));
    EXPECT_EQ(info.ptMaxTrackSize.y, GetSystemMetrics(SM_CYSCREEN) - taskbarHeight());
}

TEST_F(SkinnedWindow, OnlyTheFirstSizeOfTheProcessSkipsTheFullPaint) {
    HWND first = skinned();
    HWND second = skinned();
    recordOf(first).needsFullPaint = true;
    seen.clear();
    ASSERT_TRUE(engine.settings.firstSizePending);
    SendMessageA(first, WM_SIZE, SIZE_RESTORED, MAKELPARAM(400, 300));
    EXPECT_FALSE(recordOf(first).needsFullPaint);
    EXPECT_FALSE(engine.settings.firstSizePending);
    recordOf(second).needsFullPaint = false;
    SendMessageA(second, WM_SIZE, SIZE_RESTORED, MAKELPARAM(400, 300));
    EXPECT_TRUE(recordOf(second).needsFullPaint);
    SendMessageA(first, WM_SIZE, SIZE_RESTORED, MAKELPARAM(400, 300));
    EXPECT_TRUE(recordOf(first).needsFullPaint);
    // The message still reaches the window's own procedure.
    int sizes = 0;
    for (const Seen& s : seen) sizes += s.message == WM_SIZE;
    EXPECT_EQ(sizes, 3);
}

TEST_F(SkinnedWindow, SystemCommandsKeepTheMinimisedAndMaximisedFlags) {
    HWND window = skinned();
    engine.settings.firstSizePending = false;
    recordOf(window).needsFullPaint = false;
    SendMessageA(window, WM_SYSCOMMAND, SC_MINIMIZE, 0);
    EXPECT_TRUE(recordOf(window).minimized);
    EXPECT_TRUE(recordOf(window).needsFullPaint);
    SendMessageA(window, WM_QUERYOPEN, 0, 0);
    EXPECT_FALSE(recordOf(window).minimized);
    SendMessageA(window, WM_SYSCOMMAND, SC_RESTORE, 0);
    EXPECT_FALSE(recordOf(window).minimized);
    HDC dc = GetDC(window);
    EXPECT_EQ(SendMessageA(window, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0), 1);
    ReleaseDC(window, dc);
}

TEST_F(SkinnedWindow, TransparentControlsGetTheBackgroundBrushAndFreeTheOldOne) {
    HWND window = skinned();
    HWND label = CreateWindowExA(0, "STATIC", "标签", WS_CHILD | WS_VISIBLE, 10, 40, 80, 20, window, nullptr, nullptr,
                                 nullptr);
    HDC dc = GetDC(label);
    engine.setControlSkinning(1);  // no veil alpha given: controls are not transparent
    EXPECT_EQ(SendMessageA(window, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(label)),
              previousAnswer);

    engine.setControlSkinning(1, 0);
    SetPropA(label, prop::textColor, reinterpret_cast<HANDLE>(static_cast<INT_PTR>(0x123456)));
    const LRESULT first =
        SendMessageA(window, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(label));
    ASSERT_NE(first, previousAnswer);
    EXPECT_EQ(reinterpret_cast<HANDLE>(first), GetPropA(label, prop::colorBrush));
    EXPECT_EQ(GetTextColor(dc), 0x123456u);
    EXPECT_EQ(GetBkMode(dc), TRANSPARENT);
    HGDIOBJ firstBitmap = GetPropA(label, prop::colorBrushBitmap);
    const LRESULT second =
        SendMessageA(window, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(label));
    ASSERT_NE(firstBitmap, nullptr);
    EXPECT_EQ(GetObjectType(firstBitmap), 0u);  // the first brush and its bitmap are gone
    EXPECT_EQ(GetObjectType(reinterpret_cast<HGDIOBJ>(first)), 0u);
    EXPECT_EQ(reinterpret_cast<HANDLE>(second), GetPropA(label, prop::colorBrush));

    HWND button = CreateWindowExA(0, "BUTTON", "按钮", WS_CHILD | WS_VISIBLE, 10, 70, 80, 20, window, nullptr, nullptr,
                                  nullptr);
    EXPECT_EQ(SendMessageA(window, WM_CTLCOLORBTN, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(button)),
              reinterpret_cast<LRESULT>(GetStockObject(NULL_BRUSH)));
    ReleaseDC(label, dc);

    // Destroying the window frees every brush it handed out.
    HGDIOBJ lastBitmap = GetPropA(label, prop::colorBrushBitmap);
    DestroyWindow(window);
    ASSERT_NE(lastBitmap, nullptr);
    EXPECT_EQ(GetObjectType(lastBitmap), 0u);
    EXPECT_EQ(GetObjectType(reinterpret_cast<HGDIOBJ>(second)), 0u);
}

TEST_F(SkinnedWindow, TheEndOfAWindowRenumbersTheOthersAndReachesItsOwnProcedure) {
    HWND first = skinned(), second = skinned(), third = skinned();
    HWND control = CreateWindowExA(0, "EDIT", "", WS_CHILD, 0, 0, 10, 10, third, nullptr, nullptr, nullptr);
    recordOf(third).edits.push_back({control, nullptr});
    setIntProperty(control, prop::ownerIndex, 3);

    DestroyWindow(second);
    int ncDestroys = 0;
    for (const Seen& s : seen) ncDestroys += s.message == WM_NCDESTROY;
    EXPECT_EQ(ncDestroys, 1);
    ASSERT_EQ(engine.registry().size(), 2);
    EXPECT_EQ(intProperty(first, prop::index), 1);
    EXPECT_EQ(intProperty(third, prop::index), 2);
    EXPECT_EQ(intProperty(control, prop::ownerIndex), 2);
    EXPECT_EQ(engine.registry().at(2).window, third);
    // The third window works on under its new number.
    SendMessageA(third, WM_SYSCOMMAND, SC_MINIMIZE, 0);
    EXPECT_TRUE(recordOf(third).minimized);
}

TEST_F(SkinnedWindow, AWindowThatEndsInsideItsOwnCaptionHandlerLeavesTheOthersWhole) {
    HWND first = skinned(), doomed = skinned(), last = skinned();
    ASSERT_TRUE(engine.addCaptionButton(doomed, recordOf(doomed).captionButtons[0].image, "关掉",
                                        [&] { DestroyWindow(doomed); }));
    const LPARAM custom = atButton(recordOf(doomed), 1);
    SendMessageA(doomed, WM_LBUTTONDOWN, MK_LBUTTON, custom);
    SendMessageA(doomed, WM_LBUTTONUP, 0, custom);
    EXPECT_FALSE(IsWindow(doomed));
    ASSERT_EQ(engine.registry().size(), 2);
    EXPECT_EQ(engine.registry().at(1).window, first);
    EXPECT_EQ(engine.registry().at(2).window, last);
    EXPECT_EQ(intProperty(last, prop::index), 2);
}

TEST_F(SkinnedWindow, AHandlerThatEndsAnEarlierWindowRenumbersTheOneBeingClicked) {
    HWND earlier = skinned(), clicked = skinned();
    ASSERT_TRUE(engine.addCaptionButton(clicked, recordOf(clicked).captionButtons[0].image, "关前一个",
                                        [&] { DestroyWindow(earlier); }));
    const LPARAM custom = atButton(recordOf(clicked), 1);
    SendMessageA(clicked, WM_LBUTTONDOWN, MK_LBUTTON, custom);
    SendMessageA(clicked, WM_LBUTTONUP, 0, custom);
    ASSERT_EQ(engine.registry().size(), 1);
    EXPECT_EQ(intProperty(clicked, prop::index), 1);
    SendMessageA(clicked, WM_MOUSEMOVE, 0, at(200, 200));
    EXPECT_EQ(recordOf(clicked).hotCaptionButton, 0);
}

TEST_F(SkinnedWindow, CustomCaptionButtonsGoInAtTheLeftWithTheirTools) {
    HWND window = skinned();
    const gdip::Bytes image = recordOf(window).captionButtons[0].image;
    ASSERT_TRUE(engine.addCaptionButton(window, image, "一", [] {}));
    ASSERT_TRUE(engine.addCaptionButton(window, image, "二", [] {}));
    const SkinWindowRecord& record = recordOf(window);
    ASSERT_EQ(record.captionButtons.size(), 5u);
    EXPECT_EQ(record.captionButtons[0].tooltip, "二");
    EXPECT_EQ(record.captionButtons[1].tooltip, "一");
    EXPECT_EQ(record.buttonStripWidth, 95 + 27 + 27);
    EXPECT_LT(record.captionButtons[0].bounds.x, record.captionButtons[1].bounds.x);
    EXPECT_EQ(SendMessageA(record.tooltip.window(), TTM_GETTOOLCOUNT, 0, 0), 5);
}

TEST_F(SkinnedWindow, LooksOfOneWindowChangeOnlyThatWindow) {
    HWND window = skinned();
    ASSERT_TRUE(engine.setCaptionFont(window, {.fontName = "微软雅黑", .fontSize = 14, .bold = false}));
    const SkinWindowRecord& record = recordOf(window);
    EXPECT_EQ(record.captionFontName, "微软雅黑");
    EXPECT_EQ(record.captionFontSize, 14);
    EXPECT_FALSE(record.captionFontBold);
    EXPECT_EQ(record.captionTextColor, 0xFFFFFFu);  // not given: kept

    recordOf(window).needsFullPaint = false;
    const gdip::Bytes picture = record.captionButtons[0].image;
    EXPECT_FALSE(engine.setWindowPicture(window, {}, 3));
    ASSERT_TRUE(engine.setWindowPicture(window, picture, 3));
    EXPECT_EQ(recordOf(window).pictureMode, 3);
    EXPECT_EQ(recordOf(window).picture, picture);  // mode 3 keeps the picture as it is
    EXPECT_TRUE(recordOf(window).needsFullPaint);
}

TEST_F(SkinnedWindow, TheSharedBackgroundAndTheControlSettings) {
    const gdip::Bytes picture = {1, 2, 3, 4};
    engine.setBackground({.picture = picture, .backColor = 0, .accentColor = 0x0080FF, .mode = 3});
    EXPECT_EQ(engine.settings.accentColor, 0x0080FFu);
    EXPECT_EQ(engine.settings.backColor, 0u);
    EXPECT_EQ(engine.settings.pictureMode, 3);
    EXPECT_EQ(engine.settings.sharedPicture, picture);

    engine.setBackground({.accentColor = 0x112233});  // only the accent
    EXPECT_EQ(engine.settings.accentColor, 0x112233u);
    EXPECT_EQ(engine.settings.sharedPicture, picture);
    engine.setBackground({.backColor = 0x445566});  // no accent given: back to the default
    EXPECT_EQ(engine.settings.accentColor, 0xDDCA22u);
    EXPECT_TRUE(engine.settings.sharedPicture.empty());
    engine.setBackground({.backColor = 0x778899, .accentColor = accentFromBackColor});
    EXPECT_EQ(engine.settings.accentColor, 0x778899u);
    EXPECT_EQ(engine.settings.pictureMode, 3);  // a colour alone keeps the mode

    engine.setControlSkinning(1, 0);
    EXPECT_TRUE(engine.settings.controlSkinning);
    EXPECT_EQ(engine.settings.veilAlpha, 0);
    EXPECT_TRUE(engine.settings.transparentControls);
    EXPECT_TRUE(engine.settings.trackBarFrame);
    engine.setControlSkinning(0, std::nullopt, false);
    EXPECT_FALSE(engine.settings.controlSkinning);
    EXPECT_EQ(engine.settings.veilAlpha, 160);
    EXPECT_FALSE(engine.settings.transparentControls);
    EXPECT_FALSE(engine.settings.trackBarFrame);
}

TEST_F(SkinnedWindow, DeactivationTrimsTheWorkingSetInProcess) {
    char windir[MAX_PATH] = {};
    GetEnvironmentVariableA("windir", windir, sizeof windir);
    const std::string trimmerFile = std::string(windir) + "\\empty.exe";
    DeleteFileA(trimmerFile.c_str());

    HANDLE trimmer = startWorkingSetTrimmer();
    ASSERT_NE(trimmer, nullptr);
    ASSERT_EQ(WaitForSingleObject(trimmer, 5000), WAIT_OBJECT_0);
    DWORD code = 2;
    GetExitCodeThread(trimmer, &code);
    CloseHandle(trimmer);
    EXPECT_EQ(code, 1u);

    HWND window = skinned();
    SendMessageA(window, WM_ACTIVATEAPP, FALSE, 0);
    Sleep(100);
    EXPECT_EQ(GetFileAttributesA(trimmerFile.c_str()), INVALID_FILE_ATTRIBUTES);  // no program written
    EXPECT_TRUE(IsWindow(window));
}

}  // namespace
