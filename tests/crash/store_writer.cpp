// Helper of the store's crash test: adds records (or writes memo pages) in a loop and
// reports each one on standard output as soon as the store has confirmed it, one line
// each. The test kills it at random moments and checks that nothing confirmed is lost.
//   store_writer records DATABASE RUN
//   store_writer pages FOLDER RUN        (FOLDER without a trailing backslash, which
//                                        would escape the closing quote)
#include <windows.h>

#include <string>

#include "app/memo_page.h"
#include "runtime/record_db.h"
#include "store_writer.h"

namespace {

void Report(const std::string& name) {
    const std::string line = name + "\n";
    DWORD wrote = 0;
    WriteFile(GetStdHandle(STD_OUTPUT_HANDLE), line.data(), static_cast<DWORD>(line.size()), &wrote, nullptr);
}

int AddRecords(const std::string& path, const std::string& run) {
    if (!rt::FileExists(path)) rt::DbCreate(path, CrashTestFields());
    if (!rt::DbOpen(path, "crash")) return 2;
    for (int i = 1;; ++i) {
        const std::string title = run + "-" + std::to_string(i);
        if (!rt::DbAdd({title, CrashTestDay})) return 3;
        Report(title);
    }
}

int WritePages(const std::string& folder, const std::string& run) {
    const std::string body = CrashTestPageBody();
    for (int i = 1;; ++i) {
        const std::string name = WriteMemoPage(folder + "\\", run + "-" + std::to_string(i), "", body);
        if (name.empty()) return 3;
        Report(name);
    }
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 4) return 1;
    const std::string mode = argv[1];
    if (mode == "records") return AddRecords(argv[2], argv[3]);
    if (mode == "pages") return WritePages(argv[2], argv[3]);
    return 1;
}
