// Times RefreshToday over large memo databases with ten memos for today, and the
// flushed add of one memo. The database is built in this program's own folder, where
// the memo store lives, and removed at the end.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <vector>

#include "app/memo_store.h"
#include "bench/bench_timing.h"
#include "runtime/datetime.h"
#include "runtime/files.h"
#include "runtime/record_file.h"

namespace {

using bench::MedianMs;

void RemoveStore() {
    CloseAllStores();
    rt::DeleteFolder(rt::RunDirectory() + "\\qzedb");
    rt::DeleteFolder(rt::RunDirectory() + "\\qztext");
}

// A memo database of the given size, ten of whose memos are due today, written in one
// go behind the header that OpenMemoStore made.
bool BuildStore(int records) {
    RemoveStore();
    OpenMemoStore();
    CloseAllStores();
    std::string bytes;
    if (!rt::ReadFileBytes(MemoDatabaseFile(), bytes)) return false;
    const std::string today = rt::FormatDateText(rt::DateOnly(rt::Now()));
    for (int i = 0; i < records; ++i) {
        const std::string title = "备忘标题" + std::to_string(i);
        const bool forToday = i % (records / 10) == 0;
        bytes += rt::EncodeRecord({title, forToday ? today : "2000年1月1日", title + "2000年1月1日.htm"});
    }
    return rt::WriteFileBytes(MemoDatabaseFile(), bytes);
}

}  // namespace

int main() {
    for (int records : {10000, 100000}) {
        if (!BuildStore(records)) {
            std::printf("could not build a store of %d records\n", records);
            return 1;
        }
        const double refresh = MedianMs(11, RefreshToday);
        std::printf("RefreshToday, %d records, %zu for today: median %.2f ms of 11 runs\n", records, TodayList.size(),
                    refresh);
    }
    int n = 0;
    const double add = MedianMs(101, [&] { AddMemoRecord("新备忘" + std::to_string(n++), "每天", "新备忘.htm"); });
    std::printf("AddMemoRecord on that store (flushed to disk): median %.3f ms of 101 adds\n", add);
    RemoveStore();
    return 0;
}
