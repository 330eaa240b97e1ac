#include "app/memo_store.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "runtime/datetime.h"
#include "runtime/files.h"
#include "runtime/record_db.h"
#include "support/fake_services.h"
#include "support/temp_folder.h"

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

// A junction, as Windows makes folder links.
bool MakeJunction(const std::string& link, const std::string& target) {
    struct MountPoint {
        DWORD tag;
        WORD dataLength, reserved;
        WORD substituteOffset, substituteLength, printOffset, printLength;
        WCHAR names[2 * MAX_PATH + 8];
    } buffer{};
    WCHAR wideTarget[MAX_PATH];
    if (!MultiByteToWideChar(CP_ACP, 0, target.c_str(), -1, wideTarget, MAX_PATH)) return false;
    std::wstring substitute = L"\\??\\" + std::wstring(wideTarget), print = wideTarget;
    buffer.tag = IO_REPARSE_TAG_MOUNT_POINT;
    buffer.substituteLength = static_cast<WORD>(substitute.size() * sizeof(WCHAR));
    buffer.printOffset = static_cast<WORD>(buffer.substituteLength + sizeof(WCHAR));
    buffer.printLength = static_cast<WORD>(print.size() * sizeof(WCHAR));
    substitute.copy(buffer.names, substitute.size());
    print.copy(buffer.names + substitute.size() + 1, print.size());
    buffer.dataLength = static_cast<WORD>(8 + buffer.printOffset + buffer.printLength + sizeof(WCHAR));
    if (!CreateDirectoryA(link.c_str(), nullptr)) return false;
    HANDLE folder = CreateFileA(link.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                                FILE_FLAG_BACKUP_SEMANTICS | FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
    DWORD returned = 0;
    bool made = folder != INVALID_HANDLE_VALUE &&
                DeviceIoControl(folder, FSCTL_SET_REPARSE_POINT, &buffer, 8 + buffer.dataLength, nullptr, 0,
                                &returned, nullptr);
    if (folder != INVALID_HANDLE_VALUE) CloseHandle(folder);
    if (!made) RemoveDirectoryA(link.c_str());
    return made;
}

// Wine keeps folder links as links of the host's file system; `ln` makes one there.
std::string UnixPath(const std::string& path) {
    using ToUnix = char*(__cdecl*)(const WCHAR*);
    auto toUnix = reinterpret_cast<ToUnix>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("kernel32.dll"), "wine_get_unix_file_name")));
    WCHAR wide[MAX_PATH];
    if (!toUnix || !MultiByteToWideChar(CP_ACP, 0, path.c_str(), -1, wide, MAX_PATH)) return {};
    char* unix = toUnix(wide);
    std::string result = unix ? unix : "";
    HeapFree(GetProcessHeap(), 0, unix);
    return result;
}

// Runs a program of the host with the arguments and waits until `done` holds: a host
// program's handle cannot be waited on.
bool RunOnHost(const std::string& program, const std::vector<std::string>& arguments,
               const std::function<bool()>& done) {
    std::string line = program;
    for (const std::string& argument : arguments) line += " \"" + argument + "\"";
    STARTUPINFOA startup{sizeof startup};
    PROCESS_INFORMATION process{};
    if (!CreateProcessA(program.c_str(), &line[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
        return false;
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    for (int tries = 0; tries < 100 && !done(); ++tries) Sleep(50);
    return done();
}

bool MakeHostLink(const std::string& link, const std::string& target) {
    return RunOnHost("Z:\\bin\\ln", {"-s", UnixPath(target), UnixPath(link)}, [&] { return rt::FolderExists(link); });
}

bool IsThere(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

// A folder link inside the page folder goes with the clear; what it points to stays.
// Under Wine the link is one of the host's file system, which Windows programs cannot
// remove: it is removed from the host side afterwards.
TEST_F(MemoStore, ClearingLeavesWhatAFolderLinkInThePagesPointsTo) {
    OpenMemoStore();
    ASSERT_TRUE(AddMemoRecord("一", "每天", "一.htm"));
    TempFolder outside("memo_store_outside");
    ASSERT_TRUE(rt::WriteFileBytes(outside.file("keep.htm"), "outside"));
    ASSERT_TRUE(rt::CreateFolder(outside.file("sub")));
    ASSERT_TRUE(rt::WriteFileBytes(outside.file("sub\\deep.htm"), "deeper"));
    ASSERT_TRUE(rt::WriteFileBytes(MemoPageFolder() + "一.htm", "page"));
    const std::string link = MemoPageFolder() + "link";
    bool hostLink = false;
    if (!MakeJunction(link, outside.path)) {
        hostLink = MakeHostLink(link, outside.path);
        if (!hostLink) GTEST_SKIP() << "no folder links here";
    }
    ASSERT_TRUE(rt::FileExists(link + "\\keep.htm")) << "the link leads outside";

    EXPECT_TRUE(ClearMemos());
    EXPECT_TRUE(TodayList.empty());
    EXPECT_FALSE(IsThere(MemoPageFolder() + "一.htm"));
    EXPECT_TRUE(rt::FileExists(outside.file("keep.htm")));
    EXPECT_TRUE(rt::FileExists(outside.file("sub\\deep.htm")));
    if (!hostLink) {
        EXPECT_FALSE(IsThere(run + "\\qztext"));
        return;
    }
    RunOnHost("Z:\\bin\\rm", {UnixPath(link)}, [&] { return !IsThere(link); });
}

}  // namespace
