#pragma once
// Track bars and progress bars are painted whole, frame included, on a snapshot of the
// window background under them, and the result goes to their window DC.
#include <windows.h>

#include <optional>
#include <vector>

#include "gdiplus/graphics.h"
#include "skin/controls/control_subclass.h"
#include "skin/engine/background_snapshot.h"

namespace skin {

class SkinEngine;

// Runs `draw(graphics, width, height)` on a snapshot of the background under the whole
// control and copies the snapshot to the control's window DC.
template <typename Draw>
void paintOnWindowBackground(SkinEngine& engine, HWND control, Draw draw) {
    RECT area{};
    GetWindowRect(control, &area);
    const int width = area.right - area.left, height = area.bottom - area.top;
    HDC snapshot = snapshotBackground(engine, control, RECT{0, 0, width, height});
    if (!snapshot) return;
    {
        gdip::Graphics graphics;
        if (graphics.create(snapshot)) {
            graphics.setSmoothingMode(4);  // anti-alias: the knob and the corners are round
            draw(graphics, width, height);
        }
    }
    HDC dc = GetWindowDC(control);
    BitBlt(dc, 0, 0, width, height, snapshot, 0, 0, SRCCOPY);
    ReleaseDC(control, dc);
    releaseSnapshot(engine, snapshot);
}

// The messages both kinds answer alike: their own painting never shows, and a move
// repaints at once (and is passed on). `paint()` paints the whole control; nothing is
// answered for other messages.
template <typename Paint>
std::optional<LRESULT> answerBarPainting(HWND control, UINT message, WPARAM wParam, Paint paint) {
    switch (message) {
    case WM_MOVE:
        paint();
        return std::nullopt;
    case WM_PAINT: {
        PAINTSTRUCT area{};
        BeginPaint(control, &area);
        paint();
        EndPaint(control, &area);
        return DefWindowProcA(control, WM_PAINT, 0, 0);
    }
    case WM_ERASEBKGND:
        SetBkMode(reinterpret_cast<HDC>(wParam), TRANSPARENT);
        return 1;
    case WM_NCPAINT:
        paint();
        return 1;
    }
    return std::nullopt;
}

// Takes each direct child of `parent` of the class that is not in `bars` yet: a new
// entry, `procedure` in place of the control's own, then `fill(entry, style)`.
template <typename Entry, typename Fill>
void installBars(SkinEngine& engine, int windowIndex, HWND parent, const char* className,
                 std::vector<Entry> SkinWindowRecord::*member, WNDPROC procedure, Fill fill) {
    if (!engine.settings.controlSkinning) return;
    std::vector<Entry>& bars = engine.registry().at(windowIndex).*member;
    for (HWND control = FindWindowExA(parent, nullptr, className, nullptr); control;
         control = FindWindowExA(parent, control, className, nullptr)) {
        if (entryIndexOf(bars, control)) continue;
        fill(installControl(bars, windowIndex, control, procedure), GetWindowLongA(control, GWL_STYLE));
    }
}

// The soft plate under both kinds: a faint rounded outline and, inside it, a gradient
// from translucent white to a light shadow across the bar (left to right when vertical,
// top to bottom when horizontal).
void drawBarPlate(gdip::Graphics& graphics, int width, int height, bool vertical, int outlineAlpha, int innerCorner);

}  // namespace skin
