#pragma once
// A GDI+ path: the outlines the skin fills, strokes and clips to.
#include <vector>

#include "gdiplus/geometry.h"
#include "gdiplus/native_object.h"

namespace gdip {

namespace detail {
int deletePath(Gdiplus::GpPath* path);
}

class GraphicsPath : public NativeObject<Gdiplus::GpPath, detail::deletePath> {
public:
    // fillMode: 0 alternate, 1 winding.
    bool create(int fillMode = 0);
    bool reset();
    bool closeFigure();
    bool addLine(float x1, float y1, float x2, float y2);
    bool addArc(float x, float y, float width, float height, float startAngle, float sweepAngle);
    bool addRectangle(float x, float y, float width, float height);
    bool addEllipse(float x, float y, float width, float height);
    // A closed rectangle whose corners are arcs `percent` % of the width and of the
    // height across (percent clamped to 1..100; 100 makes the whole outline one
    // ellipse). The skin's addRoundedRect sizes its corners in pixels instead.
    bool addRoundedRectPercent(float x, float y, float width, float height, int percent);

    int pointCount() const;
    std::vector<PointF> points() const;
};

}  // namespace gdip
