#pragma once
// When the application loses activation the process gives back the memory it is not
// using: a worker thread empties the process's own working set.
#include <windows.h>

namespace skin {

// Starts the worker thread and returns its handle, which the caller closes; null when no
// thread could be started. The thread touches no program state and ends with exit code
// 1 when the working set was emptied, 0 when the system refused.
HANDLE startWorkingSetTrimmer();

}  // namespace skin
