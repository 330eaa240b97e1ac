#include "gdiplus/bitmap.h"

#include <algorithm>
#include <cmath>

#include "gdiplus/brush.h"
#include "gdiplus/flat_api.h"
#include "gdiplus/graphics.h"

namespace gdip {

namespace {

Gdiplus::GpBitmap* asBitmap(Gdiplus::GpImage* image) { return static_cast<Gdiplus::GpBitmap*>(image); }

}  // namespace

bool Bitmap::create(int width, int height, int pixelFormat) {
    clear();
    Gdiplus::GpBitmap* created = nullptr;
    return adopt(flat::call(flat::GdipCreateBitmapFromScan0(), width, height, 0, pixelFormat, nullptr, &created),
                 created);
}

bool Bitmap::create(HICON icon) {
    clear();
    Gdiplus::GpBitmap* created = nullptr;
    return adopt(flat::call(flat::GdipCreateBitmapFromHICON(), icon, &created), created);
}

HBITMAP Bitmap::createHBITMAP(Argb background) const {
    HBITMAP made = nullptr;
    return flat::call(flat::GdipCreateHBITMAPFromBitmap(), asBitmap(native_), &made, background) == Ok ? made
                                                                                                      : nullptr;
}

Argb Bitmap::pixel(int x, int y) const {
    return flat::read<Gdiplus::ARGB>(flat::GdipBitmapGetPixel(), asBitmap(native_), x, y);
}

bool Bitmap::setResolution(float dpiX, float dpiY) {
    return flat::ok(flat::GdipBitmapSetResolution(), asBitmap(native_), dpiX, dpiY);
}

PointF rotatedSize(float width, float height, float angle) {
    const double a = (width - 1) / 2.0, b = (height - 1) / 2.0;
    const double r = angle * 3.1415926535 / 180;
    auto turnedX = [&](double x, double y) { return x * std::cos(r) + y * std::sin(r); };
    auto turnedY = [&](double x, double y) { return -x * std::sin(r) + y * std::cos(r); };
    // Corners 1 (-a, b) and 4 (a, -b) span one diagonal, 2 (a, b) and 3 (-a, -b) the other.
    const double w = std::max(std::fabs(turnedX(a, -b) - turnedX(-a, b)), std::fabs(turnedX(-a, -b) - turnedX(a, b)));
    const double h = std::max(std::fabs(turnedY(a, -b) - turnedY(-a, b)), std::fabs(turnedY(-a, -b) - turnedY(a, b)));
    return {static_cast<float>(w), static_cast<float>(h)};
}

bool Bitmap::rotatedCopy(float angle, Bitmap& target, const RotateOptions& options) const {
    const float w = static_cast<float>(width()), h = static_cast<float>(height());
    const PointF size = options.size.value_or(rotatedSize(w, h, angle));
    Bitmap turned;
    if (!turned.create(static_cast<int>(size.x), static_cast<int>(size.y))) return false;
    turned.setResolution(horizontalResolution(), verticalResolution());
    Graphics graphics;
    if (!graphics.create(turned)) return false;
    if (options.background) {
        SolidBrush fill;
        fill.create(*options.background);
        graphics.fillRectangle(fill, 0, 0, size.x, size.y);
    }
    if (options.interpolation) graphics.setInterpolationMode(*options.interpolation);
    // Turn about the target's centre after centring the source in the target.
    graphics.translateTransform(size.x / 2, size.y / 2);
    graphics.rotateTransform(angle);
    graphics.translateTransform(-size.x / 2, -size.y / 2);
    graphics.translateTransform((size.x - w) / 2, (size.y - h) / 2);
    if (!graphics.drawImage(*this, 0, 0)) return false;
    target = std::move(turned);
    return true;
}

}  // namespace gdip
