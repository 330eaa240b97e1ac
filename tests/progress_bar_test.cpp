// Skinned progress bars in a real skinned window: the installer, the bar's extent for a
// position, the bar length on the screen, and what a bar leaves behind at its end.
#include <gtest/gtest.h>

#include "skin/controls/control_installers.h"
#include "skin/controls/progress_bar.h"
#include "support/control_host.h"

using namespace skin;
using namespace controltest;

namespace {

TEST(ProgressBarArea, TheBarIsThePositionsShareOfTheRange) {
    const struct {
        int width, height, pos, low, high;
        bool vertical;
        RECT bar;
    } cases[] = {
        {200, 20, 50, 0, 100, false, {0, 0, 100, 20}},
        {200, 20, 0, 0, 100, false, {0, 0, 0, 20}},
        {200, 20, 60, 10, 110, false, {0, 0, 100, 20}},  // half of 10..110
        {200, 20, 500, 0, 100, false, {0, 0, 200, 20}},  // held to the end
        {200, 20, -5, 0, 100, false, {0, 0, 0, 20}},
        {200, 20, 5, 7, 7, false, {0, 0, 0, 0}},  // an empty range draws no bar
        {20, 200, 25, 0, 100, true, {0, 150, 20, 200}},  // grows from the bottom
        {20, 99, 1, 0, 3, true, {0, 66, 20, 99}},
    };
    for (const auto& c : cases) {
        const RECT r = progressBarArea(c.width, c.height, c.pos, c.low, c.high, c.vertical);
        SCOPED_TRACE(testing::Message() << c.pos << " of " << c.low << ".." << c.high);
        EXPECT_EQ(r.left, c.bar.left);
        EXPECT_EQ(r.top, c.bar.top);
        EXPECT_EQ(r.right, c.bar.right);
        EXPECT_EQ(r.bottom, c.bar.bottom);
    }
}

TEST(ProgressBarInstaller, TakesDirectProgressBarsAndKeepsTheirProcedure) {
    Host host;
    HWND across = host.child(PROGRESS_CLASSA, 0, 10, 10, 200, 20);
    HWND upright = host.child(PROGRESS_CLASSA, PBS_VERTICAL, 250, 10, 20, 200);
    watch(across);
    const LONG_PTR own = GetWindowLongPtrA(across, GWLP_WNDPROC);
    host.skin();
    const auto& bars = host.record().progressBars;
    ASSERT_EQ(bars.size(), 2u);
    EXPECT_FALSE(bars[0].vertical);
    EXPECT_TRUE(bars[1].vertical);
    EXPECT_EQ(bars[1].hwnd, upright);
    EXPECT_EQ(intProperty(upright, prop::index), 2);
    EXPECT_EQ(intProperty(upright, prop::ownerIndex), host.windowIndex());
    EXPECT_EQ(GetWindowLongPtrA(across, GWLP_WNDPROC), reinterpret_cast<LONG_PTR>(&ProgressBarProc));
    EXPECT_EQ(reinterpret_cast<LONG_PTR>(GetPropA(across, prop::previousProc)), own);
    underneath().messages.clear();
    SendMessageA(across, PBM_SETPOS, 30, 0);
    EXPECT_TRUE(sawMessage(PBM_SETPOS));
    EXPECT_EQ(SendMessageA(across, PBM_GETPOS, 0, 0), 30);
    InstallProgressBars(host.engine, host.windowIndex(), host.window);
    EXPECT_EQ(host.record().progressBars.size(), 2u);

    DestroyWindow(across);
    EXPECT_EQ(underneath().propertiesAtEnd, 0);
    EXPECT_EQ(host.engine.snapshots().size(), 0);
}

TEST(ProgressBarInstaller, LeavesProgressBarsWhileControlSkinningIsOff) {
    Host host;
    HWND bar = host.child(PROGRESS_CLASSA, 0, 10, 10, 200, 20);
    host.engine.settings.controlSkinning = false;
    host.skin();
    EXPECT_TRUE(host.record().progressBars.empty());
    EXPECT_EQ(GetPropA(bar, prop::previousProc), nullptr);
}

// The accent-coloured columns of one row of the bar.
int redColumns(HWND bar, int width, int row) {
    int count = 0;
    for (int x = 0; x < width; ++x) count += reddish(windowPixel(bar, x, row)) ? 1 : 0;
    return count;
}

TEST(ProgressBarPainting, TheBarLengthFollowsThePosition) {
    Host host;
    HWND bar = host.child(PROGRESS_CLASSA, 0, 10, 10, 200, 20);
    SendMessageA(bar, PBM_SETRANGE32, 10, 110);
    host.engine.settings.accentColor = RGB(255, 0, 0);
    host.skin();
    const struct {
        int pos;
        int columns;  // the bar is 3 pixels shorter than its share
    } cases[] = {{10, 0}, {35, 47}, {60, 97}, {110, 197}};
    for (const auto& c : cases) {
        SendMessageA(bar, PBM_SETPOS, c.pos, 0);
        UpdateWindow(bar);
        EXPECT_NEAR(redColumns(bar, 200, 15), c.columns, 2) << c.pos;
    }
    EXPECT_EQ(host.engine.snapshots().size(), 0);
}

}  // namespace
