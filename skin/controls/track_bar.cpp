#include "skin/controls/track_bar.h"

#include <commctrl.h>

#include "gdiplus/brush.h"
#include "gdiplus/graphics_path.h"
#include "gdiplus/pen.h"
#include "skin/controls/bar_painting.h"
#include "skin/controls/control_installers.h"
#include "skin/controls/control_subclass.h"
#include "skin/engine/argb.h"
#include "skin/engine/path_shapes.h"

namespace skin {

namespace {

constexpr int hotKindTrackBar = 2;

float floatOf(LONG value) { return static_cast<float>(value); }

TrackBarReading readTrackBar(const TrackBarEntry& entry) {
    const HWND bar = entry.hwnd;
    TrackBarReading reading;
    SendMessageA(bar, TBM_GETCHANNELRECT, 0, reinterpret_cast<LPARAM>(&reading.channel));
    reading.channel = channelAlongTheBar(reading.channel, entry.vertical);
    SendMessageA(bar, TBM_GETTHUMBRECT, 0, reinterpret_cast<LPARAM>(&reading.thumb));
    reading.pos = static_cast<float>(SendMessageA(bar, TBM_GETPOS, 0, 0));
    reading.min = static_cast<float>(SendMessageA(bar, TBM_GETRANGEMIN, 0, 0));
    reading.max = static_cast<float>(SendMessageA(bar, TBM_GETRANGEMAX, 0, 0));
    reading.selectionStart = static_cast<float>(SendMessageA(bar, TBM_GETSELSTART, 0, 0));
    reading.selectionEnd = static_cast<float>(SendMessageA(bar, TBM_GETSELEND, 0, 0));
    return reading;
}

// Along the channel, where a value of the range lies.
float channelOffset(const TrackBarReading& r, float value) {
    const float range = r.max - r.min;
    if (range <= 0) return 0;
    return (value - r.min) * floatOf(r.channel.right - r.channel.left) / range;
}

// Swaps the axes for a vertical bar: shapes are worked out along and across the channel.
gdip::RectF oriented(bool vertical, float along, float across, float length, float thickness) {
    return vertical ? gdip::RectF{across, along, thickness, length} : gdip::RectF{along, across, length, thickness};
}

void fillEllipse(gdip::Graphics& graphics, const gdip::RectF& r, const gdip::Brush& brush) {
    gdip::GraphicsPath path;
    if (!path.create() || !path.addEllipse(r.x, r.y, r.width, r.height)) return;
    graphics.fillPath(brush, path);
}

void outlineEllipse(gdip::Graphics& graphics, const gdip::RectF& r, gdip::Argb color) {
    gdip::GraphicsPath path;
    gdip::Pen pen;
    if (!path.create() || !path.addEllipse(r.x, r.y, r.width, r.height) || !pen.create(color, 1.0f)) return;
    graphics.drawPath(pen, path);
}

void outlineRect(gdip::Graphics& graphics, const gdip::RectF& r, gdip::Argb color) {
    gdip::Pen pen;
    if (pen.create(color, 1.0f)) graphics.drawRectangle(pen, r.x, r.y, r.width, r.height);
}

void drawChannel(gdip::Graphics& graphics, const gdip::RectF& strip, bool vertical) {
    gdip::GraphicsPath path;
    gdip::LinearGradientBrush shade;
    const gdip::PointF to = vertical ? gdip::PointF{strip.x + strip.width, strip.y}
                                     : gdip::PointF{strip.x, strip.y + strip.height};
    if (!path.create() || !shade.create({strip.x, strip.y}, to, 0x32000000, 0x1E000000)) return;
    addRoundedRect(path, strip.x, strip.y, strip.width, strip.height, 1);
    graphics.fillPath(shade, path);
}

void drawKnob(gdip::Graphics& graphics, const gdip::RectF& knob, const TrackBarReading& r) {
    gdip::SolidBrush white;
    if (white.create(0xFFFFFFFF)) fillEllipse(graphics, knob, white);
    gdip::LinearGradientBrush shade;
    const float depth = floatOf(r.channel.right - r.channel.left);
    if (shade.create({knob.x, knob.y}, {knob.x, knob.y + depth}, 0x00FFFFFF, 0x5A000000))
        fillEllipse(graphics, knob, shade);
    outlineEllipse(graphics, knob, 0x32000000);
}

void drawTrackBar(SkinEngine& engine, const TrackBarEntry& bar, gdip::Graphics& graphics, int width, int height) {
    const TrackBarReading reading = readTrackBar(bar);
    const TrackBarShapes shapes = trackBarShapes(bar, reading);
    if (engine.settings.trackBarFrame) drawBarPlate(graphics, width, height, bar.vertical, 30, 3);
    drawChannel(graphics, shapes.channel, bar.vertical);
    drawKnob(graphics, shapes.knob, reading);
    if (shapes.selection) outlineRect(graphics, *shapes.selection, 0xA0FFFFFF);
    outlineRect(graphics, shapes.valueLine, toArgb(engine.settings.accentColor, 200));
}

// The bar is repainted only when the mouse comes in from elsewhere.
void onMouseMove(SkinEngine& engine, const ControlLookup<TrackBarEntry>& slot) {
    trackMouseLeave(slot.entry->hwnd);
    SkinWindowRecord& record = *slot.window;
    record.hotControl = slot.index;
    if (record.lastHotControl != record.hotControl || record.hotControlKind != hotKindTrackBar) {
        slot.entry->hovered = true;
        PaintTrackBar(engine, slot.windowIndex, slot.index);
    }
    record.lastHotControl = record.hotControl;
    record.hotControlKind = hotKindTrackBar;
}

void onMouseLeave(SkinEngine& engine, const ControlLookup<TrackBarEntry>& slot) {
    slot.window->lastHotControl = 0;
    slot.entry->hovered = false;
    PaintTrackBar(engine, slot.windowIndex, slot.index);
}

}  // namespace

RECT channelAlongTheBar(const RECT& channel, bool vertical) {
    if (!vertical || channel.bottom - channel.top <= channel.right - channel.left) return channel;
    return RECT{channel.top, channel.left, channel.bottom, channel.right};
}

int tickModeOf(LONG style) {
    if (style & TBS_NOTICKS) return NoTicks;
    if (style & TBS_TOP) return TicksTopOrLeft;
    if (style & TBS_BOTH) return TicksBoth;
    return TicksBottomOrRight;
}

TrackBarShapes trackBarShapes(const TrackBarEntry& bar, const TrackBarReading& r) {
    const float cl = floatOf(r.channel.left), ct = floatOf(r.channel.top);
    const float length = floatOf(r.channel.right - r.channel.left), depth = floatOf(r.channel.bottom - r.channel.top);
    const float middle = ct + (depth - 4) / 2;
    const bool atEnd = r.pos == r.max;
    const bool vertical = bar.vertical;
    TrackBarShapes shapes;
    shapes.channel = bar.selectionRange ? oriented(vertical, cl, middle, length, 4) : oriented(vertical, cl, ct, length, depth);
    // Across the channel the knob starts (size - 3) / 2 before the strip.
    const float across = vertical ? shapes.channel.x : shapes.channel.y;
    const float thumbAlong = floatOf(vertical ? r.thumb.top : r.thumb.left);
    if (bar.hovered) {
        const float shift = bar.tickMode == TicksTopOrLeft ? 2.0f : bar.tickMode == TicksBoth ? 1.0f : 0.0f;
        shapes.knob = oriented(vertical, thumbAlong, across - 4 + shift, 11, 11);
    } else {
        shapes.knob = oriented(vertical, thumbAlong + (atEnd ? 8.0f : 0.0f), across - 0.5f, 4, 4);
    }
    if (bar.selectionRange) {
        // Start and end are values of the range, placed on the channel like the knob.
        const float start = channelOffset(r, r.selectionStart), end = channelOffset(r, r.selectionEnd);
        shapes.selection = oriented(vertical, cl + start - 1, middle + 1, end - start, 1);
    }
    const float lineAcross = bar.selectionRange ? middle + 1 : ct + 1;
    const float lineLength = thumbAlong - cl - 1 + (atEnd ? 10.0f : 0.0f);
    shapes.valueLine = oriented(vertical, cl, lineAcross, lineLength, 1);
    return shapes;
}

void PaintTrackBar(SkinEngine& engine, int windowIndex, int index) {
    const TrackBarEntry& bar = engine.registry().at(windowIndex).trackBars.at(index - 1);
    paintOnWindowBackground(engine, bar.hwnd, [&](gdip::Graphics& graphics, int width, int height) {
        drawTrackBar(engine, bar, graphics, width, height);
    });
}

LRESULT CALLBACK TrackBarProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    return runControlProcedure(&SkinWindowRecord::trackBars, hwnd, message, wParam, lParam,
                               [&](SkinEngine& engine, const ControlLookup<TrackBarEntry>& slot) {
                                   const auto paint = [&] { PaintTrackBar(engine, slot.windowIndex, slot.index); };
                                   const auto answer = answerBarPainting(hwnd, message, wParam, paint);
                                   if (message == WM_MOUSEMOVE) onMouseMove(engine, slot);
                                   if (message == WM_MOUSELEAVE) onMouseLeave(engine, slot);
                                   return answer;
                               });
}

void InstallTrackBars(SkinEngine& engine, int windowIndex, HWND parent) {
    installBars(engine, windowIndex, parent, TRACKBAR_CLASSA, &SkinWindowRecord::trackBars, TrackBarProc,
                [](TrackBarEntry& bar, LONG style) {
                    bar.vertical = (style & TBS_VERT) != 0;
                    bar.tickMode = tickModeOf(style);
                    bar.selectionRange = (style & TBS_ENABLESELRANGE) != 0;
                });
}

}  // namespace skin
