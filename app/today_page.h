#pragma once
// The main window's list page: today's memos as links under the fixed header.
#include <string>
#include <vector>

struct MemoRecord;

// The page markup for a list of today's memos (at most ten links).
std::string ComposeTodayPage(const std::vector<MemoRecord>& today);
// Builds the page from TodayList and shows it in the main window's upper pane; does
// nothing while there is no main window.
void RenderTodayPage();
