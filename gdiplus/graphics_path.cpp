#include "gdiplus/graphics_path.h"

#include <algorithm>

#include "gdiplus/flat_api.h"

namespace gdip {

static_assert(sizeof(PointF) == sizeof(Gdiplus::PointF), "points are handed to GDI+ as they are");

int detail::deletePath(Gdiplus::GpPath* path) { return flat::invoke(flat::GdipDeletePath(), path); }

bool GraphicsPath::create(int fillMode) {
    Gdiplus::GpPath* created = nullptr;
    return adopt(flat::call(flat::GdipCreatePath(), fillMode, &created), created);
}

bool GraphicsPath::reset() { return flat::ok(flat::GdipResetPath(), native_); }

bool GraphicsPath::closeFigure() { return flat::ok(flat::GdipClosePathFigure(), native_); }

bool GraphicsPath::addLine(float x1, float y1, float x2, float y2) {
    return flat::ok(flat::GdipAddPathLine(), native_, x1, y1, x2, y2);
}

bool GraphicsPath::addArc(float x, float y, float width, float height, float startAngle, float sweepAngle) {
    return flat::ok(flat::GdipAddPathArc(), native_, x, y, width, height, startAngle, sweepAngle);
}

bool GraphicsPath::addRectangle(float x, float y, float width, float height) {
    return flat::ok(flat::GdipAddPathRectangle(), native_, x, y, width, height);
}

bool GraphicsPath::addEllipse(float x, float y, float width, float height) {
    return flat::ok(flat::GdipAddPathEllipse(), native_, x, y, width, height);
}

bool GraphicsPath::addRoundedRectPercent(float x, float y, float width, float height, int percent) {
    percent = std::clamp(percent, 1, 100);
    const float cw = static_cast<float>(static_cast<int>(width * percent / 100));
    const float ch = static_cast<float>(static_cast<int>(height * percent / 100));
    const float right = x + width, bottom = y + height;
    // Stops at a failed arc, so that its status is the one left behind.
    return addArc(right - cw, y, cw, ch, 270, 90) && addArc(right - cw, bottom - ch, cw, ch, 0, 90) &&
           addArc(x, bottom - ch, cw, ch, 90, 90) && addArc(x, y, cw, ch, 180, 90) && closeFigure();
}

int GraphicsPath::pointCount() const { return flat::read<INT>(flat::GdipGetPointCount(), native_); }

std::vector<PointF> GraphicsPath::points() const {
    std::vector<PointF> result(pointCount());
    if (result.empty()) return result;
    auto* target = reinterpret_cast<Gdiplus::GpPointF*>(result.data());
    if (flat::call(flat::GdipGetPathPoints(), native_, target, static_cast<INT>(result.size())) != Ok) return {};
    return result;
}

}  // namespace gdip
