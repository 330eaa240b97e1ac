// The hypertext pane as a window: clicks, hover, keyboard focus, the wheel, the shell
// open of web links, and the GDI objects it holds.
#include <gtest/gtest.h>

#include <set>

#include "app/memo_store.h"
#include "app/today_page.h"
#include "runtime/html/view.h"
#include "runtime/hypertext_pane.h"
#include "support/desktop.h"
#include "support/fake_services.h"
#include "support/html_test_support.h"
#include "support/pane_host.h"

namespace {

const COLORREF kGreen = RGB(0, 0x80, 0);

struct PaneFixture : testing::Test {
    FakeServices services;
    PaneHost host;
    std::vector<std::string> events;

    HWND makePane(const char* designed, int x = 0, int y = 0) {
        const rt::ControlDesign& design = DesignedPane(designed);
        HWND pane = rt::CreateHypertextPane(host.window, x, y, design.width, design.height, 1);
        rt::SetHypertextContent(pane, design.text, design.styleSheet);
        rt::SetLinkClickedHandler(pane, [this](const std::string& text) { events.push_back(text); });
        return pane;
    }

    HWND todayPane(int memos) {
        HWND pane = makePane("简单超文本框1");
        std::vector<MemoRecord> today;
        for (int i = 1; i <= memos; ++i) today.push_back({"备忘" + std::to_string(i), "每天", "x.htm"});
        rt::SetHypertextMarkup(pane, ComposeTodayPage(today));
        return pane;
    }
};

std::vector<std::string> EventTexts(const std::vector<rt::PaneLink>& links) {
    std::vector<std::string> texts;
    for (const rt::PaneLink& link : links) texts.push_back(link.eventText);
    return texts;
}

bool IsEmpty(const RECT& r) { return r.right <= r.left || r.bottom <= r.top; }

}  // namespace

TEST_F(PaneFixture, KeepsWhatItWasGiven) {
    HWND pane = makePane("简单超文本框1");
    EXPECT_EQ(rt::HypertextMarkup(pane), DesignedPane("简单超文本框1").text);
    EXPECT_EQ(rt::HypertextStyleSheet(pane), DesignedPane("简单超文本框1").styleSheet);
    rt::SetHypertextMarkup(pane, "<a event=x>x</a>");
    EXPECT_EQ(rt::HypertextMarkup(pane), "<a event=x>x</a>");
    EXPECT_EQ(rt::HypertextStyleSheet(pane), DesignedPane("简单超文本框1").styleSheet);
    char name[64];
    GetClassNameA(pane, name, sizeof name);
    EXPECT_STREQ(name, rt::kHypertextPaneClass);
    EXPECT_TRUE(GetWindowLongA(pane, GWL_STYLE) & WS_TABSTOP);
    // Calls on a window that is no pane do nothing.
    rt::SetHypertextMarkup(host.window, "x");
    EXPECT_EQ(rt::HypertextMarkup(host.window), "");
    EXPECT_TRUE(rt::HypertextLinks(nullptr).empty());
}

TEST_F(PaneFixture, ClickOnEachLinkRaisesItsEventText) {
    HWND upper = makePane("简单超文本框1");
    HWND lower = makePane("简单超文本框2", 0, 330);
    std::vector<rt::PaneLink> links = rt::HypertextLinks(upper);
    ASSERT_EQ(EventTexts(links), (std::vector<std::string>{"添加备忘", "所有备忘"}));
    for (const rt::PaneLink& link : links) {
        ASSERT_FALSE(IsEmpty(link.box));
        ClickLink(upper, link);
    }
    std::vector<rt::PaneLink> commands = rt::HypertextLinks(lower);
    ASSERT_EQ(EventTexts(commands), (std::vector<std::string>{"设置", "插件", "工具", "关于", "官网"}));
    for (const rt::PaneLink& link : commands) ClickLink(lower, link);
    EXPECT_EQ(events, (std::vector<std::string>{"添加备忘", "所有备忘", "设置", "插件", "工具", "关于", "官网"}));
}

