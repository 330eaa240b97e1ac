#include "gdiplus/pen.h"

#include "gdiplus/brush.h"
#include "gdiplus/flat_api.h"

namespace gdip {

int detail::deletePen(Gdiplus::GpPen* pen) { return flat::invoke(flat::GdipDeletePen(), pen); }

bool Pen::create(Argb color, float width, int unit) {
    Gdiplus::GpPen* created = nullptr;
    return adopt(flat::call(flat::GdipCreatePen1(), color, width, unit, &created), created);
}

bool Pen::create(const Brush& brush, float width, int unit) {
    Gdiplus::GpPen* created = nullptr;
    return adopt(flat::call(flat::GdipCreatePen2(), brush.handle(), width, unit, &created), created);
}

bool Pen::setWidth(float width) { return flat::ok(flat::GdipSetPenWidth(), native_, width); }

float Pen::width() const { return flat::read<float>(flat::GdipGetPenWidth(), native_); }

}  // namespace gdip
