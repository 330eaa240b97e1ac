#include "app/program.h"

#include "app/main_window.h"
#include "app/memo_store.h"
#include "runtime/services.h"
#include "runtime/window.h"

int ProgramMain() {
    TodayList.clear();
    rt::RegisterExitRoutine(ProgramExit);
    LoadMainWindow();
    rt::RunMessageLoop();
    return 0;
}

void ProgramExit() {
    TodayList.clear();
    TodayList.shrink_to_fit();
}
