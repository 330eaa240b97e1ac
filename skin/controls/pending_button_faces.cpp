// Button faces whose units are not written yet; each paints nothing. A unit that
// implements a face takes its definition out of here.
#include "skin/controls/button_faces.h"

namespace skin {

void PaintImageButtonFace(SkinEngine&, HWND, HDC, UINT, const RECT&) {}
void PaintMultiImageButtonFace(SkinEngine&, HWND, HDC, UINT, const RECT&) {}

}  // namespace skin
