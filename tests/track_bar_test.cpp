// Skinned track bars in a real skinned window: which ones the installer takes, what it
// keeps, the shapes the painter works out, what reaches the screen under the mouse, and
// what a track bar leaves behind at its end.
#include <gtest/gtest.h>

#include "skin/controls/control_installers.h"
#include "skin/controls/track_bar.h"
#include "support/control_host.h"

using namespace skin;
using namespace controltest;

namespace {

TEST(TrackBarInstaller, TakesTheDirectTrackBarsOnceWithTheirStyles) {
    Host host;
    HWND plain = host.child(TRACKBAR_CLASSA, 0, 10, 10, 200, 30);
    HWND vertical = host.child(TRACKBAR_CLASSA, TBS_VERT | TBS_BOTH | TBS_ENABLESELRANGE, 250, 10, 30, 200);
    HWND panel = host.child("STATIC", 0, 10, 200, 200, 60);
    HWND nested = host.child(TRACKBAR_CLASSA, 0, 0, 0, 200, 30, 0, panel);
    watch(plain);
    const LONG_PTR own = GetWindowLongPtrA(plain, GWLP_WNDPROC);
    host.skin();

    const auto& bars = host.record().trackBars;
    ASSERT_EQ(bars.size(), 2u);
    EXPECT_EQ(bars[0].hwnd, plain);
    EXPECT_FALSE(bars[0].vertical);
    EXPECT_EQ(bars[0].tickMode, TicksBottomOrRight);
    EXPECT_FALSE(bars[0].selectionRange);
    EXPECT_EQ(bars[1].hwnd, vertical);
    EXPECT_TRUE(bars[1].vertical);
    EXPECT_EQ(bars[1].tickMode, TicksBoth);
    EXPECT_TRUE(bars[1].selectionRange);
    EXPECT_EQ(GetPropA(nested, prop::index), nullptr);  // not a direct child

    EXPECT_EQ(intProperty(plain, prop::index), 1);
    EXPECT_EQ(intProperty(vertical, prop::index), 2);
    EXPECT_EQ(intProperty(plain, prop::ownerIndex), host.windowIndex());
    EXPECT_EQ(GetWindowLongPtrA(plain, GWLP_WNDPROC), reinterpret_cast<LONG_PTR>(&TrackBarProc));
    EXPECT_EQ(reinterpret_cast<LONG_PTR>(GetPropA(plain, prop::previousProc)), own);
    EXPECT_EQ(reinterpret_cast<LONG_PTR>(bars[0].previousProc), own);

    // What the skin does not handle still reaches the procedure it replaced.
    underneath().messages.clear();
    SendMessageA(plain, TBM_SETPOS, TRUE, 40);
    EXPECT_TRUE(sawMessage(TBM_SETPOS));
    EXPECT_EQ(SendMessageA(plain, TBM_GETPOS, 0, 0), 40);

    InstallTrackBars(host.engine, host.windowIndex(), host.window);  // again: nothing new
    EXPECT_EQ(host.record().trackBars.size(), 2u);
}

TEST(TrackBarInstaller, LeavesEveryTrackBarWhileControlSkinningIsOff) {
    Host host;
    HWND bar = host.child(TRACKBAR_CLASSA, 0, 10, 10, 200, 30);
    const LONG_PTR own = GetWindowLongPtrA(bar, GWLP_WNDPROC);
    host.engine.settings.controlSkinning = false;
    host.skin();
    EXPECT_TRUE(host.record().trackBars.empty());
    EXPECT_EQ(GetWindowLongPtrA(bar, GWLP_WNDPROC), own);
    EXPECT_EQ(GetPropA(bar, prop::index), nullptr);
}

TEST(TrackBarStyles, TickModeFollowsTheStrongestStyle) {
    const struct {
        LONG style;
        int mode;
    } cases[] = {
        {0, TicksBottomOrRight},
        {TBS_TOP, TicksTopOrLeft},
        {TBS_BOTH, TicksBoth},
        {TBS_TOP | TBS_BOTH, TicksTopOrLeft},
        {TBS_NOTICKS | TBS_TOP | TBS_BOTH, NoTicks},
    };
    for (const auto& c : cases) EXPECT_EQ(tickModeOf(c.style), c.mode) << c.style;
}

TEST(TrackBarStyles, AVerticalChannelIsReadAlongTheBar) {
    const RECT asIfHorizontal{8, 10, 192, 14};
    const RECT standing{10, 8, 14, 192};
    for (const RECT& given : {asIfHorizontal, standing}) {
        const RECT r = channelAlongTheBar(given, true);
        EXPECT_EQ(r.left, 8);
        EXPECT_EQ(r.top, 10);
        EXPECT_EQ(r.right, 192);
        EXPECT_EQ(r.bottom, 14);
    }
    const RECT r = channelAlongTheBar(standing, false);  // a horizontal bar is taken as it is
    EXPECT_EQ(r.left, 10);
}

TrackBarReading horizontalReading(float pos) {
    TrackBarReading r;
    r.channel = {8, 10, 192, 14};
    r.thumb = {50, 4, 61, 24};
    r.pos = pos;
    r.min = 0;
    r.max = 100;
    return r;
}

TEST(TrackBarShapesTest, KnobIsADotUntilHoveredAndShiftsWithTheTicks) {
    TrackBarEntry bar;
    const struct {
        bool hovered;
        int tickMode;
        float pos;
        gdip::RectF knob;
        float lineLength;
    } cases[] = {
        {false, TicksBottomOrRight, 30, {50, 9.5f, 4, 4}, 41},
        {false, TicksBottomOrRight, 100, {58, 9.5f, 4, 4}, 51},  // at the end: 8 further, line 10 longer
        {true, TicksBottomOrRight, 30, {50, 6, 11, 11}, 41},
        {true, NoTicks, 30, {50, 6, 11, 11}, 41},
        {true, TicksTopOrLeft, 30, {50, 8, 11, 11}, 41},
        {true, TicksBoth, 30, {50, 7, 11, 11}, 41},
    };
    for (const auto& c : cases) {
        bar.hovered = c.hovered;
        bar.tickMode = c.tickMode;
        const TrackBarShapes shapes = trackBarShapes(bar, horizontalReading(c.pos));
        SCOPED_TRACE(testing::Message() << "hovered " << c.hovered << " ticks " << c.tickMode << " pos " << c.pos);
        EXPECT_FLOAT_EQ(shapes.knob.x, c.knob.x);
        EXPECT_FLOAT_EQ(shapes.knob.y, c.knob.y);
        EXPECT_FLOAT_EQ(shapes.knob.width, c.knob.width);
        EXPECT_FLOAT_EQ(shapes.knob.height, c.knob.height);
        EXPECT_FLOAT_EQ(shapes.valueLine.x, 8);
        EXPECT_FLOAT_EQ(shapes.valueLine.y, 11);
        EXPECT_FLOAT_EQ(shapes.valueLine.width, c.lineLength);
        EXPECT_FLOAT_EQ(shapes.channel.height, 4);
        EXPECT_FALSE(shapes.selection.has_value());
    }
}

TEST(TrackBarShapesTest, VerticalBarsTurnTheChannelAndTheSelectionFollowsTheRange) {
    TrackBarEntry bar;
    bar.vertical = true;
    bar.selectionRange = true;
    TrackBarReading r;
    r.channel = {8, 10, 192, 20};  // along 8..192, across 10..20
    r.thumb = {4, 70, 24, 81};
    r.pos = 30;
    r.min = 50;
    r.max = 150;
    r.selectionStart = 75;
    r.selectionEnd = 100;
    const TrackBarShapes shapes = trackBarShapes(bar, r);
    // A thin strip in the middle of the channel's breadth, standing upright.
    EXPECT_FLOAT_EQ(shapes.channel.x, 13);
    EXPECT_FLOAT_EQ(shapes.channel.y, 8);
    EXPECT_FLOAT_EQ(shapes.channel.width, 4);
    EXPECT_FLOAT_EQ(shapes.channel.height, 184);
    EXPECT_FLOAT_EQ(shapes.knob.x, 12.5f);
    EXPECT_FLOAT_EQ(shapes.knob.y, 70);
    EXPECT_FLOAT_EQ(shapes.valueLine.x, 14);
    EXPECT_FLOAT_EQ(shapes.valueLine.height, 61);
    // 75..100 of 50..150 is the second quarter of the 184-pixel channel.
    ASSERT_TRUE(shapes.selection.has_value());
    EXPECT_FLOAT_EQ(shapes.selection->y, 8 + 46 - 1);
    EXPECT_FLOAT_EQ(shapes.selection->height, 46);
    EXPECT_FLOAT_EQ(shapes.selection->x, 14);
}

class SkinnedTrackBar : public ::testing::Test {
protected:
    Host host;
    HWND bar = nullptr;
    void SetUp() override {
        bar = host.child(TRACKBAR_CLASSA, TBS_NOTICKS, 20, 20, 220, 32);
        SendMessageA(bar, TBM_SETRANGE, FALSE, MAKELPARAM(0, 100));
        SendMessageA(bar, TBM_SETPOS, TRUE, 50);
        watch(bar);
        host.engine.settings.accentColor = RGB(255, 0, 0);
        host.skin();
    }
    RECT thumb() {
        RECT r{};
        SendMessageA(bar, TBM_GETTHUMBRECT, 0, reinterpret_cast<LPARAM>(&r));
        return r;
    }
    RECT channel() {
        RECT r{};
        SendMessageA(bar, TBM_GETCHANNELRECT, 0, reinterpret_cast<LPARAM>(&r));
        return r;
    }
};

TEST_F(SkinnedTrackBar, TheMouseGrowsTheKnobAndTheValueLineIsAccent) {
    const RECT t = thumb(), c = channel();
    const int middleOfKnob = t.left + 5;
    const int acrossKnob = c.top + (c.bottom - c.top - 4) / 2 - 4 + 5 - 4;  // above the dot, inside the knob
    SendMessageA(bar, WM_NCPAINT, 1, 0);
    const COLORREF idle = windowPixel(bar, middleOfKnob, acrossKnob);
    EXPECT_TRUE(reddish(windowPixel(bar, c.left + 10, c.top + 1)));  // the value line

    SendMessageA(bar, WM_MOUSEMOVE, 0, MAKELPARAM(middleOfKnob, 10));
    EXPECT_TRUE(host.record().trackBars[0].hovered);
    EXPECT_EQ(host.record().hotControlKind, 2);
    const COLORREF hovered = windowPixel(bar, middleOfKnob, acrossKnob);
    EXPECT_NE(hovered, idle);
    EXPECT_GT(GetRValue(hovered) + GetGValue(hovered) + GetBValue(hovered), 3 * 200) << std::hex << hovered;

    SendMessageA(bar, WM_MOUSELEAVE, 0, 0);
    EXPECT_FALSE(host.record().trackBars[0].hovered);
    EXPECT_EQ(windowPixel(bar, middleOfKnob, acrossKnob), idle);
    EXPECT_TRUE(sawMessage(WM_MOUSELEAVE));  // passed on
    EXPECT_EQ(host.engine.snapshots().size(), 0);
}

TEST_F(SkinnedTrackBar, TheControlsOwnPaintingNeverShows) {
    underneath().messages.clear();
    RedrawWindow(bar, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_UPDATENOW);
    EXPECT_FALSE(sawMessage(WM_PAINT));
    EXPECT_FALSE(sawMessage(WM_ERASEBKGND));
    EXPECT_FALSE(sawMessage(WM_NCPAINT));
    EXPECT_EQ(host.engine.snapshots().size(), 0);
}

TEST_F(SkinnedTrackBar, AtItsEndTheTrackBarLeavesNoPropertyOrSnapshot) {
    SendMessageA(bar, WM_NCPAINT, 1, 0);
    DestroyWindow(bar);
    EXPECT_EQ(underneath().propertiesAtEnd, 0);
    EXPECT_EQ(host.record().trackBars[0].hwnd, nullptr);
    EXPECT_EQ(host.engine.snapshots().size(), 0);
}

}  // namespace
