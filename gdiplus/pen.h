#pragma once
// A GDI+ pen: the lines of frames, outlines and glows.
#include "gdiplus/geometry.h"
#include "gdiplus/native_object.h"

namespace gdip {

class Brush;

namespace detail {
int deletePen(Gdiplus::GpPen* pen);
}

class Pen : public NativeObject<Gdiplus::GpPen, detail::deletePen> {
public:
    // unit: 0 world, 2 pixel.
    bool create(Argb color, float width, int unit = 0);
    bool create(const Brush& brush, float width, int unit = 0);
    bool setWidth(float width);
    float width() const;
};

}  // namespace gdip
