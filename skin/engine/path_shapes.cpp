#include "skin/engine/path_shapes.h"

#include <algorithm>

#include "gdiplus/graphics.h"
#include "gdiplus/graphics_path.h"
#include "gdiplus/pen.h"
#include "skin/engine/argb.h"

namespace skin {

void addRoundedRect(gdip::GraphicsPath& path, float x, float y, float width, float height, int corner) {
    const float s = static_cast<float>(std::clamp(corner, 1, 100));
    path.addArc(x + width - s, y, s, s, 270, 90);
    path.addArc(x + width - s - 1, y + height - s - 1, s + 1, s + 1, 0, 90);
    path.addArc(x, y + height - s, s, s, 90, 90);
    path.addArc(x, y, s, s, 180, 90);
    path.closeFigure();
}

void addTopRoundedPath(gdip::GraphicsPath& path, float x, float y, float width, float height, float corner) {
    path.addLine(x, y + height, x, y + corner);
    path.addArc(x, y, corner, corner, 180, 90);
    path.addLine(x + corner, y, x + width - corner, y);
    path.addArc(x + width - corner, y, corner, corner, 270, 90);
    path.addLine(x + width, y + corner, x + width, y + height);
}

void addTopRightRoundedPath(gdip::GraphicsPath& path, float x, float y, float width, float height, float corner) {
    path.addLine(x, y + height, x, y);
    path.addLine(x, y, x + width - corner, y);
    path.addArc(x + width - corner, y, corner, corner, 270, 90);
    path.addLine(x + width, y + corner, x + width, y + height);
}

void clipToWindowOutline(gdip::Graphics& graphics, gdip::GraphicsPath& outline, int width, int height) {
    outline.create();
    addRoundedRect(outline, 0, 0, static_cast<float>(width), static_cast<float>(height), 4);
    graphics.setClip(outline);
}

void drawGlowOutline(gdip::Graphics& graphics, const gdip::GraphicsPath& path, int count, COLORREF color, int alpha) {
    gdip::Pen pen;
    if (!pen.create(toArgb(color, alpha), 1)) return;
    for (int width = 1; width <= count; ++width) {
        pen.setWidth(static_cast<float>(width));
        graphics.drawPath(pen, path);
    }
}

}  // namespace skin