TEST_F(PaneFixture, ClicksBesideLinksOrDraggedOffThemRaiseNothing) {
    HWND pane = makePane("简单超文本框1");
    std::vector<rt::PaneLink> links = rt::HypertextLinks(pane);
    Click(pane, {5, 5});                                          // the heading
    Click(pane, {links[0].box.left - 3, CentreOf(links[0].box).y});  // just left of the link
    POINT first = CentreOf(links[0].box), second = CentreOf(links[1].box);
    SendMessageA(pane, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(first.x, first.y));
    SendMessageA(pane, WM_LBUTTONUP, 0, MAKELPARAM(second.x, second.y));
    EXPECT_TRUE(events.empty());
}

TEST_F(PaneFixture, DoubleClickRaisesTheEventOnce) {
    HWND pane = makePane("简单超文本框1");
    POINT at = CentreOf(rt::HypertextLinks(pane)[0].box);
    LPARAM where = MAKELPARAM(at.x, at.y);
    SendMessageA(pane, WM_LBUTTONDOWN, MK_LBUTTON, where);
    SendMessageA(pane, WM_LBUTTONUP, 0, where);
    SendMessageA(pane, WM_LBUTTONDBLCLK, MK_LBUTTON, where);
    SendMessageA(pane, WM_LBUTTONUP, 0, where);
    EXPECT_EQ(events, std::vector<std::string>{"添加备忘"});
}

TEST_F(PaneFixture, WebLinkIsOpenedWithTheShellAfterTheEvent) {
    HWND pane = makePane("简单超文本框2");
    rt::PaneLink site = rt::HypertextLinks(pane).back();
    size_t shellOpensDuringEvent = 99;
    rt::SetLinkClickedHandler(pane, [&](const std::string& text) {
        events.push_back(text);
        shellOpensDuringEvent = services.shellOpens.size();
    });
    ClickLink(pane, site);
    EXPECT_EQ(events, std::vector<std::string>{"官网"});
    EXPECT_EQ(shellOpensDuringEvent, 0u);
    EXPECT_EQ(services.shellOpens, std::vector<std::string>{site.href});
    // Other links and other addresses are not the shell's business.
    ClickLink(pane, rt::HypertextLinks(pane)[0]);
    rt::SetHypertextMarkup(pane, "<a href=\"memo.htm\">a</a> <a href=\"HTTPS://x/\">b</a> <a href=\"mailto:x\">c</a>");
    for (const rt::PaneLink& link : rt::HypertextLinks(pane)) ClickLink(pane, link);
    EXPECT_EQ(services.shellOpens, (std::vector<std::string>{site.href, "HTTPS://x/"}));
    EXPECT_EQ(events.size(), 2u);  // anchors without an event attribute raise none
}

TEST_F(PaneFixture, HoverUnderlinesTheLinkAndShowsTheHand) {
    HWND pane = makePane("简单超文本框1");
    rt::PaneLink link = rt::HypertextLinks(pane)[0];
    RECT lowerHalf{link.box.left, CentreOf(link.box).y, link.box.right, link.box.bottom};
    Capture before = CaptureWindow(pane);
    POINT at = CentreOf(link.box);
    SendMessageA(pane, WM_MOUSEMOVE, 0, MAKELPARAM(at.x, at.y));
    Capture hovered = CaptureWindow(pane);
    EXPECT_GT(hovered.count(lowerHalf, kGreen), before.count(lowerHalf, kGreen) + (link.box.right - link.box.left) / 2);
    EXPECT_EQ(before.count(link.box, kGreen) > 0, true);

    POINT screen = at;
    ClientToScreen(pane, &screen);
    SetCursorPos(screen.x, screen.y);
    EXPECT_TRUE(SendMessageA(pane, WM_SETCURSOR, reinterpret_cast<WPARAM>(pane), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE)));
    EXPECT_EQ(GetCursor(), LoadCursor(nullptr, IDC_HAND));
    SetCursorPos(screen.x, screen.y + 200);
    EXPECT_FALSE(SendMessageA(pane, WM_SETCURSOR, reinterpret_cast<WPARAM>(pane), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE)));
    ParkCursor();

    SendMessageA(pane, WM_MOUSELEAVE, 0, 0);
    EXPECT_EQ(CaptureWindow(pane).pixels, before.pixels);
}

