// The store's promise under real crashes: a helper process adds records (or writes memo
// pages) in a loop and reports each one the store confirmed; the test kills it with
// TerminateProcess at random moments and, after every kill, checks that everything
// confirmed is there, whole, and that the store still opens and adds.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "app/memo_page.h"
#include "crash/store_writer.h"
#include "runtime/files.h"
#include "runtime/record_db.h"
#include "support/temp_folder.h"

namespace {

// One run of the helper, with its standard output on a pipe.
class Writer {
public:
    Writer(const std::string& mode, const std::string& target, int run) {
        SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
        HANDLE write = nullptr;
        if (!CreatePipe(&read_, &write, &inherit, 1 << 16)) return;
        SetHandleInformation(read_, HANDLE_FLAG_INHERIT, 0);
        STARTUPINFOA start{};
        start.cb = sizeof start;
        start.dwFlags = STARTF_USESTDHANDLES;
        start.hStdOutput = write;
        start.hStdInput = start.hStdError = GetStdHandle(STD_ERROR_HANDLE);
        std::string command = "\"" + rt::RunDirectory() + "\\store_writer.exe\" " + mode + " \"" + target + "\" " +
                              std::to_string(run);
        started_ = CreateProcessA(nullptr, &command[0], nullptr, nullptr, TRUE, DETACHED_PROCESS, nullptr, nullptr,
                                  &start, &process_);
        // Only the helper may hold the write end, so that its death ends the pipe.
        CloseHandle(write);
    }
    ~Writer() {
        if (started_) {
            CloseHandle(process_.hProcess);
            CloseHandle(process_.hThread);
        }
        if (read_) CloseHandle(read_);
    }
    Writer(const Writer&) = delete;
    Writer& operator=(const Writer&) = delete;

    bool started() const { return started_; }

    // Waits for the helper's first report; false when it ended without one.
    bool waitForFirstReport() {
        while (reported_.empty()) {
            if (WaitForSingleObject(process_.hProcess, 0) == WAIT_OBJECT_0) {
                readAvailable();
                return !reported_.empty();
            }
            if (!readAvailable()) Sleep(0);
        }
        return true;
    }

    // Kills the helper and collects every report it made before it died.
    std::vector<std::string> kill() {
        TerminateProcess(process_.hProcess, 9);
        WaitForSingleObject(process_.hProcess, INFINITE);
        while (readAvailable()) {
        }
        return reported_;
    }

private:
    // Reads what the pipe holds without waiting for more: under Wine the pipe need not
    // report its end when the helper dies, so the end is the helper's death.
    bool readAvailable() {
        DWORD available = 0;
        if (!PeekNamedPipe(read_, nullptr, 0, nullptr, &available, nullptr) || available == 0) return false;
        std::string buffer(available, '\0');
        DWORD got = 0;
        if (!ReadFile(read_, &buffer[0], available, &got, nullptr) || got == 0) return false;
        pending_.append(buffer, 0, got);
        // Only whole lines are reports: a line cut by the kill was never confirmed.
        for (size_t end; (end = pending_.find('\n')) != std::string::npos; pending_.erase(0, end + 1))
            reported_.push_back(pending_.substr(0, end));
        return true;
    }

    HANDLE read_ = nullptr;
    PROCESS_INFORMATION process_{};
    bool started_ = false;
    std::string pending_;
    std::vector<std::string> reported_;
};

// Waits a random time: from the helper's start (so some kills land while it opens or
// creates the store) or from its first report, busy-waiting for sub-millisecond moments.
void WaitRandomly(Writer& writer, std::mt19937& random) {
    if (random() % 2 && !writer.waitForFirstReport()) return;
    LARGE_INTEGER frequency, start, now;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&start);
    const double seconds = std::uniform_real_distribution<double>(0, 0.03)(random);
    do QueryPerformanceCounter(&now);
    while (static_cast<double>(now.QuadPart - start.QuadPart) / frequency.QuadPart < seconds);
}

std::set<std::string> TitlesIn(const std::string& path) {
    std::set<std::string> titles;
    if (!rt::DbOpen(path, "check")) return titles;
    while (rt::DbFind([] { return true; })) {
        titles.insert(rt::DbReadField("备忘标题"));
        rt::DbSkip();
    }
    return titles;
}

