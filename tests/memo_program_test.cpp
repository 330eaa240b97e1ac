// The memo program end to end inside the test process: the real main window, its
// panes' link handlers, the add-memo window and the viewer, with message boxes answered
// and shell opens recorded by the fake services.
#include <gtest/gtest.h>

#include "app/main_window.h"
#include "app/memo_page.h"
#include "app/memo_store.h"
#include "runtime/browser_pane.h"
#include "runtime/datetime.h"
#include "runtime/files.h"
#include "runtime/hypertext_pane.h"
#include "runtime/record_db.h"
#include "runtime/window.h"
#include "support/fake_services.h"
#include "support/own_window.h"
#include "support/pane_host.h"

namespace {

const char kCaption[] = "岚舟提醒您";

size_t Count(const std::string& text, const std::string& what) {
    size_t n = 0;
    for (size_t at = 0; (at = text.find(what, at)) != std::string::npos; at += what.size()) ++n;
    return n;
}

class MemoProgram : public ::testing::Test {
protected:
    FakeServices fake;
    HWND main = nullptr;

    void SetUp() override {
        rt::DeleteFolder(rt::RunDirectory() + "\\qzedb");
        rt::DeleteFolder(rt::RunDirectory() + "\\qztext");
        main = LoadMainWindow();
        ASSERT_TRUE(main);
    }
    // A test may have put a file where the page folder goes: the next one must not
    // start with it, even when this one failed half way.
    void TearDown() override {
        if (IsWindow(main)) DestroyWindow(main);
        if (rt::FileExists(rt::RunDirectory() + "\\qztext")) rt::DeleteFileAt(rt::RunDirectory() + "\\qztext");
    }

    // Today as the program sees it: the fake clock's day, never the machine's.
    std::string Today() const { return rt::FormatDateText(rt::DateOnly(fake.clock)); }
    std::string ListPage() { return rt::HypertextMarkup(rt::FindControl(main, "简单超文本框1")); }
    std::string CommandPane() { return rt::HypertextMarkup(rt::FindControl(main, "简单超文本框2")); }

    void AddToday(int count, const std::string& day) {
        for (int i = 1; i <= count; ++i)
            ASSERT_TRUE(AddMemoRecord("备忘" + std::to_string(i), day, "备忘" + std::to_string(i) + ".htm"));
    }

