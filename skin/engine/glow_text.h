#pragma once
// Text with a one-colour halo: drawn four times in the glow colour, shifted by the
// offset left, right, up and down, then once in the text colour on top.
#include <windows.h>

#include <string>

#include "gdiplus/geometry.h"

namespace gdip {
class Graphics;
}

namespace skin {

struct GlowTextStyle {
    COLORREF textColor = 0;
    COLORREF glowColor = 0xFFFFFF;
    float offset = 1;
    std::string fontName = "宋体";
    int fontStyle = 0;  // 1 bold
    float fontSize = 13;
    int alignment = 0;      // 0 near, 1 centre, 2 far
    int lineAlignment = 0;
};

// The glow is drawn at alpha 150, the text opaque. Text is GBK; it wraps inside the
// layout rectangle and is cut at its bottom.
void DrawGlowText(gdip::Graphics& graphics, const std::string& text, const gdip::RectF& layout,
                  const GlowTextStyle& style);

}  // namespace skin
