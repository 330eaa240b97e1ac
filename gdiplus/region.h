#pragma once
// A GDI+ region and its scans: the rectangles, top to bottom, that make it up.
#include <vector>

#include "gdiplus/geometry.h"
#include "gdiplus/native_object.h"

namespace gdip {

class GraphicsPath;

namespace detail {
int deleteRegion(Gdiplus::GpRegion* region);
}

class Region : public NativeObject<Gdiplus::GpRegion, detail::deleteRegion> {
public:
    // An infinite region.
    bool create();
    bool create(const RectF& rect);
    bool create(const GraphicsPath& path);

    std::vector<RectF> scans() const;
    std::vector<Rect> scansI() const;
};

}  // namespace gdip
