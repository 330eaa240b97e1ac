#pragma once
// Skinned progress bars: a soft plate and a rounded accent bar whose length follows the
// position. The control's own painting is never shown.
#include <windows.h>

namespace skin {

class SkinEngine;

// The bar of a width x height progress bar at `pos` in low..high, in window
// coordinates: from the left when horizontal, from the bottom when vertical. Empty when
// the range is empty; positions outside the range are held to its ends.
RECT progressBarArea(int width, int height, int pos, int low, int high, bool vertical);

void PaintProgressBar(SkinEngine& engine, int windowIndex, int index);
LRESULT CALLBACK ProgressBarProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace skin
