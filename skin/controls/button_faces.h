#pragma once
// The painters of owner-drawn buttons of a skinned window, by kind of entry: push buttons
// and the two kinds of image buttons. Each paints into `dc` over `rect`; `state` holds
// the owner-draw state bits.
#include <windows.h>

namespace skin {

class SkinEngine;

void PaintPushButtonFace(SkinEngine& engine, HWND button, HDC dc, UINT state, const RECT& rect);
void PaintImageButtonFace(SkinEngine& engine, HWND button, HDC dc, UINT state, const RECT& rect);
void PaintMultiImageButtonFace(SkinEngine& engine, HWND button, HDC dc, UINT state, const RECT& rect);

}  // namespace skin
