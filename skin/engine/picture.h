#pragma once
// Background pictures as windows get them: their mean colour, which becomes the colour
// under them, and a copy whose side and bottom fade into that colour so that a picture
// placed at a corner runs smoothly into the rest of the window.
#include <windows.h>

#include <array>
#include <string>

#include "gdiplus/geometry.h"

namespace skin {

// The mean colour of 2000 pixels drawn at random positions (from a fixed seed, so a
// picture always gets the same colour). Black when the picture cannot be read.
COLORREF averageColor(const gdip::Bytes& picture);
COLORREF averageColorOfFile(const std::string& fileName);

// One fade: a linear gradient from `from` to `to` filling `area`.
struct PictureFade {
    gdip::PointF from, to;
    gdip::Argb fromColor = 0, toColor = 0;
    gdip::RectF area;
};

// The side fade (into the right edge, or out of the left one) and the bottom fade of a
// width x height picture, each 30 % of the width deep.
std::array<PictureFade, 2> pictureFades(int width, int height, COLORREF base, bool rightEdge);

// A PNG copy of the picture with the two fades laid over it; empty when the picture
// cannot be read.
gdip::Bytes preparePicture(const gdip::Bytes& picture, COLORREF base, bool rightEdge = true);
gdip::Bytes preparePictureFile(const std::string& fileName, COLORREF base, bool rightEdge = true);

}  // namespace skin
