#pragma once
// Where memos live between runs: one record per memo in the memo database and one
// page file per memo in the page folder, both under the program's run directory.
#include <string>
#include <vector>

struct MemoRecord {
    std::string title, day, pageFileName;
};

// Today's memos in database order, as found by the last RefreshToday.
extern std::vector<MemoRecord> TodayList;

// The day text of memos that are due every day.
extern const char* const EveryDayMarker;
// The alias the memo database is opened under.
extern const char* const MemoStoreAlias;

// Run directory + "\qzedb\".
std::string MemoDatabaseFolder();
// Run directory + "\qzedb\qzbwl.edb".
std::string MemoDatabaseFile();
// Run directory + "\qztext\": the folder of the memo pages.
std::string MemoPageFolder();

// Makes sure the folders and the database file exist, then loads today's memos.
void OpenMemoStore();
// Reopens the database, reloads TodayList and rebuilds the main window's list page.
void RefreshToday();
// The find condition: the current record is due today or every day.
bool IsTodayMemo();
// Adds one memo's record to the current database; true only when it is stored.
bool AddMemoRecord(const std::string& title, const std::string& day, const std::string& pageFileName);
// Empties the database and deletes the page folder, then refreshes. The pages stay
// when the records could not be cleared, so no record loses its page. False then.
bool ClearMemos();
void CloseAllStores();
