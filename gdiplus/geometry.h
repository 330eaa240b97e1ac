#pragma once
// Plain value types of the GDI+ layer's interface.
#include <vector>

namespace gdip {

// A colour as GDI+ takes it: alpha in the top byte, then red, green, blue.
using Argb = unsigned long;  // the type of DWORD, as GDI+ declares ARGB

// An encoded picture (PNG, JPEG...) or any other run of bytes.
using Bytes = std::vector<unsigned char>;

struct PointF {
    float x = 0, y = 0;
};

struct RectF {
    float x = 0, y = 0, width = 0, height = 0;
};

struct Rect {
    int x = 0, y = 0, width = 0, height = 0;
};

}  // namespace gdip
