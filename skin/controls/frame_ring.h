#pragma once
// The ring between a framed control's window rectangle and its client area with the
// scroll bars: edits and list-likes paint their own border there over the window
// picture, and leave the inside to the control.
#include <windows.h>

#include "gdiplus/graphics.h"

namespace skin {

class SkinEngine;

// The client area together with its scroll bars, in a window rectangle of `window`
// size, the border taken as equally thick on every side. `scrollBars` holds the
// vertical bar's width and the horizontal bar's height; each counts only when `style`
// has its bar.
RECT frameInnerRect(SIZE window, SIZE client, LONG style, SIZE scrollBars);

// The same for a real control, its bars measured by the system.
RECT frameInnerRect(HWND control);

// Clips `graphics` (over the whole window rectangle of `size`) to the ring outside
// `inner` and fills it with the white veil, or opaque white with transparent controls
// off. The clip stays on the ring.
void veilFrameRing(SkinEngine& engine, gdip::Graphics& graphics, SIZE size, const RECT& inner);

}  // namespace skin
