#pragma once
// Colours are kept as Windows COLORREF values (red in the low byte); GDI+ takes ARGB.
#include <windows.h>

#include "gdiplus/geometry.h"

namespace skin {

// Swaps red and blue and puts the alpha (opaque unless given) on top. The COLORREF's top
// byte is ignored.
constexpr gdip::Argb toArgb(COLORREF color, int alpha = 255) {
    return (static_cast<gdip::Argb>(alpha & 0xFF) << 24) | ((color & 0xFF) << 16) | (color & 0xFF00) |
           ((color >> 16) & 0xFF);
}

// An ARGB value from its four parts, written alpha first as GDI+ does.
constexpr gdip::Argb argb(int alpha, int red, int green, int blue) {
    return (static_cast<gdip::Argb>(alpha) << 24) | (red << 16) | (green << 8) | blue;
}

}  // namespace skin
