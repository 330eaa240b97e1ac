#pragma once
// The back buffer of a skinned window and the two caches cut from it (the bare title bar
// and the bare status-bar area) are made by a full paint and released with the window
// (window_teardown.cpp). Here too: the rounded outline, and the nudge that makes the
// window's own controls repaint.
#include <windows.h>

namespace skin {

struct SkinWindowRecord;

// Gives the window the outline CreateRoundRectRgn(0, 0, W + 1, H + 1, 5, 5) of its W x H
// client area. The window owns the region.
void roundWindow(HWND window);

// Invalidates, erasing, every visible direct child of the window.
void InvalidateVisibleChildren(HWND window);

// Invalidates the skinned controls that sit directly on the window (and the visible
// children of its list-like controls); controls inside containers are left alone.
void repaintChildControls(const SkinWindowRecord& record);

// False when the back buffer holds an image of another size than width x height: the
// window has been sized since its last full paint. True before the first full paint,
// which comes anyway.
bool backBufferFits(const SkinWindowRecord& record, int width, int height);

}  // namespace skin
