#pragma once
// GDI+ brushes: one wrapper type per kind the skin paints with. Every kind is a Brush,
// which is what fill operations and brush pens take.
#include <vector>

#include "gdiplus/geometry.h"
#include "gdiplus/native_object.h"

namespace gdip {

class GraphicsPath;

namespace detail {
int deleteBrush(Gdiplus::GpBrush* brush);
}

class Brush : public NativeObject<Gdiplus::GpBrush, detail::deleteBrush> {};

class SolidBrush : public Brush {
public:
    bool create(Argb color);
};

class LinearGradientBrush : public Brush {
public:
    // wrapMode: 0 tile.
    bool create(PointF from, PointF to, Argb fromColor, Argb toColor, int wrapMode = 0);
    // Colours at relative positions 0..1 along the gradient (same count of each).
    bool setPresetBlend(const std::vector<Argb>& colors, const std::vector<float>& positions);
    bool setLinearBlend(float focus, float scale);
};

class PathGradientBrush : public Brush {
public:
    bool create(const GraphicsPath& path);
    bool setCenterColor(Argb color);
    bool setSurroundColors(const std::vector<Argb>& colors);
};

}  // namespace gdip
