#include "skin/controls/bar_painting.h"

#include "gdiplus/brush.h"
#include "gdiplus/graphics_path.h"
#include "gdiplus/pen.h"
#include "skin/engine/path_shapes.h"

namespace skin {

void drawBarPlate(gdip::Graphics& graphics, int width, int height, bool vertical, int outlineAlpha, int innerCorner) {
    const float w = static_cast<float>(width), h = static_cast<float>(height);
    gdip::GraphicsPath outline;
    gdip::Pen pen;
    if (outline.create() && pen.create(gdip::Argb(outlineAlpha) << 24, 1.0f)) {
        addRoundedRect(outline, 0, 0, w - 1, h - 1, 5);
        graphics.drawPath(pen, outline);
    }
    gdip::GraphicsPath inner;
    gdip::LinearGradientBrush shade;
    const gdip::PointF to = vertical ? gdip::PointF{w - 1, 0} : gdip::PointF{0, h - 1};
    if (inner.create() && shade.create({0, 0}, to, 0xA0FFFFFF, 0x1E000000)) {
        addRoundedRect(inner, 1, 1, w - 2, h - 2, innerCorner);
        graphics.fillPath(shade, inner);
    }
}

}  // namespace skin
