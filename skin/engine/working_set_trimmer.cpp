#include "skin/engine/working_set_trimmer.h"

namespace skin {

namespace {

DWORD WINAPI trimWorkingSet(void*) {
    // Both sizes -1: the system takes every page out of the working set that it can.
    const BOOL trimmed = SetProcessWorkingSetSize(GetCurrentProcess(), static_cast<SIZE_T>(-1), static_cast<SIZE_T>(-1));
    return trimmed ? 1 : 0;
}

}  // namespace

HANDLE startWorkingSetTrimmer() { return CreateThread(nullptr, 0, trimWorkingSet, nullptr, 0, nullptr); }

}  // namespace skin
