// The windows as the user meets them, on real windows under Wine: each window's caption,
// size, minimum size and boxes, each control's kind, place, size, text, font, limit and
// style, written out here once so that a slip in the designs shows; the minimum-size rule
// and the viewer's layout run through the windows' own handlers.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "app/add_memo_window.h"
#include "app/main_window.h"
#include "app/viewer_window.h"
#include "app/window_designs.h"
#include "app/window_rules.h"
#include "runtime/hypertext_pane.h"
#include "runtime/window.h"
#include "support/fake_services.h"

namespace {

bool operator==(SIZE a, SIZE b) { return a.cx == b.cx && a.cy == b.cy; }

std::string JoinLines(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) text += (text.empty() ? "" : "\r\n") + line;
    return text;
}

// The panes' style sheet, but for the two link lines.
std::string PaneSheet(const std::string& link, const std::string& hover) {
    return JoinLines({
        "body {font-size: 14pt; color:black; font-family:\"微软雅黑\"}",
        "p  {font-size: 18pt; color:black;}",
        "h1 {font-size: 18pt; color:black; font-weight:bold}",
        "h2 {font-size: 17pt; color:#ff9900; font-weight:bold}",
        "h3 {font-size: 16pt; color:#ff9900; font-weight:bold}",
        "h4 {font-size: 15pt; color:black; font-weight:bold}",
        "h5 {font-size: 14pt; color:#ff9900; font-weight:bold}",
        "h6 {font-size: 65%; color:#626262; font-weight:normal}",
        link,
        hover,
        "sub {font-size:65%; vertical-align:bottom}",
        "sup {font-size:65%; vertical-align:top}",
        "big {font-size:125%}",
        "small {font-size:75%}",
        ".comment {color:green}",
    });
}

const std::string kListPaneSheet = PaneSheet("a:link {text-decoration:none; color:green; font-size:24px}",
                                             "a:hover {text-decoration:underline; color:green; font-size:24px}");
const std::string kCommandPaneSheet =
    PaneSheet("a:link {text-decoration:none; color:blue}", "a:hover {text-decoration:underline; color:blue}");

const char kPageHeader[] =
    "<center><h3>    岚舟备忘录-方便的综合辅助办公软件    </h3>\r\n<hr></center>\r\n<h1>今日备忘</h1>       "
    "<a event=\"添加备忘\">>添加备忘</a>  <a event=\"所有备忘\">>所有备忘</a>\r\n<center><hr></center>";

// The command pane up to the site anchor's address, and from the end of the address on.
const char kCommandsBeforeSite[] =
    "<center><hr>\r\n<a event=\"设置\">软件设置</a>  <a event=\"插件\">插件管理</a>  <a event=\"工具\">常用工具</a>  "
    "<a event=\"关于\">关于软件</a>  <a event=\"官网\" href=\"http://";
const char kCommandsAfterSite[] = "/app/qzbwl/\">软件官网</a>\r\n</center>";

struct WindowRow {
    const char* name;
    HWND (*load)();
    const char* caption;
    SIZE size;
    SIZE minimum;
    bool minimizeBox, maximizeBox;
};

HWND LoadMain() { return LoadMainWindow(); }
HWND LoadAddMemo() { return LoadAddMemoWindow(nullptr); }
HWND LoadViewer() { return LoadViewerWindow(nullptr); }

const WindowRow kWindowRows[] = {
    {"MainWindow", LoadMain, "岚舟备忘录", {281, 393}, {281, 393}, true, false},
    {"AddMemoWindow", LoadAddMemo, "添加备忘", {377, 281}, {377, 281}, true, false},
    {"MemoViewerWindow", LoadViewer, "", {364, 292}, {364, 292}, true, true},
};

struct Font {
    const char* face;  // null: the runtime's default
    int height;
};

struct ControlRow {
    size_t window;  // into kWindowRows
    const char* name;
    const char* className;
    DWORD style;  // the bits that tell the kind and the settings: all must be set
    DWORD exStyle;
    RECT place;   // left, top, width, height
    const char* text;
    Font font;
    int limit;  // edit boxes: bytes, 0 for none
};

const DWORD kCheckBox = BS_AUTOCHECKBOX;
const DWORD kPushButton = BS_PUSHBUTTON;

