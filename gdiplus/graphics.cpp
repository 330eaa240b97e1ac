#include "gdiplus/graphics.h"

#include "gdiplus/brush.h"
#include "gdiplus/flat_api.h"
#include "gdiplus/font.h"
#include "gdiplus/graphics_path.h"
#include "gdiplus/image.h"
#include "gdiplus/pen.h"
#include "gdiplus/string_format.h"
#include "gdiplus/wide_text.h"

namespace gdip {

namespace {

Gdiplus::GpStringFormat* formatOf(const StringFormat* format) { return format ? format->handle() : nullptr; }

}  // namespace

int detail::deleteGraphics(Gdiplus::GpGraphics* graphics) {
    return flat::invoke(flat::GdipDeleteGraphics(), graphics);
}

bool Graphics::create(HDC dc) {
    Gdiplus::GpGraphics* created = nullptr;
    return adopt(flat::call(flat::GdipCreateFromHDC(), dc, &created), created);
}

bool Graphics::create(const Image& image) {
    Gdiplus::GpGraphics* created = nullptr;
    return adopt(flat::call(flat::GdipGetImageGraphicsContext(), image.handle(), &created), created);
}

bool Graphics::setCompositingQuality(int quality) {
    return flat::ok(flat::GdipSetCompositingQuality(), native_, quality);
}

bool Graphics::setInterpolationMode(int mode) { return flat::ok(flat::GdipSetInterpolationMode(), native_, mode); }

bool Graphics::setSmoothingMode(int mode) { return flat::ok(flat::GdipSetSmoothingMode(), native_, mode); }

bool Graphics::setPixelOffsetMode(int mode) { return flat::ok(flat::GdipSetPixelOffsetMode(), native_, mode); }

bool Graphics::translateTransform(float dx, float dy) {
    return flat::ok(flat::GdipTranslateWorldTransform(), native_, dx, dy, Gdiplus::MatrixOrderPrepend);
}

bool Graphics::rotateTransform(float angle) {
    return flat::ok(flat::GdipRotateWorldTransform(), native_, angle, Gdiplus::MatrixOrderPrepend);
}

bool Graphics::resetTransform() { return flat::ok(flat::GdipResetWorldTransform(), native_); }

bool Graphics::clear(Argb color) { return flat::ok(flat::GdipGraphicsClear(), native_, color); }

bool Graphics::drawLine(const Pen& pen, float x1, float y1, float x2, float y2) {
    return flat::ok(flat::GdipDrawLine(), native_, pen.handle(), x1, y1, x2, y2);
}

bool Graphics::drawRectangle(const Pen& pen, float x, float y, float width, float height) {
    return flat::ok(flat::GdipDrawRectangle(), native_, pen.handle(), x, y, width, height);
}

bool Graphics::drawPath(const Pen& pen, const GraphicsPath& path) {
    return flat::ok(flat::GdipDrawPath(), native_, pen.handle(), path.handle());
}

bool Graphics::fillRectangle(const Brush& brush, float x, float y, float width, float height) {
    return flat::ok(flat::GdipFillRectangle(), native_, brush.handle(), x, y, width, height);
}

bool Graphics::fillPath(const Brush& brush, const GraphicsPath& path) {
    return flat::ok(flat::GdipFillPath(), native_, brush.handle(), path.handle());
}

bool Graphics::drawString(const std::string& text, const Font& font, const RectF& layout, const StringFormat* format,
                          const Brush& brush) {
    const std::wstring wide = toWide(text);
    const Gdiplus::RectF box(layout.x, layout.y, layout.width, layout.height);
    return flat::ok(flat::GdipDrawString(), native_, wide.c_str(), static_cast<INT>(wide.size()), font.handle(), &box,
                    formatOf(format), brush.handle());
}

RectF Graphics::measureString(const std::string& text, const Font& font, const RectF& layout,
                              const StringFormat* format) const {
    const std::wstring wide = toWide(text);
    const Gdiplus::RectF box(layout.x, layout.y, layout.width, layout.height);
    Gdiplus::RectF bounds;
    if (flat::call(flat::GdipMeasureString(), native_, wide.c_str(), static_cast<INT>(wide.size()), font.handle(),
                   &box, formatOf(format), &bounds, nullptr, nullptr) != Ok) {
        return {};
    }
    return {bounds.X, bounds.Y, bounds.Width, bounds.Height};
}

bool Graphics::drawImage(const Image& image, float x, float y) {
    return flat::ok(flat::GdipDrawImage(), native_, image.handle(), x, y);
}

bool Graphics::drawImage(const Image& image, float x, float y, float width, float height, int sourceUnit) {
    const float sourceWidth = static_cast<float>(image.width());
    const float sourceHeight = static_cast<float>(image.height());
    return flat::ok(flat::GdipDrawImageRectRect(), native_, image.handle(), x, y, width, height, 0.0f, 0.0f,
                    sourceWidth, sourceHeight, sourceUnit, nullptr, nullptr, nullptr);
}

bool Graphics::setClip(const GraphicsPath& path, int combineMode) {
    return flat::ok(flat::GdipSetClipPath(), native_, path.handle(), combineMode);
}

bool Graphics::setClip(float x, float y, float width, float height, int combineMode) {
    return flat::ok(flat::GdipSetClipRect(), native_, x, y, width, height, combineMode);
}

bool Graphics::resetClip() { return flat::ok(flat::GdipResetClip(), native_); }

}  // namespace gdip
