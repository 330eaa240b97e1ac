#pragma once
// A GDI+ drawing surface over a device context or an image.
#include <windows.h>

#include <string>

#include "gdiplus/geometry.h"
#include "gdiplus/native_object.h"

namespace gdip {

class Brush;
class Font;
class GraphicsPath;
class Image;
class Pen;
class StringFormat;

namespace detail {
int deleteGraphics(Gdiplus::GpGraphics* graphics);
}

class Graphics : public NativeObject<Gdiplus::GpGraphics, detail::deleteGraphics> {
public:
    bool create(HDC dc);
    bool create(const Image& image);

    // GDI+'s quality enumerations, as numbers.
    bool setCompositingQuality(int quality);
    bool setInterpolationMode(int mode);
    bool setSmoothingMode(int mode);
    bool setPixelOffsetMode(int mode);

    // World transform; each step is applied before those already set.
    bool translateTransform(float dx, float dy);
    bool rotateTransform(float angle);
    bool resetTransform();

    bool clear(Argb color);
    bool drawLine(const Pen& pen, float x1, float y1, float x2, float y2);
    bool drawRectangle(const Pen& pen, float x, float y, float width, float height);
    bool drawPath(const Pen& pen, const GraphicsPath& path);
    bool fillRectangle(const Brush& brush, float x, float y, float width, float height);
    bool fillPath(const Brush& brush, const GraphicsPath& path);

    // Text is GBK; `format` may be null for GDI+'s default layout.
    bool drawString(const std::string& text, const Font& font, const RectF& layout, const StringFormat* format,
                    const Brush& brush);
    // The bounding box of the text laid out in `layout`; all zero on failure.
    RectF measureString(const std::string& text, const Font& font, const RectF& layout,
                        const StringFormat* format) const;

    // At its natural size with its top-left corner at (x, y).
    bool drawImage(const Image& image, float x, float y);
    // The whole picture scaled into the rectangle; sourceUnit 2 is pixels.
    bool drawImage(const Image& image, float x, float y, float width, float height, int sourceUnit = 2);

    // combineMode: 0 replace, 1 intersect, 2 union, 3 xor, 4 exclude.
    bool setClip(const GraphicsPath& path, int combineMode = 0);
    bool setClip(float x, float y, float width, float height, int combineMode = 0);
    bool resetClip();
};

}  // namespace gdip