const ControlRow kControlRows[] = {
    {0, "简单超文本框1", "LzHypertextPane", 0, 0, {2, 25, 276, 319}, nullptr, {}, 0},
    {0, "简单超文本框2", "LzHypertextPane", 0, 0, {3, 344, 276, 47}, nullptr, {}, 0},
    {1, "透明标签2", "Static", 0, WS_EX_TRANSPARENT, {16, 29, 80, 24}, "备忘时间：", {}, 0},
    {1, "日期框1", "SysDateTimePick32", 0, 0, {77, 31, 112, 20}, nullptr, {}, 0},
    {1, "选择框1", "Button", kCheckBox, 0, {200, 24, 160, 32}, "每天（当勾选之后前面的日期无效）", {}, 0},
    {1, "透明标签1", "Static", 0, WS_EX_TRANSPARENT, {16, 68, 80, 24}, "备忘标题：", {}, 0},
    {1, "编辑框1", "Edit", 0, WS_EX_CLIENTEDGE, {77, 68, 283, 24}, "", {"微软雅黑", -14}, 50},
    {1, "按钮2", "Button", kPushButton, 0, {201, 98, 64, 24}, "清空内容", {}, 0},
    {1, "按钮1", "Button", kPushButton, 0, {296, 98, 64, 24}, "添加备忘", {}, 0},
    {1, "透明标签3", "Static", 0, WS_EX_TRANSPARENT, {16, 103, 144, 32}, "备忘内容（支持HTML代码）：", {}, 0},
    {1, "编辑框2", "Edit", ES_MULTILINE | WS_VSCROLL, WS_EX_CLIENTEDGE, {16, 128, 344, 144}, "", {"微软雅黑", -16}, 0},
    {2, "超文本浏览框1", "LzBrowserPane", 0, 0, {40, 48, 100, 100}, nullptr, {}, 0},
};

RECT ChildRectInParent(HWND child) {
    RECT r;
    GetWindowRect(child, &r);
    MapWindowPoints(nullptr, GetParent(child), reinterpret_cast<POINT*>(&r), 2);
    return r;
}


// The main window is the real one, handlers and all; the services keep it from asking
// the network or showing a message box.
class WindowCatalogue : public ::testing::Test {
protected:
    FakeServices fake;
    std::vector<HWND> windows;

    void SetUp() override {
        for (const WindowRow& row : kWindowRows) windows.push_back(row.load());
    }
    void TearDown() override {
        for (HWND w : windows)
            if (IsWindow(w)) DestroyWindow(w);
    }
};

TEST_F(WindowCatalogue, WindowsHaveTheirCaptionSizeAndBoxes) {
    for (size_t i = 0; i < std::size(kWindowRows); ++i) {
        const WindowRow& row = kWindowRows[i];
        HWND w = windows[i];
        ASSERT_TRUE(w) << row.name;
        EXPECT_EQ(rt::WindowText(w), row.caption) << row.name;
        SIZE size = rt::WindowSize(w);
        EXPECT_EQ(size.cx, row.size.cx) << row.name;
        EXPECT_EQ(size.cy, row.size.cy) << row.name;
        LONG_PTR style = GetWindowLongPtrA(w, GWL_STYLE);
        EXPECT_EQ((style & WS_MINIMIZEBOX) != 0, row.minimizeBox) << row.name;
        EXPECT_EQ((style & WS_MAXIMIZEBOX) != 0, row.maximizeBox) << row.name;
        EXPECT_EQ(style & (WS_CAPTION | WS_THICKFRAME | WS_BORDER), 0) << row.name << ": the skin draws title and frame";
    }
}

// One past the minimum in a dimension is kept; one short in either resets both.
TEST_F(WindowCatalogue, EachWindowKeepsItsOwnMinimumSize) {
    for (size_t i = 0; i < std::size(kWindowRows); ++i) {
        const WindowRow& row = kWindowRows[i];
        SIZE minimum = row.minimum;
        struct Case {
            SIZE requested, expected;
        } cases[] = {
            {{minimum.cx, minimum.cy}, minimum},
            {{minimum.cx + 1, minimum.cy + 1}, {minimum.cx + 1, minimum.cy + 1}},
            {{minimum.cx - 1, minimum.cy + 100}, minimum},
            {{minimum.cx + 100, minimum.cy - 1}, minimum},
        };
        for (const Case& c : cases) {
            rt::ResizeWindow(windows[i], c.requested.cx, c.requested.cy);
            SIZE got = rt::WindowSize(windows[i]);
            EXPECT_TRUE(got.cx == c.expected.cx && got.cy == c.expected.cy)
                << row.name << " " << c.requested.cx << "x" << c.requested.cy << " gave " << got.cx << "x" << got.cy;
        }
    }
}