std::vector<std::string> FilesIn(const std::string& folder, const char* pattern) {
    std::vector<std::string> names;
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((folder + pattern).c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return names;
    do names.push_back(found.cFileName);
    while (FindNextFileA(search, &found));
    FindClose(search);
    return names;
}

unsigned Seed() {
    unsigned seed = GetTickCount();
    std::printf("random seed %u\n", seed);
    return seed;
}

constexpr int kRecordKills = 200;
constexpr int kPageKills = 60;

TEST(StoreCrash, NoConfirmedRecordIsLostWhenTheWriterIsKilled) {
    TempFolder folder("lz_store_crash");
    const std::string path = folder.file("crash.edb");
    std::mt19937 random(Seed());
    std::vector<std::string> confirmed;
    int kills = 0, lost = 0, unusable = 0;
    for (int run = 1; run <= kRecordKills; ++run) {
        Writer writer("records", path, run);
        ASSERT_TRUE(writer.started());
        WaitRandomly(writer, random);
        std::vector<std::string> reported = writer.kill();
        ++kills;
        confirmed.insert(confirmed.end(), reported.begin(), reported.end());
        if (!rt::FileExists(path)) {
            EXPECT_TRUE(confirmed.empty());  // killed before it could create the file
            continue;
        }
        const std::set<std::string> stored = TitlesIn(path);
        for (const std::string& title : confirmed) {
            if (stored.count(title)) continue;
            ++lost;
            ADD_FAILURE() << "after kill " << kills << ": confirmed record " << title << " is lost";
        }
        const std::string check = "check-" + std::to_string(run);
        if (rt::DbAdd({check, CrashTestDay})) {
            confirmed.push_back(check);
        } else {
            ++unusable;
            ADD_FAILURE() << "after kill " << kills << ": the store no longer adds";
        }
        rt::DbCloseAll();
    }
    // At most one record per kill can be on disk without its report: the one whose add
    // had finished when the helper died.
    const std::set<std::string> stored = TitlesIn(path);
    const std::set<std::string> reported(confirmed.begin(), confirmed.end());
    size_t unreported = 0;
    for (const std::string& title : stored) unreported += reported.count(title) == 0;
    EXPECT_LE(unreported, static_cast<size_t>(kills));
    std::printf("%d kills, %zu confirmed records, %d lost, %zu stored unreported, %d times the store would not add\n",
                kills, confirmed.size(), lost, unreported, unusable);
    EXPECT_EQ(reported.size(), confirmed.size());
    rt::DbCloseAll();
    EXPECT_GT(confirmed.size(), static_cast<size_t>(kRecordKills));
    EXPECT_EQ(lost, 0);
}

TEST(StoreCrash, AKilledPageWriteLeavesNoPageOrTheWholePage) {
    TempFolder folder("lz_page_crash");
    const std::string pages = folder.path + "\\";
    const std::string whole = ComposeMemoPage(CrashTestPageBody());
    std::mt19937 random(Seed());
    std::vector<std::string> confirmed;
    int kills = 0, lost = 0, partial = 0;
    for (int run = 1; run <= kPageKills; ++run) {
        Writer writer("pages", folder.path, run);
        ASSERT_TRUE(writer.started());
        WaitRandomly(writer, random);
        std::vector<std::string> reported = writer.kill();
        ++kills;
        confirmed.insert(confirmed.end(), reported.begin(), reported.end());
        for (const std::string& name : confirmed) {
            if (rt::FileExists(pages + name)) continue;
            ++lost;
            ADD_FAILURE() << "after kill " << kills << ": confirmed page " << name << " is lost";
        }
        for (const std::string& name : FilesIn(pages, "*.htm")) {
            std::string bytes;
            if (rt::ReadFileBytes(pages + name, bytes) && bytes == whole) continue;
            ++partial;
            ADD_FAILURE() << "after kill " << kills << ": page " << name << " holds " << bytes.size() << " of "
                          << whole.size() << " bytes";
            rt::DeleteFileAt(pages + name);
        }
        const std::string check = WriteMemoPage(pages, "check-" + std::to_string(run), "", CrashTestPageBody());
        EXPECT_FALSE(check.empty()) << "after kill " << kills << ": no page can be written";
        if (!check.empty()) confirmed.push_back(check);
    }
    std::printf("%d kills, %zu confirmed pages, %d lost, %d partial, %zu temporary files left\n", kills,
                confirmed.size(), lost, partial, FilesIn(pages, "*.new").size());
    EXPECT_GT(confirmed.size(), static_cast<size_t>(2 * kPageKills));
    EXPECT_EQ(lost, 0);
    EXPECT_EQ(partial, 0);
}

}  // namespace
