#pragma once
// Check boxes and radio buttons stay ordinary buttons: the button procedure paints them
// itself, straight into their own client area, on a copy of the window background.
// `state` holds owner-draw bits; only hover changes the look. The check state is read
// from the control at every paint.
#include <windows.h>

namespace skin {

class SkinEngine;

void PaintRadioButton(SkinEngine& engine, HWND control, UINT state);
void PaintCheckBox(SkinEngine& engine, HWND control, UINT state);

}  // namespace skin
