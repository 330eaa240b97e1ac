#pragma once
// For the test programs that use the desktop (see tests/CMakeLists.txt): when done with
// the real cursor, they leave it in the screen's bottom-right corner, where no test puts
// a window, so that it cannot hover over the windows of the programs that run next.
#include <windows.h>

inline void ParkCursor() { SetCursorPos(GetSystemMetrics(SM_CXSCREEN) - 1, GetSystemMetrics(SM_CYSCREEN) - 1); }
