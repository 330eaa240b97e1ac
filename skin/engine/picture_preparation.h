#pragma once
// Background pictures as the engine keeps them: their mean colour, and a copy with two
// edges faded into a base colour.
#include <windows.h>

#include <array>
#include <string>

#include "gdiplus/geometry.h"

namespace skin {

// The mean colour of 2000 pixels at random positions (from a fixed seed, so a picture
// always gets the same colour); black when the picture cannot be read.
COLORREF averageColor(const gdip::Bytes& picture);

// A PNG copy with the right (or, without rightEdge, the left) and the bottom edge faded
// into the base colour; empty when the picture cannot be read.
gdip::Bytes preparePicture(const gdip::Bytes& picture, COLORREF baseColor, bool rightEdge = true);

// The picture as the engine keeps it for a placement mode: modes 0 and 1 fade the edge
// away from where the picture stands, the others keep it as it is.
gdip::Bytes pictureForMode(const gdip::Bytes& picture, int mode, COLORREF baseColor);

// A picture file's pixels as PNG bytes; empty when it cannot be read.
gdip::Bytes pictureFileBytes(const std::string& fileName);

// One fade: a linear gradient from `from` to `to` filling `area`.
struct PictureFade {
    gdip::PointF from, to;
    gdip::Argb fromColor = 0, toColor = 0;
    gdip::RectF area;
};

// The side fade (into the right edge, or out of the left one) and the bottom fade of a
// width x height picture, each 30 % of the width deep.
std::array<PictureFade, 2> pictureFades(int width, int height, COLORREF base, bool rightEdge);

}  // namespace skin
