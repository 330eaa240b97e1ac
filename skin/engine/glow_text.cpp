#include "skin/engine/glow_text.h"

#include "gdiplus/brush.h"
#include "gdiplus/font.h"
#include "gdiplus/graphics.h"
#include "gdiplus/string_format.h"
#include "skin/engine/argb.h"

namespace skin {

namespace {

constexpr int worldUnit = 0;
constexpr int glowAlpha = 150;

void drawIn(gdip::Graphics& graphics, const std::string& text, const gdip::RectF& layout, const GlowTextStyle& style,
            gdip::Argb color, const gdip::PointF* shifts, int count) {
    gdip::Font font;
    gdip::StringFormat format;
    gdip::SolidBrush brush;
    if (!font.create(style.fontName, style.fontSize, style.fontStyle, worldUnit) || !format.create() ||
        !brush.create(color))
        return;
    format.setAlignment(style.alignment);
    format.setLineAlignment(style.lineAlignment);
    for (int i = 0; i < count; ++i) {
        const gdip::RectF moved{layout.x + shifts[i].x, layout.y + shifts[i].y, layout.width, layout.height};
        graphics.drawString(text, font, moved, &format, brush);
    }
}

}  // namespace

void DrawGlowText(gdip::Graphics& graphics, const std::string& text, const gdip::RectF& layout,
                  const GlowTextStyle& style) {
    const float c = style.offset;
    const gdip::PointF halo[] = {{c, 0}, {-c, 0}, {0, c}, {0, -c}};
    const gdip::PointF centre[] = {{0, 0}};
    drawIn(graphics, text, layout, style, toArgb(style.glowColor, glowAlpha), halo, 4);
    drawIn(graphics, text, layout, style, toArgb(style.textColor), centre, 1);
}

}  // namespace skin
