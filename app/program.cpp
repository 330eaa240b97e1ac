#include "app/program.h"

#include "app/main_window.h"
#include "app/memo_store.h"
#include "app/skin_hookup.h"
#include "runtime/services.h"
#include "runtime/window.h"

int ProgramMain() {
    TodayList.clear();
    CreateSkinEngine();
    rt::RegisterExitRoutine(ProgramExit);
    StartSkinEngine();
    LoadMainWindow();
    rt::RunMessageLoop();
    return 0;
}

void ProgramExit() {
    TodayList.clear();
    TodayList.shrink_to_fit();
    DestroySkinEngine();
}
