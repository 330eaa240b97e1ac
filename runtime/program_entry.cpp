// The process entry: the runtime is ready, the program runs, then its exit routine.
#include <windows.h>

#include "runtime/services.h"

int ProgramMain();

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    int code = ProgramMain();
    rt::RunExitRoutine();
    return code;
}