TEST_F(WindowCatalogue, ControlsAreOfTheirKindAtTheirPlaceWithTheirText) {
    for (const ControlRow& row : kControlRows) {
        HWND window = windows[row.window];
        HWND control = rt::FindControl(window, row.name);
        ASSERT_TRUE(control) << row.name;
        EXPECT_EQ(GetParent(control), window) << row.name;
        char className[64] = "";
        GetClassNameA(control, className, sizeof className);
        EXPECT_STRCASEEQ(className, row.className) << row.name;
        auto style = static_cast<DWORD>(GetWindowLongPtrA(control, GWL_STYLE));
        auto exStyle = static_cast<DWORD>(GetWindowLongPtrA(control, GWL_EXSTYLE));
        // Button kinds are a number in the low bits, not flags.
        bool isButton = row.style == kCheckBox || row.style == kPushButton;
        EXPECT_EQ(style & (isButton ? BS_TYPEMASK : row.style), row.style) << row.name;
        EXPECT_EQ(exStyle & row.exStyle, row.exStyle) << row.name;
        EXPECT_EQ(rt::WindowText(control), row.text ? row.text : rt::WindowText(control)) << row.name;
        if (row.window == 2) continue;  // the viewer's pane is laid out on every size: below
        RECT r = ChildRectInParent(control);
        EXPECT_EQ(r.left, row.place.left) << row.name;
        EXPECT_EQ(r.top, row.place.top) << row.name;
        EXPECT_EQ(r.right - r.left, row.place.right) << row.name;
        EXPECT_EQ(r.bottom - r.top, row.place.bottom) << row.name;
    }
}

TEST_F(WindowCatalogue, EditBoxesHaveTheirFontLimitAndLook) {
    for (const ControlRow& row : kControlRows) {
        if (std::string(row.className) != "Edit") continue;
        HWND edit = rt::FindControl(windows[row.window], row.name);
        LOGFONTA font{};
        auto handle = reinterpret_cast<HFONT>(SendMessageA(edit, WM_GETFONT, 0, 0));
        ASSERT_TRUE(GetObjectA(handle, sizeof font, &font)) << row.name;
        EXPECT_STREQ(font.lfFaceName, row.font.face) << row.name;
        EXPECT_EQ(font.lfHeight, row.font.height) << row.name;
        EXPECT_EQ(font.lfCharSet, GB2312_CHARSET) << row.name;
        // No limit: as much as the edit control takes (0x7FFFFFFE, or all bits for many lines).
        auto limit = static_cast<DWORD>(SendMessageA(edit, EM_GETLIMITTEXT, 0, 0));
        EXPECT_TRUE(row.limit ? limit == static_cast<DWORD>(row.limit) : limit >= 0x7FFFFFFE) << row.name << ": " << limit;
        auto style = static_cast<DWORD>(GetWindowLongPtrA(edit, GWL_STYLE));
        EXPECT_EQ(style & ES_NOHIDESEL, 0u) << row.name << ": the selection hides without the focus";
        EXPECT_EQ(style & (ES_MULTILINE | WS_VSCROLL), row.style) << row.name << ": one line, or many with a scroll bar";
    }
}

TEST(WindowDesigns, TheViewerPaneIsDesignedWhereItIsThenLaidOut) {
    for (const ControlRow& row : kControlRows) {
        if (row.window != 2) continue;
        const rt::ControlDesign& design = MemoViewerWindowDesign.controls.at(0);
        EXPECT_EQ(design.name, row.name);
        EXPECT_EQ(design.kind, rt::ControlKind::BrowserPane);
        EXPECT_EQ(design.x, row.place.left);
        EXPECT_EQ(design.y, row.place.top);
        EXPECT_EQ(design.width, row.place.right);
        EXPECT_EQ(design.height, row.place.bottom);
    }
}

TEST_F(WindowCatalogue, PanesShowTheirPagesWithTheirStyleSheets) {
    HWND list = rt::FindControl(windows[0], "简单超文本框1");
    HWND commands = rt::FindControl(windows[0], "简单超文本框2");
    EXPECT_EQ(rt::HypertextStyleSheet(list), kListPaneSheet);
    EXPECT_EQ(rt::HypertextStyleSheet(commands), kCommandPaneSheet);
    // The list page replaced the designed markup, but starts with it.
    std::string page = rt::HypertextMarkup(list);
    EXPECT_EQ(page.compare(0, sizeof kPageHeader - 1, kPageHeader), 0) << page;
    // The date line went in front of the designed command markup.
    std::string markup = rt::HypertextMarkup(commands);
    size_t at = markup.find(kCommandsBeforeSite);
    ASSERT_NE(at, std::string::npos) << markup;
    std::string rest = markup.substr(at + sizeof kCommandsBeforeSite - 1);
    size_t quote = rest.find('"');
    ASSERT_NE(quote, std::string::npos);
    std::string host = rest.substr(0, rest.find('/'));
    EXPECT_FALSE(host.empty());
    EXPECT_EQ(rest.substr(host.size()), kCommandsAfterSite);
}

