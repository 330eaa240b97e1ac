#include "gdiplus/brush.h"

#include "gdiplus/flat_api.h"
#include "gdiplus/graphics_path.h"

namespace gdip {

int detail::deleteBrush(Gdiplus::GpBrush* brush) { return flat::invoke(flat::GdipDeleteBrush(), brush); }

bool SolidBrush::create(Argb color) {
    Gdiplus::GpSolidFill* created = nullptr;
    return adopt(flat::call(flat::GdipCreateSolidFill(), color, &created), created);
}

bool LinearGradientBrush::create(PointF from, PointF to, Argb fromColor, Argb toColor, int wrapMode) {
    const Gdiplus::PointF a(from.x, from.y), b(to.x, to.y);
    Gdiplus::GpLineGradient* created = nullptr;
    return adopt(flat::call(flat::GdipCreateLineBrush(), &a, &b, fromColor, toColor, wrapMode, &created), created);
}

bool LinearGradientBrush::setPresetBlend(const std::vector<Argb>& colors, const std::vector<float>& positions) {
    if (colors.size() != positions.size()) {
        flat::record(InvalidParameter);
        return false;
    }
    return flat::ok(flat::GdipSetLinePresetBlend(), native_, colors.data(), positions.data(),
                    static_cast<INT>(colors.size()));
}

bool LinearGradientBrush::setLinearBlend(float focus, float scale) {
    return flat::ok(flat::GdipSetLineLinearBlend(), native_, focus, scale);
}

bool PathGradientBrush::create(const GraphicsPath& path) {
    Gdiplus::GpPathGradient* created = nullptr;
    return adopt(flat::call(flat::GdipCreatePathGradientFromPath(), path.handle(), &created), created);
}

bool PathGradientBrush::setCenterColor(Argb color) {
    return flat::ok(flat::GdipSetPathGradientCenterColor(), native_, color);
}

bool PathGradientBrush::setSurroundColors(const std::vector<Argb>& colors) {
    INT count = static_cast<INT>(colors.size());
    return flat::ok(flat::GdipSetPathGradientSurroundColorsWithCount(), native_, colors.data(), &count);
}

}  // namespace gdip
