#include "runtime/services.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <cstdio>

#include "runtime/message_box.h"
#include "support/fake_services.h"
#include "support/message_box_answerer.h"

namespace {

TEST(Services, ButtonResultIsTheButtonIdMinusOne) {
    const struct {
        int button;
        int result;
    } cases[] = {
        {IDOK, 0},    {IDCANCEL, 1},  {IDABORT, 2},     {IDRETRY, 3}, {IDIGNORE, 4},
        {IDYES, 5},   {IDNO, 6},      {0, 0},           {8, 0},       {IDTRYAGAIN, 0},
        {IDCONTINUE, 0}, {-1, 0},
    };
    for (const auto& c : cases) EXPECT_EQ(rt::ButtonResult(c.button), c.result) << "button " << c.button;
}

TEST(Services, WrappersGoToTheInstalledServices) {
    {
        FakeServices fake;
        fake.answers = {5};
        fake.pages["http://host/a"] = "body";
        EXPECT_EQ(rt::MessageBoxText("正文", MB_YESNO), 5);
        ASSERT_EQ(fake.messages.size(), 1u);
        EXPECT_EQ(fake.messages[0].text, "正文");
        EXPECT_EQ(fake.messages[0].flags, static_cast<unsigned>(MB_YESNO));
        EXPECT_EQ(fake.messages[0].caption, "信息：") << "the caption when none is given";
        rt::MessageBoxText("a", 0, "岚舟提醒您");
        EXPECT_EQ(fake.messages[1].caption, "岚舟提醒您");

        rt::ShellOpen("http://example.com/");
        EXPECT_EQ(fake.shellOpens, std::vector<std::string>{"http://example.com/"});
        std::string body;
        EXPECT_TRUE(rt::HttpReadFile("http://host/a", body));
        EXPECT_EQ(body, "body");
        rt::EndProgram(3);
        EXPECT_EQ(fake.endCalls, std::vector<int>{3});
        EXPECT_EQ(&rt::services(), &fake);
    }
    EXPECT_EQ(&rt::services(), &rt::realServices()) << "the real services are back";
}

int exitRoutineRuns = 0;

TEST(Services, ExitRoutineRunsOnce) {
    exitRoutineRuns = 0;
    rt::RunExitRoutine();  // none registered yet in this test: nothing to run
    rt::RegisterExitRoutine([] { ++exitRoutineRuns; });
    rt::RunExitRoutine();
    rt::RunExitRoutine();
    EXPECT_EQ(exitRoutineRuns, 1);
    rt::RegisterExitRoutine(nullptr);
}

TEST(ServicesDeathTest, EndProgramRunsTheExitRoutineThenEndsWithTheCode) {
    EXPECT_EXIT(
        {
            rt::RegisterExitRoutine([] { std::fputs("exit routine ran\n", stderr); });
            rt::realServices().endProgram(7);
        },
        ::testing::ExitedWithCode(7), "exit routine ran");
}

TEST(Services, RealMessageBoxGivesThePressedButtonMinusOne) {
    const struct {
        unsigned flags;
        int button;
        int result;
    } cases[] = {{MB_YESNO | MB_ICONQUESTION, IDNO, 6}, {MB_YESNO, IDYES, 5}, {MB_OKCANCEL, IDCANCEL, 1}};
    for (const auto& c : cases) {
        MessageBoxAnswerer user("岚舟测试", c.button);
        EXPECT_EQ(rt::realServices().messageBox("请选择", c.flags, "岚舟测试"), c.result);
        EXPECT_TRUE(user.answered());
    }
}

// Without an owner, task-modal is what keeps the program's other windows from taking
// input while the box is up.
TEST(Services, RealMessageBoxDisablesTheThreadsWindowsWhileShown) {
    HWND window = CreateWindowExA(0, "STATIC", "窗口", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 200, 100, nullptr,
                                  nullptr, nullptr, nullptr);
    ASSERT_TRUE(window);
    bool enabledWhileShown = true;
    {
        MessageBoxAnswerer user("信息：", IDOK, [&](HWND) { enabledWhileShown = IsWindowEnabled(window); });
        EXPECT_EQ(rt::MessageBoxText("提示"), 0);
        EXPECT_TRUE(user.answered());
    }
    EXPECT_FALSE(enabledWhileShown);
    EXPECT_TRUE(IsWindowEnabled(window));
    DestroyWindow(window);
}

}  // namespace
