#include "app/memo_store.h"

#include <gtest/gtest.h>

#include "runtime/datetime.h"
#include "runtime/files.h"
#include "runtime/record_db.h"
#include "support/fake_services.h"

namespace {

std::vector<std::string> TodayTitles() {
    std::vector<std::string> titles;
    for (const MemoRecord& memo : TodayList) titles.push_back(memo.title);
    return titles;
}

class MemoStore : public ::testing::Test {
protected:
    FakeServices fake;
    const std::string run = rt::RunDirectory();

    // Today as the store sees it: the fake clock's day, never the machine's.
    std::string Today() const { return rt::FormatDateText(rt::DateOnly(fake.clock)); }
    std::string TodayAtNine() const {
        rt::DateTime nine = rt::DateOnly(fake.clock);
        nine.hour = 9;
        return rt::FormatDateText(nine);
    }

    void SetUp() override { Clean(); }
    void TearDown() override { Clean(); }
    void Clean() {
        CloseAllStores();
        TodayList.clear();
        rt::DeleteFolder(run + "\\qzedb");
        rt::DeleteFolder(run + "\\qztext");
    }
};

TEST_F(MemoStore, OpenCreatesFoldersAndAnEmptyDatabase) {
    OpenMemoStore();
    EXPECT_TRUE(rt::FileExists(run + "\\qzedb\\qzbwl.edb"));
    EXPECT_TRUE(rt::FolderExists(run + "\\qztext"));
    EXPECT_TRUE(TodayList.empty());
}

TEST_F(MemoStore, TodayFilterListsTodayAndEveryDayInDatabaseOrder) {
    OpenMemoStore();
    const struct {
        const char* title;
        std::string day;
        bool listed;
    } memos[] = {
        {"每天一", "每天", true},
        {"今天", Today(), true},
        {"今天九时", TodayAtNine(), false},
        {"补零", "2014年03月05日", false},
        {"旧日", "2013年11月26日", false},
        {"很久以前", "2000年1月1日", false},
        {"每天带空格", "每天 ", false},
        {"空日", "", false},
        {"每天二", "每天", true},
        {"今天二", Today(), true},
    };
    std::vector<std::string> expected;
    for (const auto& memo : memos) {
        ASSERT_TRUE(AddMemoRecord(memo.title, memo.day, std::string(memo.title) + ".htm")) << memo.title;
        if (memo.listed) expected.push_back(memo.title);
    }
    RefreshToday();
    EXPECT_EQ(TodayTitles(), expected);
    ASSERT_EQ(TodayList.size(), 4u);
    EXPECT_EQ(TodayList[1].day, Today());
    EXPECT_EQ(TodayList[1].pageFileName, "今天.htm");

    RefreshToday();
    EXPECT_EQ(TodayTitles(), expected) << "a second refresh starts again at the first record";
}

TEST_F(MemoStore, MemosSurviveClosingAndReopening) {
    OpenMemoStore();
    ASSERT_TRUE(AddMemoRecord("保存", "每天", "保存.htm"));
    CloseAllStores();
    TodayList.clear();
    OpenMemoStore();
    EXPECT_EQ(TodayTitles(), std::vector<std::string>{"保存"});
}

TEST_F(MemoStore, AddIsRefusedWhenItCannotBeStored) {
    OpenMemoStore();
    EXPECT_FALSE(AddMemoRecord(std::string(51, 'x'), "每天", "x.htm")) << "title longer than 50 bytes";
    EXPECT_FALSE(AddMemoRecord("x", "每天", std::string(513, 'x'))) << "page name longer than 512 bytes";
    EXPECT_TRUE(AddMemoRecord(std::string(50, 'x'), "每天", std::string(512, 'x')));
    CloseAllStores();
    EXPECT_FALSE(AddMemoRecord("x", "每天", "x.htm")) << "no store open";
}

TEST_F(MemoStore, ClearEmptiesTheListAndRemovesThePages) {
    OpenMemoStore();
    ASSERT_TRUE(AddMemoRecord("一", "每天", "一.htm"));
    ASSERT_TRUE(AddMemoRecord("二", Today(), "二.htm"));
    ASSERT_TRUE(rt::WriteFileBytes(run + "\\qztext\\一.htm", "<body>一</body>"));
    RefreshToday();
    ASSERT_EQ(TodayList.size(), 2u);

    EXPECT_TRUE(ClearMemos());
    EXPECT_TRUE(TodayList.empty());
    EXPECT_FALSE(rt::FolderExists(run + "\\qztext"));
    EXPECT_TRUE(rt::FileExists(run + "\\qzedb\\qzbwl.edb"));

    ASSERT_TRUE(AddMemoRecord("三", "每天", "三.htm")) << "the store stays usable after clear";
    RefreshToday();
    EXPECT_EQ(TodayTitles(), std::vector<std::string>{"三"});
}

// Someone else's file under the database's name is left as it is, and the pages with
// it: nothing is listed, nothing is added, nothing is cleared.
TEST_F(MemoStore, ForeignDatabaseFileIsLeftAlone) {
    const std::string foreign = "不是备忘数据库";
    ASSERT_TRUE(rt::CreateFolder(run + "\\qzedb"));
    ASSERT_TRUE(rt::WriteFileBytes(run + "\\qzedb\\qzbwl.edb", foreign));
    OpenMemoStore();
    EXPECT_TRUE(TodayList.empty());
    EXPECT_FALSE(AddMemoRecord("一", "每天", "一.htm"));
    ASSERT_TRUE(rt::WriteFileBytes(run + "\\qztext\\旧.htm", "旧"));
    EXPECT_FALSE(ClearMemos());
    EXPECT_TRUE(rt::FileExists(run + "\\qztext\\旧.htm"));
    std::string bytes;
    ASSERT_TRUE(rt::ReadFileBytes(run + "\\qzedb\\qzbwl.edb", bytes));
    EXPECT_EQ(bytes, foreign);
}

TEST_F(MemoStore, PathsUnderTheRunDirectory) {
    EXPECT_EQ(MemoDatabaseFolder(), run + "\\qzedb\\");
    EXPECT_EQ(MemoDatabaseFile(), run + "\\qzedb\\qzbwl.edb");
    EXPECT_EQ(MemoPageFolder(), run + "\\qztext\\");
}

}  // namespace
