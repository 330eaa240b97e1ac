#pragma once
// The size rules of the program's windows, as plain functions of sizes.
#include <windows.h>

// A window smaller than its minimum in either dimension goes back to the minimum in
// both; otherwise it keeps its size.
SIZE ApplyMinimumSize(SIZE current, SIZE minimum);
// Where the viewer's browser pane goes: below the 25-pixel title bar with a 2-pixel margin.
RECT ViewerPaneRect(SIZE client);

// The size-changed handler every window runs: the minimum-size rule.
void EnforceMinimumSize(HWND window, SIZE minimum);
