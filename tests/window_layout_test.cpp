// The windows' designed sizes, the minimum-size rule and the viewer's layout, on real
// windows under Wine.
#include <gtest/gtest.h>

#include <memory>

#include "app/add_memo_window.h"
#include "app/main_window.h"
#include "app/viewer_window.h"
#include "app/window_designs.h"
#include "app/window_rules.h"
#include "runtime/window.h"
#include "support/fake_services.h"

namespace {

bool operator==(SIZE a, SIZE b) { return a.cx == b.cx && a.cy == b.cy; }

TEST(MinimumSizeRule, ResetsBothDimensionsWhenEitherIsTooSmall) {
    struct Case {
        SIZE current, minimum, expected;
    } cases[] = {
        {{300, 392}, {281, 393}, {281, 393}},  // height short by one
        {{281, 393}, {281, 393}, {281, 393}},  // exactly the minimum is kept
        {{500, 300}, {281, 393}, {281, 393}},  // width fine, height not: both reset
        {{377, 280}, {377, 281}, {377, 281}},
        {{376, 500}, {377, 281}, {377, 281}},
        {{800, 600}, {364, 292}, {800, 600}},
    };
    for (const Case& c : cases) {
        SIZE got = ApplyMinimumSize(c.current, c.minimum);
        EXPECT_TRUE(got == c.expected) << c.current.cx << "x" << c.current.cy << " gave " << got.cx << "x" << got.cy;
    }
}

struct WindowCase {
    const char* name;
    HWND (*load)(HWND parent);
    const rt::WindowDesign& design;
};

HWND LoadMain(HWND) { return rt::LoadWindow(MainWindowDesign, {.sizeChanged = [](HWND w) {
                                                                    EnforceMinimumSize(w, {281, 393});
                                                                }}); }

const WindowCase kWindows[] = {
    {"main", LoadMain, MainWindowDesign},
    {"add memo", LoadAddMemoWindow, AddMemoWindowDesign},
    {"viewer", LoadViewerWindow, MemoViewerWindowDesign},
};

TEST(Windows, OpenAtTheirDesignedSizeCentredOnTheScreen) {
    for (const WindowCase& c : kWindows) {
        HWND w = c.load(nullptr);
        ASSERT_TRUE(w) << c.name;
        SIZE designed{c.design.width, c.design.height};
        EXPECT_TRUE(rt::WindowSize(w) == designed) << c.name;
        RECT r;
        GetWindowRect(w, &r);
        EXPECT_EQ(r.left, (GetSystemMetrics(SM_CXSCREEN) - c.design.width) / 2) << c.name;
        EXPECT_EQ(r.top, (GetSystemMetrics(SM_CYSCREEN) - c.design.height) / 2) << c.name;
        EXPECT_TRUE(IsWindowVisible(w)) << c.name;
        DestroyWindow(w);
    }
}

TEST(Windows, ResizingBelowTheMinimumSnapsBack) {
    struct Case {
        size_t window;
        SIZE requested, expected;
    } cases[] = {
        {0, {300, 392}, {281, 393}}, {0, {281, 393}, {281, 393}}, {0, {500, 300}, {281, 393}},
        {0, {600, 500}, {600, 500}}, {1, {377, 280}, {377, 281}}, {1, {376, 500}, {377, 281}},
        {2, {364, 291}, {364, 292}}, {2, {800, 600}, {800, 600}},
    };
    for (const Case& c : cases) {
        const WindowCase& wc = kWindows[c.window];
        HWND w = wc.load(nullptr);
        rt::ResizeWindow(w, c.requested.cx, c.requested.cy);
        SIZE got = rt::WindowSize(w);
        EXPECT_TRUE(got == c.expected) << wc.name << " " << c.requested.cx << "x" << c.requested.cy << " gave "
                                       << got.cx << "x" << got.cy;
        DestroyWindow(w);
    }
}

RECT ChildRectInParent(HWND child) {
    RECT r;
    GetWindowRect(child, &r);
    MapWindowPoints(nullptr, GetParent(child), reinterpret_cast<POINT*>(&r), 2);
    return r;
}

TEST(ViewerLayout, PaneFillsTheWindowBelowTheTitleBar) {
    HWND viewer = LoadViewerWindow(nullptr);
    HWND pane = rt::FindControl(viewer, "超文本浏览框1");
    for (SIZE size : {SIZE{364, 292}, SIZE{800, 600}, SIZE{364, 291}}) {
        rt::ResizeWindow(viewer, size.cx, size.cy);
        SIZE client = rt::ClientSize(viewer);
        RECT r = ChildRectInParent(pane);
        EXPECT_EQ(r.left, 2);
        EXPECT_EQ(r.top, 25);
        EXPECT_EQ(r.right - r.left, client.cx - 4) << size.cx;
        EXPECT_EQ(r.bottom - r.top, client.cy - 27) << size.cy;
    }
    DestroyWindow(viewer);
}

// Minimising is no resize: the size rules leave a minimised window and its controls
// alone (the viewer's pane is not squeezed to the empty client area), and restoring
// brings back the size and layout the window had. Each window is minimised once by ShowWindow
// and once by the system command its minimise button sends.
TEST(Windows, MinimiseAndRestoreKeepSizeAndLayout) {
    FakeServices fake;  // the real main window runs the update check at creation
    const struct {
        const char* name;
        HWND (*load)(HWND parent);
    } windows[] = {
        {"main", [](HWND) { return LoadMainWindow(); }},
        {"add memo", LoadAddMemoWindow},
        {"viewer", LoadViewerWindow},
    };
    for (const auto& c : windows) {
        for (bool bySystemCommand : {false, true}) {
            SCOPED_TRACE(std::string(c.name) + (bySystemCommand ? " by WM_SYSCOMMAND" : " by ShowWindow"));
            HWND w = c.load(nullptr);
            ASSERT_TRUE(w);
            rt::ResizeWindow(w, 640, 480);
            std::vector<RECT> children;
            for (HWND child = GetWindow(w, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
                children.push_back(ChildRectInParent(child));

            if (bySystemCommand) SendMessageA(w, WM_SYSCOMMAND, SC_MINIMIZE, 0);
            else ShowWindow(w, SW_MINIMIZE);
            EXPECT_TRUE(IsIconic(w));
            WINDOWPLACEMENT placement{sizeof placement};
            GetWindowPlacement(w, &placement);
            EXPECT_EQ(placement.rcNormalPosition.right - placement.rcNormalPosition.left, 640);
            EXPECT_EQ(placement.rcNormalPosition.bottom - placement.rcNormalPosition.top, 480);
            size_t i = 0;
            for (HWND child = GetWindow(w, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT), ++i) {
                RECT r = ChildRectInParent(child);
                ASSERT_LT(i, children.size());
                EXPECT_TRUE(EqualRect(&r, &children[i])) << "child " << i << " while minimised";
            }

            if (bySystemCommand) SendMessageA(w, WM_SYSCOMMAND, SC_RESTORE, 0);
            else ShowWindow(w, SW_RESTORE);
            EXPECT_FALSE(IsIconic(w));
            EXPECT_TRUE(rt::WindowSize(w) == (SIZE{640, 480}));
            i = 0;
            for (HWND child = GetWindow(w, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT), ++i) {
                RECT r = ChildRectInParent(child);
                ASSERT_LT(i, children.size());
                EXPECT_TRUE(EqualRect(&r, &children[i])) << "child " << i << " after restoring";
            }
            DestroyWindow(w);
        }
    }
}

TEST(ViewerLayout, IsLaidOutBeforeTheViewerIsFirstShown) {
    HWND viewer = LoadViewerWindow(nullptr);
    RECT r = ChildRectInParent(rt::FindControl(viewer, "超文本浏览框1"));
    EXPECT_EQ(r.left, 2);
    EXPECT_EQ(r.top, 25);
    EXPECT_EQ(r.right - r.left, 364 - 4);
    EXPECT_EQ(r.bottom - r.top, 292 - 27);
    DestroyWindow(viewer);
}

TEST(Windows, ControlsSitAtTheirDesignedPlaces) {
    HWND w = LoadAddMemoWindow(nullptr);
    for (const rt::ControlDesign& c : AddMemoWindowDesign.controls) {
        HWND control = rt::FindControl(w, c.name);
        ASSERT_TRUE(control) << c.name;
        RECT r = ChildRectInParent(control);
        EXPECT_EQ(r.left, c.x) << c.name;
        EXPECT_EQ(r.top, c.y) << c.name;
        EXPECT_EQ(r.right - r.left, c.width) << c.name;
        EXPECT_EQ(r.bottom - r.top, c.height) << c.name;
    }
    // The add-memo window keeps its controls where they are at any size.
    rt::ResizeWindow(w, 600, 500);
    RECT r = ChildRectInParent(rt::FindControl(w, "按钮1"));
    EXPECT_EQ(r.left, 296);
    EXPECT_EQ(r.top, 98);
    EXPECT_EQ(SendMessageA(rt::FindControl(w, "编辑框1"), EM_GETLIMITTEXT, 0, 0), 50);
    DestroyWindow(w);
}

TEST(Windows, ReleaseTheFontsOfTheirControlsWhenDestroyed) {
    HWND w = LoadAddMemoWindow(nullptr);
    std::vector<HGDIOBJ> fonts;
    for (const rt::ControlDesign& c : AddMemoWindowDesign.controls) {
        auto font = reinterpret_cast<HGDIOBJ>(SendMessageA(rt::FindControl(w, c.name), WM_GETFONT, 0, 0));
        ASSERT_EQ(GetObjectType(font), static_cast<DWORD>(OBJ_FONT)) << c.name;
        fonts.push_back(font);
    }
    DestroyWindow(w);
    for (HGDIOBJ font : fonts) EXPECT_EQ(GetObjectType(font), 0u);
}

// A handler may close the window it runs in (saving a memo does): what it holds must
// outlive the window's own copy of it, which goes with the window.
rt::WindowDesign ClosingDesign() {
    return {"closing", 200, 120, 200, 120, true, false,
            {{rt::ControlKind::PushButton, "按钮", 0, 0, 80, 24, "关闭"},
             {rt::ControlKind::EditBox, "编辑框", 0, 40, 80, 24, ""}}};
}

TEST(Windows, AClickedHandlerThatClosesItsWindowKeepsWhatItHolds) {
    auto token = std::make_shared<int>(7);
    std::weak_ptr<int> watch = token;
    bool heldAfterClose = false;
    HWND w;
    {
        rt::WindowEvents events;
        events.controls = {{"按钮", {.clicked = [token, watch, &heldAfterClose](HWND window) {
                                DestroyWindow(window);
                                heldAfterClose = !watch.expired();
                            }}}};
        token.reset();
        w = rt::LoadWindow(ClosingDesign(), events);
    }
    ASSERT_TRUE(w);
    SendMessageA(rt::FindControl(w, "按钮"), BM_CLICK, 0, 0);
    EXPECT_FALSE(IsWindow(w));
    EXPECT_TRUE(heldAfterClose);
    EXPECT_TRUE(watch.expired());
}

TEST(Windows, ACharInputHandlerThatClosesItsWindowKeepsWhatItHolds) {
    auto token = std::make_shared<int>(7);
    std::weak_ptr<int> watch = token;
    bool heldAfterClose = false;
    HWND w;
    {
        rt::WindowEvents events;
        events.controls = {{"编辑框", {.charInput = [token, watch, &heldAfterClose](HWND edit, int) {
                                DestroyWindow(GetParent(edit));
                                heldAfterClose = !watch.expired();
                            }}}};
        token.reset();
        w = rt::LoadWindow(ClosingDesign(), events);
    }
    ASSERT_TRUE(w);
    SendMessageA(rt::FindControl(w, "编辑框"), WM_CHAR, 13, 0);
    EXPECT_FALSE(IsWindow(w));
    EXPECT_TRUE(heldAfterClose);
    EXPECT_TRUE(watch.expired());
}

}  // namespace
