#include "app/program.h"

#include "app/main_window.h"
#include "app/memo_store.h"
#include "app/skin_hookup.h"
#include "app/window_designs.h"
#include "runtime/services.h"
#include "runtime/window.h"

int ProgramMain() {
    TodayList.clear();
    CreateSkinEngine();
    rt::RegisterExitRoutine(ProgramExit);
    StartSkinEngine();
    // Without the main window nothing could ever end the message loop.
    if (!LoadMainWindow()) {
        rt::MessageBoxText("主窗口无法创建，程序无法运行！", 16, MessageCaption);
        return 1;
    }
    rt::RunMessageLoop();
    return 0;
}

void ProgramExit() {
    TodayList.clear();
    TodayList.shrink_to_fit();
    DestroySkinEngine();
}
