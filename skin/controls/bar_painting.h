#pragma once
// Track bars and progress bars are painted whole, frame included, on a snapshot of the
// window background under them, and the result goes to their window DC.
#include <windows.h>

#include "gdiplus/graphics.h"
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

// The soft plate under both kinds: a faint rounded outline and, inside it, a gradient
// from translucent white to a light shadow across the bar (left to right when vertical,
// top to bottom when horizontal).
void drawBarPlate(gdip::Graphics& graphics, int width, int height, bool vertical, int outlineAlpha, int innerCorner);

}  // namespace skin
