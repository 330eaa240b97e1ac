#include "skin/controls/progress_bar.h"

#include <commctrl.h>

#include <algorithm>

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

void drawBar(SkinEngine& engine, const ProgressBarEntry& bar, gdip::Graphics& graphics, int width, int height) {
    drawBarPlate(graphics, width, height, bar.vertical, 50, 1);
    PBRANGE range{};
    SendMessageA(bar.hwnd, PBM_GETRANGE, 0, reinterpret_cast<LPARAM>(&range));
    const int pos = static_cast<int>(SendMessageA(bar.hwnd, PBM_GETPOS, 0, 0));
    const RECT area = progressBarArea(width, height, pos, range.iLow, range.iHigh, bar.vertical);
    const float x = static_cast<float>(area.left), y = static_cast<float>(area.top);
    const float w = static_cast<float>(area.right - area.left), h = static_cast<float>(area.bottom - area.top);
    if (w <= 0 || h <= 0) return;
    const gdip::PointF to = bar.vertical ? gdip::PointF{static_cast<float>(width - 1), y} : gdip::PointF{0, static_cast<float>(height - 1)};
    gdip::GraphicsPath path;
    gdip::LinearGradientBrush shade;
    gdip::Pen pen;
    if (!path.create()) return;
    addRoundedRect(path, x + 1, y + 1, w - 3, h - 3, 3);
    const COLORREF accent = engine.settings.accentColor;
    if (shade.create({0, bar.vertical ? y : 0}, to, 0x5AFFFFFF, toArgb(accent, 255))) graphics.fillPath(shade, path);
    if (pen.create(toArgb(accent, 150), 1.0f)) graphics.drawPath(pen, path);
}

}  // namespace

RECT progressBarArea(int width, int height, int pos, int low, int high, bool vertical) {
    if (high <= low) return RECT{};
    // The share of the range below the position: the low end counts from the start.
    const double share = (std::clamp(pos, low, high) - static_cast<double>(low)) / (static_cast<double>(high) - low);
    if (!vertical) return RECT{0, 0, static_cast<LONG>(width * share), height};
    const LONG length = static_cast<LONG>(height * share);
    return RECT{0, height - length, width, height};
}

void PaintProgressBar(SkinEngine& engine, int windowIndex, int index) {
    const ProgressBarEntry& bar = engine.registry().at(windowIndex).progressBars.at(index - 1);
    paintOnWindowBackground(engine, bar.hwnd, [&](gdip::Graphics& graphics, int width, int height) {
        drawBar(engine, bar, graphics, width, height);
    });
}

LRESULT CALLBACK ProgressBarProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    return runControlProcedure(&SkinWindowRecord::progressBars, hwnd, message, wParam, lParam,
                               [&](SkinEngine& engine, const ControlLookup<ProgressBarEntry>& slot) {
                                   const auto paint = [&] { PaintProgressBar(engine, slot.windowIndex, slot.index); };
                                   return answerBarPainting(hwnd, message, wParam, paint);
                               });
}

void InstallProgressBars(SkinEngine& engine, int windowIndex, HWND parent) {
    installBars(engine, windowIndex, parent, PROGRESS_CLASSA, &SkinWindowRecord::progressBars, ProgressBarProc,
                [](ProgressBarEntry& bar, LONG style) { bar.vertical = (style & PBS_VERTICAL) != 0; });
}

}  // namespace skin