    HWND OpenAddMemo() {
        OnTodayPaneLink("添加备忘");
        HWND add = FindOwnWindow("LzWindow", "添加备忘");
        EXPECT_TRUE(add);
        return add;
    }
};

TEST_F(MemoProgram, StartsWithTheEmptyListAndTheDateLine) {
    EXPECT_TRUE(rt::FileExists(MemoDatabaseFile()));
    EXPECT_TRUE(rt::FolderExists(rt::RunDirectory() + "\\qztext"));
    EXPECT_NE(ListPage().find("未找到数据！"), std::string::npos);
    std::string expectedStart = "<center>" + Today() +
                                "   <a event=\"清空备忘\">清空备忘</a>   <a event=\"刷新备忘\">刷新今日备忘</a></center><br>"
                                "<center><hr>\r\n<a event=\"设置\">软件设置</a>";
    EXPECT_EQ(CommandPane().compare(0, expectedStart.size(), expectedStart), 0) << CommandPane();
    EXPECT_TRUE(fake.messages.empty());
}

TEST_F(MemoProgram, TwelveMemosForTodayListTen) {
    AddToday(6, Today());
    ASSERT_TRUE(AddMemoRecord("昨天的", "2000年1月1日", "x.htm"));
    ASSERT_TRUE(AddMemoRecord("带时间", Today() + "9时", "y.htm"));
    AddToday(6, "每天");
    OnCommandPaneLink("刷新备忘");
    EXPECT_EQ(TodayList.size(), 12u);
    EXPECT_EQ(Count(ListPage(), "event=\"今日备忘-"), 10u);
    EXPECT_EQ(ListPage().find("昨天的"), std::string::npos);
    EXPECT_EQ(ListPage().find("带时间"), std::string::npos);
}

std::vector<std::string> Titles(const std::vector<MemoRecord>& list) {
    std::vector<std::string> titles;
    for (const MemoRecord& memo : list) titles.push_back(memo.title);
    return titles;
}

// A dated memo is listed on its own day only: not the day before, not the day after,
// whatever the time of day.
TEST_F(MemoProgram, ADatedMemoIsListedOnItsOwnDayOnly) {
    ASSERT_TRUE(AddMemoRecord("三月五日", "2014年3月5日", "a.htm"));
    ASSERT_TRUE(AddMemoRecord("每天的", "每天", "b.htm"));
    const struct {
        rt::DateTime clock;
        std::vector<std::string> listed;
    } days[] = {
        {{2014, 3, 4, 23, 59, 59}, {"每天的"}},
        {{2014, 3, 5, 0, 0, 0}, {"三月五日", "每天的"}},
        {{2014, 3, 5, 23, 59, 59}, {"三月五日", "每天的"}},
        {{2014, 3, 6, 0, 0, 0}, {"每天的"}},
        {{2015, 3, 5, 12, 0, 0}, {"每天的"}},
    };
    for (const auto& d : days) {
        fake.clock = d.clock;
        OnCommandPaneLink("刷新备忘");
        EXPECT_EQ(Titles(TodayList), d.listed) << rt::FormatDateText(d.clock);
    }
}

// The list is made for the day of the last refresh: when the clock passes midnight, a
// click on "刷新今日备忘" brings the new day's memos and drops the old day's.
TEST_F(MemoProgram, ARefreshAfterMidnightShowsTheNewDaysMemos) {
    fake.clock = {2014, 3, 5, 23, 59, 58};
    ASSERT_TRUE(AddMemoRecord("今天的", "2014年3月5日", "a.htm"));
    ASSERT_TRUE(AddMemoRecord("明天的", "2014年3月6日", "b.htm"));
    ASSERT_TRUE(AddMemoRecord("每天的", "每天", "c.htm"));
    OnCommandPaneLink("刷新备忘");
    EXPECT_EQ(Titles(TodayList), (std::vector<std::string>{"今天的", "每天的"}));
    EXPECT_EQ(ListPage().find("明天的"), std::string::npos);

    fake.clock = {2014, 3, 6, 0, 0, 1};
    HWND commands = rt::FindControl(main, "简单超文本框2");
    bool clicked = false;
    for (const rt::PaneLink& link : rt::HypertextLinks(commands)) {
        if (link.eventText != "刷新备忘") continue;
        ClickLink(commands, link);
        clicked = true;
    }
    ASSERT_TRUE(clicked);
    EXPECT_EQ(Titles(TodayList), (std::vector<std::string>{"明天的", "每天的"}));
    EXPECT_NE(ListPage().find("明天的"), std::string::npos);
    EXPECT_EQ(ListPage().find("今天的"), std::string::npos);
}

// Day texts carry no leading zeros, so a stored day written with them is never today.
TEST_F(MemoProgram, ADayTextWithLeadingZerosIsNeverToday) {
    fake.clock = {2014, 3, 5, 8, 0, 0};
    for (const char* day : {"2014年03月05日", "2014年3月05日", "2014年03月5日", "2014年3月5日"})
        ASSERT_TRUE(AddMemoRecord(day, day, "a.htm"));
    OnCommandPaneLink("刷新备忘");
    EXPECT_EQ(Titles(TodayList), std::vector<std::string>{"2014年3月5日"});
}

TEST_F(MemoProgram, TheWheelScrollsThePaneUnderTheMouseNotTheFocusedOne) {
    AddToday(10, "每天");
    OnCommandPaneLink("刷新备忘");
    HWND list = rt::FindControl(main, "简单超文本框1");
    HWND commands = rt::FindControl(main, "简单超文本框2");
    ASSERT_TRUE(HasScrollBar(list));
    ASSERT_TRUE(HasScrollBar(commands));
    RECT below;
    GetWindowRect(commands, &below);
    SetFocus(list);
    // The wheel message comes to the focused pane, with the mouse over the other one.
    Wheel(list, -WHEEL_DELTA, {(below.left + below.right) / 2, (below.top + below.bottom) / 2});
    EXPECT_EQ(ScrollPosition(list), 0);
    EXPECT_GT(ScrollPosition(commands), 0);
    Wheel(list, -WHEEL_DELTA);
    EXPECT_GT(ScrollPosition(list), 0);
}

TEST_F(MemoProgram, NotAvailableLinksSayItKindly) {
    for (const char* link : {"设置", "插件", "工具", "关于"}) {
        fake.messages.clear();
        OnCommandPaneLink(link);
        ASSERT_EQ(fake.messages.size(), 1u) << link;
        EXPECT_EQ(fake.messages[0].text, "抱歉！此功能暂未开放！");
        EXPECT_EQ(fake.messages[0].flags, 64u);
        EXPECT_EQ(fake.messages[0].caption, kCaption);
    }
    fake.messages.clear();
    OnCommandPaneLink("官网");
    EXPECT_TRUE(fake.messages.empty());
    EXPECT_TRUE(fake.shellOpens.empty());
}

TEST_F(MemoProgram, ClearAsksFirstAndCancelKeepsEverything) {
    AddToday(2, "每天");
    ASSERT_TRUE(rt::WriteFileBytes(MemoPageFolder() + "备忘1.htm", "page"));
    OnCommandPaneLink("刷新备忘");

    fake.answers = {1};  // Cancel
    OnCommandPaneLink("清空备忘");
    ASSERT_EQ(fake.messages.size(), 1u);
    EXPECT_EQ(fake.messages[0].text, "您确定要清空所有备忘记录？");
    EXPECT_EQ(fake.messages[0].flags, 49u);
    EXPECT_EQ(fake.messages[0].caption, kCaption);
    EXPECT_EQ(TodayList.size(), 2u);
    EXPECT_TRUE(rt::FileExists(MemoPageFolder() + "备忘1.htm"));

    fake.answers = {0};  // OK
    OnCommandPaneLink("清空备忘");
    EXPECT_TRUE(TodayList.empty());
    EXPECT_FALSE(rt::FolderExists(rt::RunDirectory() + "\\qztext"));
    EXPECT_NE(ListPage().find("未找到数据！"), std::string::npos);
    OnCommandPaneLink("刷新备忘");
    EXPECT_TRUE(TodayList.empty());  // cleared in the file, not only on screen
}

TEST_F(MemoProgram, AClearThatFailsSaysSoAndKeepsThePages) {
    ASSERT_TRUE(rt::WriteFileBytes(MemoPageFolder() + "备忘1.htm", "page"));
    CloseAllStores();  // nothing to clear: the clear must fail
    OnCommandPaneLink("清空备忘");
    ASSERT_EQ(fake.messages.size(), 2u);
    EXPECT_EQ(fake.messages[1].flags, 16u);
    EXPECT_EQ(fake.messages[1].caption, kCaption);
    EXPECT_TRUE(rt::FileExists(MemoPageFolder() + "备忘1.htm"));
}

TEST_F(MemoProgram, AllMemosHandsTheDatabaseToTheShell) {
    OnTodayPaneLink("所有备忘");
    ASSERT_EQ(fake.shellOpens.size(), 1u);
    EXPECT_EQ(fake.shellOpens[0], rt::RunDirectory() + "\\qzedb\\qzbwl.edb");
}

TEST_F(MemoProgram, MemoLinkOpensTheViewerOnItsPage) {
    AddToday(3, "每天");
    OnCommandPaneLink("刷新备忘");
    OnTodayPaneLink("今日备忘-2");
    HWND viewer = FindOwnWindow("LzWindow", "备忘2  - 岚舟备忘录");
    ASSERT_TRUE(viewer);
    HWND pane = rt::FindControl(viewer, "超文本浏览框1");
    EXPECT_EQ(rt::BrowserAddress(pane), rt::RunDirectory() + "\\qztext\\备忘2.htm");
    EXPECT_EQ(GetWindow(viewer, GW_OWNER), main);

    // Web links go to the system's browser and the viewer keeps its page; other
    // schemes, and an upper-case one, load inside.
    rt::SetBrowserAddress(pane, "http://example.com/a");
    ASSERT_EQ(fake.shellOpens.size(), 1u);
    EXPECT_EQ(fake.shellOpens[0], "http://example.com/a");
    EXPECT_EQ(rt::BrowserAddress(pane), rt::RunDirectory() + "\\qztext\\备忘2.htm");
    for (const char* inside : {"https://example.com/b", "HTTP://example.com/c"}) {
        rt::SetBrowserAddress(pane, inside);
        EXPECT_EQ(rt::BrowserAddress(pane), inside);
    }
    EXPECT_EQ(fake.shellOpens.size(), 1u);
    DestroyWindow(viewer);
}

TEST_F(MemoProgram, AMemoNumberOutsideTheListOpensAnEmptyViewer) {
    AddToday(2, "每天");
    OnCommandPaneLink("刷新备忘");
    for (const char* eventText : {"今日备忘-0", "今日备忘-3", "今日备忘--1", "今日备忘-99999999999999999999", "今日备忘"}) {
        OnTodayPaneLink(eventText);
        HWND viewer = FindWindowExA(nullptr, nullptr, "LzWindow", nullptr);
        while (viewer && GetWindow(viewer, GW_OWNER) != main) viewer = FindWindowExA(nullptr, viewer, "LzWindow", nullptr);
        ASSERT_TRUE(viewer) << eventText;
        EXPECT_EQ(rt::WindowText(viewer), "") << eventText;
        EXPECT_EQ(rt::BrowserAddress(rt::FindControl(viewer, "超文本浏览框1")), "") << eventText;
        DestroyWindow(viewer);
    }
}

// Fills the add-memo window as a user would and presses its add button.
void FillAndAdd(HWND add, const std::string& title, const std::string& body, bool everyDay,
                const rt::DateTime* date = nullptr) {
    SetWindowTextA(rt::FindControl(add, "编辑框1"), title.c_str());
    SetWindowTextA(rt::FindControl(add, "编辑框2"), body.c_str());
    SendMessageA(rt::FindControl(add, "选择框1"), BM_SETCHECK, everyDay ? BST_CHECKED : BST_UNCHECKED, 0);
    if (date) rt::SetDateBoxValue(rt::FindControl(add, "日期框1"), *date);
    SendMessageA(rt::FindControl(add, "按钮1"), BM_CLICK, 0, 0);
}

TEST_F(MemoProgram, AddingAnEveryDayMemoWritesPageAndRecordAndListsIt) {
    HWND add = OpenAddMemo();
    rt::DateTime chosen = rt::DateBoxValue(rt::FindControl(add, "日期框1"));
    FillAndAdd(add, "会议", "<h2>议程</h2>", true);

    ASSERT_EQ(fake.messages.size(), 1u);
    EXPECT_EQ(fake.messages[0].text, "添加备忘成功！");
    EXPECT_EQ(fake.messages[0].flags, 64u);
    EXPECT_FALSE(IsWindow(add));
    ASSERT_EQ(TodayList.size(), 1u);
    const MemoRecord& memo = TodayList[0];
    EXPECT_EQ(memo.title, "会议");
    EXPECT_EQ(memo.day, "每天");
    EXPECT_EQ(memo.pageFileName, "会议" + rt::FormatDateText(chosen) + ".htm");
    std::string page;
    ASSERT_TRUE(rt::ReadFileBytes(MemoPageFolder() + memo.pageFileName, page));
    EXPECT_EQ(page, std::string(MemoPageTemplate) + "<h2>议程</h2></body>");
    EXPECT_NE(ListPage().find(">会议</a>"), std::string::npos);
}

TEST_F(MemoProgram, ADatedMemoStoresItsDayWithoutLeadingZeros) {
    HWND add = OpenAddMemo();
    rt::DateTime march5{2014, 3, 5};
    FillAndAdd(add, "植树", "种树", false, &march5);
    EXPECT_FALSE(IsWindow(add));
    ASSERT_TRUE(rt::DbOpen(MemoDatabaseFile(), "check"));
    EXPECT_EQ(rt::DbReadField("备忘标题"), "植树");
    EXPECT_EQ(rt::DbReadField("备忘时间"), "2014年3月5日");
    EXPECT_EQ(rt::DbReadField("备忘内容"), "植树2014年3月5日.htm");
    RefreshToday();  // closes the second view and makes the memo store current again
    EXPECT_TRUE(rt::FileExists(MemoPageFolder() + "植树2014年3月5日.htm"));
    EXPECT_TRUE(TodayList.empty());  // not today's
}

TEST_F(MemoProgram, MissingTitleOrBodyKeepsTheWindowAndWritesNothing) {
    HWND add = OpenAddMemo();
    for (auto [title, body] : {std::pair{"", "正文"}, std::pair{"标题", ""}}) {
        fake.messages.clear();
        FillAndAdd(add, title, body, true);
        ASSERT_EQ(fake.messages.size(), 1u);
        EXPECT_EQ(fake.messages[0].text, "备忘标题或是内容未填写！请仔细检查！");
        EXPECT_EQ(fake.messages[0].flags, 16u);
        EXPECT_EQ(fake.messages[0].caption, kCaption);
        EXPECT_TRUE(IsWindow(add));
        EXPECT_EQ(rt::WindowText(rt::FindControl(add, "编辑框1")), title);
    }
    OnCommandPaneLink("刷新备忘");
    EXPECT_TRUE(TodayList.empty());
    DestroyWindow(add);
}

TEST_F(MemoProgram, EnterInTheBodyAppendsABreakTag) {
    HWND add = OpenAddMemo();
    HWND body = rt::FindControl(add, "编辑框2");
    SetWindowTextA(body, "ab");
    SendMessageA(body, EM_SETSEL, 1, 1);  // caret between a and b
    SendMessageA(body, WM_CHAR, 13, 0);
    SendMessageA(body, WM_CHAR, 13, 0);
    std::string text = rt::WindowText(body);
    EXPECT_EQ(text, "ab<br/>\r\n<br/>\r\n");
    DWORD start = 0, end = 0;
    SendMessageA(body, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    EXPECT_EQ(end, text.size());
    DestroyWindow(add);
}

TEST_F(MemoProgram, ClearButtonEmptiesTitleAndBodyOnly) {
    HWND add = OpenAddMemo();
    SetWindowTextA(rt::FindControl(add, "编辑框1"), "t");
    SetWindowTextA(rt::FindControl(add, "编辑框2"), "b");
    SendMessageA(rt::FindControl(add, "选择框1"), BM_SETCHECK, BST_CHECKED, 0);
    SendMessageA(rt::FindControl(add, "按钮2"), BM_CLICK, 0, 0);
    EXPECT_EQ(rt::WindowText(rt::FindControl(add, "编辑框1")), "");
    EXPECT_EQ(rt::WindowText(rt::FindControl(add, "编辑框2")), "");
    EXPECT_TRUE(rt::IsChecked(rt::FindControl(add, "选择框1")));
    DestroyWindow(add);
}

TEST_F(MemoProgram, TwoMemosWithTheSameTitleAndDayKeepTheirOwnPages) {
    // The same chosen day to the second: the date boxes of two windows opened a second
    // apart would otherwise already give different names.
    rt::DateTime day{2014, 3, 5};
    FillAndAdd(OpenAddMemo(), "周会", "第一次", true, &day);
    FillAndAdd(OpenAddMemo(), "周会", "第二次", true, &day);
    ASSERT_EQ(TodayList.size(), 2u);
    EXPECT_NE(TodayList[0].pageFileName, TodayList[1].pageFileName);
    std::string first, second;
    ASSERT_TRUE(rt::ReadFileBytes(MemoPageFolder() + TodayList[0].pageFileName, first));
    ASSERT_TRUE(rt::ReadFileBytes(MemoPageFolder() + TodayList[1].pageFileName, second));
    EXPECT_NE(first.find("第一次"), std::string::npos);
    EXPECT_NE(second.find("第二次"), std::string::npos);
    EXPECT_EQ(TodayList[0].pageFileName, "周会2014年3月5日.htm");
    EXPECT_EQ(TodayList[1].pageFileName, "周会2014年3月5日 (2).htm");
}

TEST_F(MemoProgram, UnsafeTitleIsStoredAsTypedWithASafePageName) {
    FillAndAdd(OpenAddMemo(), "a/b?c", "正文", true);
    ASSERT_EQ(TodayList.size(), 1u);
    EXPECT_EQ(TodayList[0].title, "a/b?c");
    EXPECT_EQ(TodayList[0].pageFileName.compare(0, 5, "a_b_c"), 0);
    EXPECT_TRUE(rt::FileExists(MemoPageFolder() + TodayList[0].pageFileName));
}

// A title that would make the page name a device still gets its page, in the page folder.
TEST_F(MemoProgram, TitlesThatNameADeviceStillGetTheirPage) {
    for (const char* title : {"nul.", "con.会议", "Com3 .x"}) {
        SCOPED_TRACE(title);
        fake.messages.clear();
        FillAndAdd(OpenAddMemo(), title, "正文", true);
        ASSERT_EQ(fake.messages.size(), 1u);
        EXPECT_EQ(fake.messages[0].text, "添加备忘成功！");
        ASSERT_FALSE(TodayList.empty());
        const MemoRecord& memo = TodayList.back();
        EXPECT_EQ(memo.title, title);
        EXPECT_FALSE(IsReservedDeviceName(memo.pageFileName)) << memo.pageFileName;
        std::string page;
        ASSERT_TRUE(rt::ReadFileBytes(MemoPageFolder() + memo.pageFileName, page));
        EXPECT_EQ(page, ComposeMemoPage("正文"));
    }
}

TEST_F(MemoProgram, APageThatCannotBeWrittenIsReportedAndNothingIsSaved) {
    // A file where the page folder should be: no page can be written.
    rt::DeleteFolder(rt::RunDirectory() + "\\qztext");
    ASSERT_TRUE(rt::WriteFileBytes(rt::RunDirectory() + "\\qztext", "in the way"));
    HWND add = OpenAddMemo();
    FillAndAdd(add, "标题", "正文", true);
    ASSERT_EQ(fake.messages.size(), 1u);
    EXPECT_NE(fake.messages[0].text, "添加备忘成功！");
    EXPECT_EQ(fake.messages[0].caption, kCaption);
    EXPECT_TRUE(IsWindow(add));
    EXPECT_EQ(rt::WindowText(rt::FindControl(add, "编辑框2")), "正文");
    OnCommandPaneLink("刷新备忘");
    EXPECT_TRUE(TodayList.empty());
    DestroyWindow(add);
}

TEST_F(MemoProgram, ARecordThatCannotBeAddedLeavesNoPageBehind) {
    HWND add = OpenAddMemo();
    CloseAllStores();  // no current database: the add must fail
    FillAndAdd(add, "标题", "正文", true);
    ASSERT_EQ(fake.messages.size(), 1u);
    EXPECT_NE(fake.messages[0].text, "添加备忘成功！");
    EXPECT_TRUE(IsWindow(add));
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((MemoPageFolder() + "*.htm").c_str(), &found);
    EXPECT_EQ(search, INVALID_HANDLE_VALUE) << found.cFileName;
    if (search != INVALID_HANDLE_VALUE) FindClose(search);
    DestroyWindow(add);
}

// The title box holds as many bytes as the title field: a long Chinese title typed in
// must still save.
TEST_F(MemoProgram, ALongChineseTitleTypedInFitsItsField) {
    HWND add = OpenAddMemo();
    HWND title = rt::FindControl(add, "编辑框1");
    std::string typed = "a";
    for (int i = 0; i < 30; ++i) typed += "备";
    SendMessageA(title, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(typed.c_str()));
    // 50 bytes would end in half a character.
    EXPECT_EQ(rt::WindowText(title), typed.substr(0, 49));
    SetWindowTextA(rt::FindControl(add, "编辑框2"), "正文");
    SendMessageA(rt::FindControl(add, "选择框1"), BM_SETCHECK, BST_CHECKED, 0);
    SendMessageA(rt::FindControl(add, "按钮1"), BM_CLICK, 0, 0);
    ASSERT_EQ(fake.messages.size(), 1u);
    EXPECT_EQ(fake.messages[0].text, "添加备忘成功！");
    ASSERT_EQ(TodayList.size(), 1u);
    EXPECT_EQ(TodayList[0].title, typed.substr(0, 49));
    if (IsWindow(add)) DestroyWindow(add);
}

TEST_F(MemoProgram, ClosingTheMainWindowClosesTheDatabase) {
    DestroyWindow(main);
    EXPECT_FALSE(MainWindow());
    EXPECT_FALSE(AddMemoRecord("t", "每天", "p.htm"));
}

}  // namespace