TEST_F(PaneFixture, TabMovesBetweenLinksAndEnterActivates) {
    HWND pane = makePane("简单超文本框1");
    SetFocus(pane);
    Capture unfocused = CaptureWindow(pane);
    PressKey(pane, VK_RETURN);  // nothing has the focus yet
    EXPECT_TRUE(events.empty());
    PressKey(pane, VK_TAB);
    EXPECT_NE(CaptureWindow(pane).pixels, unfocused.pixels);  // the focus rectangle shows
    PressKey(pane, VK_RETURN);
    PressKey(pane, VK_TAB);
    PressKey(pane, VK_RETURN);
    {
        ShiftHeld shift;
        PressKey(pane, VK_TAB);
    }
    PressKey(pane, VK_RETURN);
    EXPECT_EQ(events, (std::vector<std::string>{"添加备忘", "所有备忘", "添加备忘"}));
}

TEST_F(PaneFixture, TabAndEnterThroughTheDialogManager) {
    HWND upper = makePane("简单超文本框1");
    HWND lower = makePane("简单超文本框2", 0, 330);
    SetFocus(upper);
    auto press = [&](WPARAM key) {
        HWND target = GetFocus();
        MSG msg{target, WM_KEYDOWN, key, 1, 0, {0, 0}};
        if (!IsDialogMessageA(host.window, &msg)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
    };
    press(VK_TAB);  // first link of the upper pane
    press(VK_TAB);  // second link
    press(VK_RETURN);
    EXPECT_EQ(GetFocus(), upper);
    EXPECT_EQ(SendMessageA(upper, WM_GETDLGCODE, 0, 0) & DLGC_WANTTAB, 0);
    MSG tab{upper, WM_KEYDOWN, VK_TAB, 1, 0, {0, 0}};
    EXPECT_EQ(SendMessageA(upper, WM_GETDLGCODE, VK_TAB, reinterpret_cast<LPARAM>(&tab)) & DLGC_WANTTAB, 0);
    press(VK_TAB);  // past the last link: on to the lower pane
    EXPECT_EQ(GetFocus(), lower);
    press(VK_TAB);
    press(VK_RETURN);
    EXPECT_EQ(events, (std::vector<std::string>{"所有备忘", "设置"}));
}

TEST_F(PaneFixture, LongPageScrollsWithTheWheelAndStaysClickable) {
    HWND pane = todayPane(10);
    ASSERT_TRUE(HasScrollBar(pane));
    std::vector<rt::PaneLink> links = rt::HypertextLinks(pane);
    ASSERT_EQ(links.size(), 12u);
    EXPECT_GT(links.back().box.bottom, 319);  // the tenth memo is below the pane
    Wheel(pane, -WHEEL_DELTA);
    int position = ScrollPosition(pane);
    EXPECT_GT(position, 0);
    std::vector<rt::PaneLink> scrolled = rt::HypertextLinks(pane);
    EXPECT_EQ(scrolled.back().box.top, links.back().box.top - position);
    for (int i = 0; i < 20; ++i) Wheel(pane, -WHEEL_DELTA);
    scrolled = rt::HypertextLinks(pane);
    RECT client;
    GetClientRect(pane, &client);
    EXPECT_LE(scrolled.back().box.bottom, client.bottom);
    ClickLink(pane, scrolled.back());
    EXPECT_EQ(events, std::vector<std::string>{"今日备忘-10"});
    Wheel(pane, 40 * WHEEL_DELTA);
    EXPECT_EQ(ScrollPosition(pane), 0);
    // The laid-out width leaves room for the bar.
    for (const rt::PaneLink& link : rt::HypertextLinks(pane)) EXPECT_LE(link.box.right, client.right);
}

TEST_F(PaneFixture, ShortPageHasNoScrollBarAndIgnoresTheWheel) {
    HWND pane = todayPane(0);
    EXPECT_FALSE(HasScrollBar(pane));
    Wheel(pane, -WHEEL_DELTA);
    EXPECT_EQ(rt::HypertextLinks(pane)[0].box.top, rt::HypertextLinks(todayPane(0))[0].box.top);
    HWND longer = todayPane(10);
    rt::SetHypertextMarkup(longer, ComposeTodayPage({}));
    EXPECT_FALSE(HasScrollBar(longer));
}

TEST_F(PaneFixture, TabScrollsTheFocusedLinkIntoView) {
    HWND pane = todayPane(10);
    SetFocus(pane);
    for (int i = 0; i < 12; ++i) PressKey(pane, VK_TAB);
    EXPECT_GT(ScrollPosition(pane), 0);
    PressKey(pane, VK_RETURN);
    EXPECT_EQ(events, std::vector<std::string>{"今日备忘-10"});
}

TEST_F(PaneFixture, HandlerMayReplaceThePageOrCloseThePane) {
    HWND pane = todayPane(3);
    rt::SetLinkClickedHandler(pane, [&](const std::string& text) {
        events.push_back(text);
        rt::SetHypertextMarkup(pane, ComposeTodayPage({}));
    });
    ClickLink(pane, rt::HypertextLinks(pane)[2]);
    EXPECT_EQ(rt::HypertextLinks(pane).size(), 2u);
    rt::SetLinkClickedHandler(pane, [&](const std::string& text) {
        events.push_back(text);
        DestroyWindow(pane);
    });
    SetFocus(pane);
    PressKey(pane, VK_TAB);
    PressKey(pane, VK_RETURN);
    EXPECT_FALSE(IsWindow(pane));
    EXPECT_EQ(events, (std::vector<std::string>{"今日备忘-1", "添加备忘"}));
}

TEST_F(PaneFixture, SqueezedToNothingWhileHoveredAndFocusedAndBackAgain) {
    HWND pane = makePane("简单超文本框1");
    rt::PaneLink link = rt::HypertextLinks(pane)[0];
    Capture before = CaptureWindow(pane);
    SetFocus(pane);
    PressKey(pane, VK_TAB);
    POINT at = CentreOf(link.box);
    SendMessageA(pane, WM_MOUSEMOVE, 0, MAKELPARAM(at.x, at.y));
    MoveWindow(pane, 0, 0, 0, 319, TRUE);
    EXPECT_TRUE(rt::HypertextLinks(pane).empty() || IsRectEmpty(&rt::HypertextLinks(pane)[0].box));
    SendMessageA(pane, WM_MOUSEMOVE, 0, MAKELPARAM(at.x, at.y));
    SendMessageA(pane, WM_MOUSELEAVE, 0, 0);
    PressKey(pane, VK_RETURN);
    PressKey(pane, VK_TAB);
    EXPECT_TRUE(events.empty());
    MoveWindow(pane, 0, 0, 276, 319, TRUE);
    SetFocus(host.window);
    EXPECT_EQ(CaptureWindow(pane).pixels, before.pixels);  // no hover style left behind
    ClickLink(pane, link);
    EXPECT_EQ(events, std::vector<std::string>{"添加备忘"});
}

TEST_F(PaneFixture, MalformedMarkupShowsWhatItCan) {
    HWND pane = makePane("简单超文本框1");
    auto shown = [&] {
        Capture capture = CaptureWindow(pane);
        return capture.count({0, 0, capture.width, capture.height}, RGB(255, 255, 255)) < capture.width * capture.height;
    };
    rt::SetHypertextMarkup(pane, "<b>bold<i>x</b>text<<<>>&&#;&#99999999; </p><a event=ok>ok</a> <a");
    EXPECT_TRUE(shown());
    ASSERT_EQ(rt::HypertextLinks(pane).size(), 1u);
    ClickLink(pane, rt::HypertextLinks(pane)[0]);
    EXPECT_EQ(events, std::vector<std::string>{"ok"});
    // An unterminated quote turns the rest into text: no link, but not a blank pane.
    rt::SetHypertextMarkup(pane, "<a event=\"e>text <a event=ok>ok</a>");
    EXPECT_TRUE(shown());
    EXPECT_TRUE(rt::HypertextLinks(pane).empty());
}

TEST_F(PaneFixture, ReleasesEveryGdiObjectItMade) {
    std::set<HGDIOBJ> seen;
    HWND pane = makePane("简单超文本框1");
    auto note = [&] {
        for (HGDIOBJ object : html::ViewOf(pane)->gdiObjects()) seen.insert(object);
    };
    note();
    for (int round = 0; round < 5; ++round) {
        MoveWindow(pane, 0, 0, 200 + round * 20, 150 + round * 40, TRUE);
        UpdateWindow(pane);
        note();
        rt::SetHypertextMarkup(pane, ComposeTodayPage({{"<b>粗</b>", "每天", "x"}, {"<i>斜</i>", "每天", "x"}}));
        POINT at = CentreOf(rt::HypertextLinks(pane)[0].box);
        SendMessageA(pane, WM_MOUSEMOVE, 0, MAKELPARAM(at.x, at.y));
        CaptureWindow(pane);
        note();
    }
    std::vector<HGDIOBJ> held = html::ViewOf(pane)->gdiObjects();
    EXPECT_LE(held.size(), 12u);  // a DC for measuring, the buffer's DC and bitmap, one font per look
    for (HGDIOBJ object : seen) {
        bool stillHeld = std::find(held.begin(), held.end(), object) != held.end();
        EXPECT_EQ(GetObjectType(object) != 0, stillHeld) << object;
    }
    DestroyWindow(pane);
    for (HGDIOBJ object : seen) EXPECT_EQ(GetObjectType(object), 0u) << object;
}

// The bar is updated only when what it shows changes, so every change must reach it.
TEST_F(PaneFixture, ScrollBarFollowsEveryPageSet) {
    HWND pane = todayPane(10);
    auto expectBarFitsPage = [&](const char* when) {
        SCROLLINFO info{sizeof info, SIF_ALL};
        ASSERT_TRUE(GetScrollInfo(pane, SB_VERT, &info)) << when;
        RECT client;
        GetClientRect(pane, &client);
        EXPECT_EQ(info.nMin, 0) << when;
        EXPECT_EQ(info.nMax, html::ViewOf(pane)->layout().height - 1) << when;
        EXPECT_EQ(info.nPage, static_cast<UINT>(client.bottom)) << when;
        EXPECT_EQ(info.nPos, html::ViewOf(pane)->scrollY()) << when;
    };
    expectBarFitsPage("first page");
    for (int i = 0; i < 3; ++i) Wheel(pane, -WHEEL_DELTA);
    ASSERT_GT(ScrollPosition(pane), 0);
    rt::SetHypertextMarkup(pane, rt::HypertextMarkup(pane));  // the same page again starts at its top
    EXPECT_EQ(ScrollPosition(pane), 0);
    expectBarFitsPage("same page again");
    std::string longer = rt::HypertextMarkup(pane);
    for (int i = 0; i < 5; ++i) longer += "<p>更多</p>";
    rt::SetHypertextMarkup(pane, longer);
    expectBarFitsPage("longer page");
    rt::SetHypertextMarkup(pane, ComposeTodayPage({}));
    EXPECT_FALSE(HasScrollBar(pane));
    rt::SetHypertextMarkup(pane, longer);
    ASSERT_TRUE(HasScrollBar(pane));
    expectBarFitsPage("long page after a short one");
    MoveWindow(pane, 0, 0, 276, 200, TRUE);
    expectBarFitsPage("lower pane");
}