TEST(WindowDesigns, PanesAreDesignedWithTheirMarkupAndStyleSheets) {
    const std::vector<rt::ControlDesign>& panes = MainWindowDesign.controls;
    ASSERT_EQ(panes.size(), 2u);
    EXPECT_EQ(panes[0].text, kPageHeader);
    EXPECT_EQ(TodayPageHeader, std::string(kPageHeader));
    EXPECT_EQ(panes[0].styleSheet, kListPaneSheet);
    EXPECT_EQ(panes[1].styleSheet, kCommandPaneSheet);
    EXPECT_EQ(panes[1].text.compare(0, sizeof kCommandsBeforeSite - 1, kCommandsBeforeSite), 0) << panes[1].text;
}


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

TEST_F(WindowCatalogue, OpenCentredOnTheScreen) {
    for (size_t i = 0; i < std::size(kWindowRows); ++i) {
        const WindowRow& row = kWindowRows[i];
        RECT r;
        GetWindowRect(windows[i], &r);
        EXPECT_EQ(r.left, (GetSystemMetrics(SM_CXSCREEN) - row.size.cx) / 2) << row.name;
        EXPECT_EQ(r.top, (GetSystemMetrics(SM_CYSCREEN) - row.size.cy) / 2) << row.name;
        EXPECT_TRUE(IsWindowVisible(windows[i])) << row.name;
    }
}

TEST_F(WindowCatalogue, ResizingBelowTheMinimumSnapsBack) {
    struct Case {
        size_t window;
        SIZE requested, expected;
    } cases[] = {
        {0, {300, 392}, {281, 393}}, {0, {281, 393}, {281, 393}}, {0, {500, 300}, {281, 393}},
        {0, {600, 500}, {600, 500}}, {1, {377, 280}, {377, 281}}, {1, {376, 500}, {377, 281}},
        {2, {364, 291}, {364, 292}}, {2, {800, 600}, {800, 600}},
    };
    for (const Case& c : cases) {
        HWND w = windows[c.window];
        rt::ResizeWindow(w, c.requested.cx, c.requested.cy);
        SIZE got = rt::WindowSize(w);
        EXPECT_TRUE(got == c.expected) << kWindowRows[c.window].name << " " << c.requested.cx << "x"
                                       << c.requested.cy << " gave " << got.cx << "x" << got.cy;
    }
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
    // The children stand where they stood before the window was minimised.
    const auto expectChildrenAt = [](HWND w, const std::vector<RECT>& children, const char* when) {
        size_t i = 0;
        for (HWND child = GetWindow(w, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT), ++i) {
            RECT r = ChildRectInParent(child);
            ASSERT_LT(i, children.size());
            EXPECT_TRUE(EqualRect(&r, &children[i])) << "child " << i << " " << when;
        }
    };
    for (const WindowRow& row : kWindowRows) {
        for (bool bySystemCommand : {false, true}) {
            SCOPED_TRACE(std::string(row.name) + (bySystemCommand ? " by WM_SYSCOMMAND" : " by ShowWindow"));
            HWND w = row.load();
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
            expectChildrenAt(w, children, "while minimised");

            if (bySystemCommand) SendMessageA(w, WM_SYSCOMMAND, SC_RESTORE, 0);
            else ShowWindow(w, SW_RESTORE);
            EXPECT_FALSE(IsIconic(w));
            EXPECT_TRUE(rt::WindowSize(w) == (SIZE{640, 480}));
            expectChildrenAt(w, children, "after restoring");
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

TEST_F(WindowCatalogue, TheAddMemoWindowKeepsItsControlsWhereTheyAreAtAnySize) {
    HWND w = windows[1];
    rt::ResizeWindow(w, 600, 500);
    for (const ControlRow& row : kControlRows) {
        if (row.window != 1) continue;
        RECT r = ChildRectInParent(rt::FindControl(w, row.name));
        EXPECT_EQ(r.left, row.place.left) << row.name;
        EXPECT_EQ(r.top, row.place.top) << row.name;
        EXPECT_EQ(r.right - r.left, row.place.right) << row.name;
        EXPECT_EQ(r.bottom - r.top, row.place.bottom) << row.name;
    }
}

TEST(Windows, ReleaseTheFontsOfTheirControlsWhenDestroyed) {
    HWND w = LoadAddMemoWindow(nullptr);
    std::vector<HGDIOBJ> fonts;
    for (const ControlRow& row : kControlRows) {
        if (row.window != 1) continue;
        auto font = reinterpret_cast<HGDIOBJ>(SendMessageA(rt::FindControl(w, row.name), WM_GETFONT, 0, 0));
        ASSERT_EQ(GetObjectType(font), static_cast<DWORD>(OBJ_FONT)) << row.name;
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
