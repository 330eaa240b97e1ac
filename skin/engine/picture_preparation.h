#pragma once
// Background pictures as the engine keeps them: their mean colour, and a copy with two
// edges faded into a base colour. A picture is given as encoded bytes or as a file.
#include <windows.h>

#include <string>

#include "gdiplus/geometry.h"

namespace skin {

// The mean colour of 2000 randomly chosen pixels; black when the picture cannot be read.
COLORREF averageColor(const gdip::Bytes& picture);
COLORREF averageColor(const std::string& fileName);

// A PNG copy with the right (or, without rightEdge, the left) and the bottom edge faded
// into the base colour; empty when the picture cannot be read.
gdip::Bytes preparePicture(const gdip::Bytes& picture, COLORREF baseColor, bool rightEdge = true);
gdip::Bytes preparePicture(const std::string& fileName, COLORREF baseColor, bool rightEdge = true);

}  // namespace skin
