#pragma once
// The back buffer of a skinned window and the two caches cut from it (the bare title bar
// and the bare status-bar area), made by a full paint and released with the window; the
// rounded outline; and the nudge that makes the window's own controls repaint.
#include <windows.h>

namespace skin {

struct SkinWindowRecord;

// Gives the window the outline CreateRoundRectRgn(0, 0, W + 1, H + 1, 5, 5) of its W x H
// client area. The window owns the region.
void roundWindow(HWND window);

// Invalidates the skinned controls that sit directly on the window (and the visible
// children of its list-like controls); controls inside containers are left alone.
void repaintChildControls(const SkinWindowRecord& record);

// Frees the back buffer with its bitmaps and both caches, each object once, and clears
// the record's handles and the window's back-buffer properties. For the window's
// teardown; a record that was never painted is left as it is.
void releasePaintSurfaces(SkinWindowRecord& record);

}  // namespace skin
