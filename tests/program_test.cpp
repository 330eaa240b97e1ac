// The program's start-up and exit routines as the runtime calls them: what exists at
// each step, in which order things go away, and a start-up that cannot make its window.
#include "app/program.h"

#include <gtest/gtest.h>
#include <windows.h>

#include "app/main_window.h"
#include "app/memo_store.h"
#include "app/skin_hookup.h"
#include "runtime/files.h"
#include "skin/engine/skin_engine.h"
#include "support/fake_services.h"

namespace {

// Looks at the engine while the main window's created event runs the update check,
// which comes before the window hands itself to the engine.
struct StartupWatch : FakeServices {
    bool engineAtUpdateCheck = false;
    skin::EngineSettings settingsAtUpdateCheck;
    HICON iconAtUpdateCheck = nullptr;

    bool httpRead(const std::string& url, std::string& body) override {
        if (skin::SkinEngine* engine = TheSkinEngine()) {
            engineAtUpdateCheck = true;
            settingsAtUpdateCheck = engine->settings;
            iconAtUpdateCheck = engine->applicationIcon();
        }
        return FakeServices::httpRead(url, body);
    }
};

// What the test sees from inside the message loop, where a timer closes the main window.
struct InsideTheLoop {
    bool ran = false;
    size_t listedBeforeClosing = 0;
    bool addedAfterClosing = true;
    size_t listedAfterClosing = 0;
    bool engineAfterClosing = false;
} inside;

void CALLBACK CloseTheMainWindow(HWND, UINT, UINT_PTR timer, DWORD) {
    KillTimer(nullptr, timer);
    inside.ran = true;
    inside.listedBeforeClosing = TodayList.size();
    DestroyWindow(MainWindow());
    inside.addedAfterClosing = AddMemoRecord("关闭之后", "每天", "x.htm");
    inside.listedAfterClosing = TodayList.size();
    inside.engineAfterClosing = TheSkinEngine() != nullptr;
}

void CALLBACK GiveUp(HWND, UINT, UINT_PTR timer, DWORD) {
    KillTimer(nullptr, timer);
    PostQuitMessage(0);
}

void StartWithOneMemo() {
    rt::DeleteFolder(rt::RunDirectory() + "\\qzedb");
    rt::DeleteFolder(rt::RunDirectory() + "\\qztext");
    OpenMemoStore();
    ASSERT_TRUE(AddMemoRecord("每天的", "每天", "a.htm"));
    CloseAllStores();
    TodayList.clear();
}

TEST(Program, StartsInOrderAndEndsDatabaseThenListThenEngine) {
    StartWithOneMemo();
    StartupWatch watch;
    // This test program holds the icon group "DEFAULT_ICON" and no icon 129.
    const HMODULE module = GetModuleHandleA(nullptr);
    ASSERT_FALSE(LoadIconA(module, MAKEINTRESOURCEA(129)));
    const HICON defaultIcon = LoadIconA(module, "DEFAULT_ICON");
    ASSERT_TRUE(defaultIcon);

    SetTimer(nullptr, 0, 200, CloseTheMainWindow);
    const int code = ProgramMain();
    EXPECT_EQ(code, 0);

    // Before any window: the engine with its first settings and the fallback icon.
    ASSERT_TRUE(watch.engineAtUpdateCheck);
    const skin::EngineSettings& first = watch.settingsAtUpdateCheck;
    EXPECT_TRUE(first.firstSizePending);
    EXPECT_TRUE(first.controlSkinning);
    EXPECT_EQ(first.veilAlpha, 160);
    EXPECT_EQ(first.accentColor, 0xDDCA22u);
    EXPECT_TRUE(first.trackBarFrame);
    EXPECT_EQ(watch.iconAtUpdateCheck, defaultIcon);
    ASSERT_TRUE(inside.ran);
    EXPECT_EQ(inside.listedBeforeClosing, 1u);
    // Closing the main window closed the database, and nothing else yet.
    EXPECT_FALSE(inside.addedAfterClosing);
    EXPECT_EQ(inside.listedAfterClosing, 1u);
    EXPECT_TRUE(inside.engineAfterClosing);
    // Then the runtime runs the exit routine: the list goes, then the engine.
    EXPECT_EQ(TodayList.size(), 1u);
    EXPECT_TRUE(TheSkinEngine());
    rt::RunExitRoutine();
    EXPECT_TRUE(TodayList.empty());
    EXPECT_FALSE(TheSkinEngine());
    EXPECT_TRUE(watch.messages.empty());
}

// Refuses to create the program's windows, as a system out of window resources would.
LRESULT CALLBACK RefuseWindows(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_CREATEWND) {
        char name[64] = "";
        GetClassNameA(reinterpret_cast<HWND>(wParam), name, sizeof name);
        if (std::string(name) == "LzWindow") return 1;
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

TEST(Program, AMainWindowThatCannotBeMadeIsReportedAndEndsWithAnError) {
    StartWithOneMemo();
    FakeServices fake;
    HHOOK hook = SetWindowsHookExA(WH_CBT, RefuseWindows, nullptr, GetCurrentThreadId());
    ASSERT_TRUE(hook);
    // Should start-up wait in the message loop after all, this ends the wait.
    UINT_PTR watchdog = SetTimer(nullptr, 0, 3000, GiveUp);
    const int code = ProgramMain();
    KillTimer(nullptr, watchdog);
    UnhookWindowsHookEx(hook);

    EXPECT_NE(code, 0);
    ASSERT_EQ(fake.messages.size(), 1u);
    EXPECT_EQ(fake.messages[0].caption, "岚舟提醒您");
    EXPECT_EQ(fake.messages[0].flags, 16u);
    EXPECT_NE(fake.messages[0].text.find("主窗口"), std::string::npos);
    rt::RunExitRoutine();
    EXPECT_FALSE(TheSkinEngine());
}

}  // namespace
