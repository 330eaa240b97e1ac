// Paths, regions, brushes, pens, fonts and text of the GDI+ layer against the real
// gdiplus.dll, read back as path points, region scans and pixels.
#include <gtest/gtest.h>

#include "gdiplus/bitmap.h"
#include "gdiplus/brush.h"
#include "gdiplus/font.h"
#include "gdiplus/graphics.h"
#include "gdiplus/graphics_path.h"
#include "gdiplus/pen.h"
#include "gdiplus/region.h"
#include "gdiplus/string_format.h"

using namespace gdip;

namespace {

const Session session;  // GDI+ runs for the whole test program

class GdiplusDrawing : public ::testing::Test {};

std::vector<PointF> roundedRectPoints(float x, float y, float w, float h, int percent) {
    GraphicsPath path;
    EXPECT_TRUE(path.create());
    EXPECT_TRUE(path.addRoundedRectPercent(x, y, w, h, percent));
    return path.points();
}

bool samePoints(const std::vector<PointF>& a, const std::vector<PointF>& b) {
    if (a.size() != b.size() || a.empty()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (a[i].x != b[i].x || a[i].y != b[i].y) return false;
    return true;
}

struct Box {
    float left, top, right, bottom;
};

Box boundsOf(const std::vector<PointF>& points) {
    Box box{1e9f, 1e9f, -1e9f, -1e9f};
    for (const PointF& p : points) {
        box.left = std::min(box.left, p.x);
        box.top = std::min(box.top, p.y);
        box.right = std::max(box.right, p.x);
        box.bottom = std::max(box.bottom, p.y);
    }
    return box;
}

// A white bitmap with a graphics on it.
struct Canvas {
    Bitmap bitmap;
    Graphics graphics;
    Canvas(int w, int h) {
        EXPECT_TRUE(bitmap.create(w, h));
        EXPECT_TRUE(graphics.create(bitmap));
        EXPECT_TRUE(graphics.clear(0xFFFFFFFF));
    }
    int darkPixels() const {
        int count = 0;
        for (unsigned y = 0; y < bitmap.height(); ++y)
            for (unsigned x = 0; x < bitmap.width(); ++x)
                if ((bitmap.pixel(x, y) & 0xFF) < 0x80) ++count;
        return count;
    }
};

}  // namespace

TEST_F(GdiplusDrawing, RoundedRectClampsItsCornerPercentage) {
    const struct { int given, used; } cases[] = {{0, 1}, {-5, 1}, {150, 100}, {100, 100}, {37, 37}};
    for (const auto& c : cases) {
        EXPECT_TRUE(samePoints(roundedRectPoints(2, 3, 400, 200, c.given), roundedRectPoints(2, 3, 400, 200, c.used)))
            << c.given;
    }
    EXPECT_FALSE(samePoints(roundedRectPoints(2, 3, 400, 200, 1), roundedRectPoints(2, 3, 400, 200, 2)));
    EXPECT_FALSE(samePoints(roundedRectPoints(2, 3, 400, 200, 99), roundedRectPoints(2, 3, 400, 200, 100)));
}

TEST_F(GdiplusDrawing, RoundedRectCornersAreTruncatedToWholePixels) {
    // 25 x 50 at 10 %: corners 2 x 5 (2.5 truncated). The first arc starts at the top of
    // its box, half a corner left of the right edge.
    const std::vector<PointF> points = roundedRectPoints(0, 0, 25, 50, 10);
    ASSERT_FALSE(points.empty());
    EXPECT_FLOAT_EQ(points.front().x, 24);
    EXPECT_FLOAT_EQ(points.front().y, 0);
    const Box box = boundsOf(points);
    EXPECT_FLOAT_EQ(box.left, 0);
    EXPECT_FLOAT_EQ(box.right, 25);
    EXPECT_FLOAT_EQ(box.bottom, 50);
}

TEST_F(GdiplusDrawing, FullRoundedRectIsAnEllipse) {
    Canvas canvas(40, 20);
    GraphicsPath path;
    path.create();
    ASSERT_TRUE(path.addRoundedRectPercent(0, 0, 40, 20, 150));
    SolidBrush black;
    black.create(0xFF000000);
    ASSERT_TRUE(canvas.graphics.fillPath(black, path));
    EXPECT_EQ(canvas.bitmap.pixel(20, 10), 0xFF000000u);
    EXPECT_EQ(canvas.bitmap.pixel(1, 1), 0xFFFFFFFFu);  // corners stay outside
    EXPECT_EQ(canvas.bitmap.pixel(38, 18), 0xFFFFFFFFu);
}

TEST_F(GdiplusDrawing, RegionScansCoverTheShape) {
    Region rect;
    ASSERT_TRUE(rect.create(RectF{1, 2, 10, 5}));
    const std::vector<Rect> single = rect.scansI();
    ASSERT_EQ(single.size(), 1u);
    EXPECT_EQ(single[0].x, 1);
    EXPECT_EQ(single[0].y, 2);
    EXPECT_EQ(single[0].width, 10);
    EXPECT_EQ(single[0].height, 5);

    GraphicsPath ellipse;
    ellipse.create();
    ellipse.addEllipse(0, 0, 30, 30);
    Region round;
    ASSERT_TRUE(round.create(ellipse));
    const std::vector<RectF> scans = round.scans();
    ASSERT_GT(scans.size(), 4u);
    for (std::size_t i = 1; i < scans.size(); ++i) EXPECT_GE(scans[i].y, scans[i - 1].y);
    EXPECT_GE(scans.front().y, 0);
    EXPECT_LE(scans.back().y + scans.back().height, 30.5f);
}

TEST_F(GdiplusDrawing, EmptyWrappersPassNothingToGdiplus) {
    Graphics graphics;
    SolidBrush brush;
    EXPECT_FALSE(graphics.fillRectangle(brush, 0, 0, 5, 5));
    EXPECT_EQ(lastStatus(), InvalidParameter);
    // Deleting what is not there calls nothing, so the last status stays as it was.
    EXPECT_FALSE(brush.deleteObject());
    EXPECT_FALSE(graphics.deleteObject());
    EXPECT_EQ(lastStatus(), InvalidParameter);
    EXPECT_EQ(Image().width(), 0u);
    EXPECT_EQ(lastStatus(), InvalidParameter);
}

TEST_F(GdiplusDrawing, DeletingOwnedObjectsSucceedsOnce) {
    Pen pen;
    ASSERT_TRUE(pen.create(0xFF000000, 2));
    EXPECT_FLOAT_EQ(pen.width(), 2);
    ASSERT_TRUE(pen.setWidth(5));
    EXPECT_FLOAT_EQ(pen.width(), 5);
    EXPECT_TRUE(pen.deleteObject());
    EXPECT_TRUE(pen.empty());
    EXPECT_FALSE(pen.deleteObject());
}

unsigned red(Argb c) { return (c >> 16) & 0xFF; }
unsigned green(Argb c) { return (c >> 8) & 0xFF; }
unsigned blue(Argb c) { return c & 0xFF; }

TEST_F(GdiplusDrawing, GradientsAndBrushPensPaint) {
    Canvas canvas(20, 10);
    LinearGradientBrush gradient;
    ASSERT_TRUE(gradient.create({0, 0}, {20, 0}, 0xFF000000, 0xFFFFFFFF));
    ASSERT_TRUE(gradient.setPresetBlend({0xFFFF0000, 0xFF0000FF}, {0, 1}));
    EXPECT_FALSE(gradient.setPresetBlend({0xFFFF0000}, {0, 1}));
    ASSERT_TRUE(canvas.graphics.fillRectangle(gradient, 0, 0, 20, 10));
    const Argb left = canvas.bitmap.pixel(0, 5), right = canvas.bitmap.pixel(19, 5);
    EXPECT_GT(red(left), 0xE0u);    // red end
    EXPECT_GT(blue(right), 0xE0u);  // blue end

    // Peaking in the middle: the end colour at half way, the start colour at both ends.
    LinearGradientBrush peaked;
    ASSERT_TRUE(peaked.create({0, 0}, {20, 0}, 0xFF000000, 0xFFFFFFFF));
    ASSERT_TRUE(peaked.setLinearBlend(0.5f, 1));
    ASSERT_TRUE(canvas.graphics.fillRectangle(peaked, 0, 0, 20, 10));
    EXPECT_LT(green(canvas.bitmap.pixel(0, 5)), 0x30u);
    EXPECT_GT(green(canvas.bitmap.pixel(10, 5)), 0xD0u);
    EXPECT_LT(green(canvas.bitmap.pixel(19, 5)), 0x30u);

    // A path gradient: its centre colour in the middle of the dot, the surround colour
    // towards its edge, nothing outside it.
    Canvas dots(20, 20);
    GraphicsPath dot;
    dot.create();
    dot.addEllipse(2, 2, 16, 16);
    PathGradientBrush radial;
    ASSERT_TRUE(radial.create(dot));
    ASSERT_TRUE(radial.setCenterColor(0xFF00FF00));
    ASSERT_TRUE(radial.setSurroundColors({0xFF0000FF}));
    ASSERT_TRUE(dots.graphics.fillPath(radial, dot));
    const Argb centre = dots.bitmap.pixel(10, 10), nearEdge = dots.bitmap.pixel(10, 3);
    EXPECT_GT(green(centre), 0xC0u) << std::hex << centre;
    EXPECT_LT(blue(centre), 0x40u) << std::hex << centre;
    EXPECT_GT(blue(nearEdge), green(nearEdge)) << std::hex << nearEdge;
    EXPECT_EQ(dots.bitmap.pixel(0, 0), 0xFFFFFFFFu);

    // A pen made from a brush draws in the brush's colours: red to blue along the line.
    Canvas lines(20, 10);
    LinearGradientBrush redToBlue;
    ASSERT_TRUE(redToBlue.create({0, 0}, {20, 0}, 0xFFFF0000, 0xFF0000FF));
    Pen brushed;
    ASSERT_TRUE(brushed.create(redToBlue, 3));
    ASSERT_TRUE(lines.graphics.drawLine(brushed, 0, 5, 20, 5));
    const Argb start = lines.bitmap.pixel(1, 5), end = lines.bitmap.pixel(18, 5);
    EXPECT_GT(red(start), 0xC0u) << std::hex << start;
    EXPECT_LT(blue(start), 0x40u) << std::hex << start;
    EXPECT_GT(blue(end), 0xC0u) << std::hex << end;
    EXPECT_LT(red(end), 0x40u) << std::hex << end;
    EXPECT_EQ(lines.bitmap.pixel(10, 0), 0xFFFFFFFFu);  // the line only
    ASSERT_TRUE(lines.graphics.drawRectangle(brushed, 2, 1, 10, 8));
    EXPECT_NE(lines.bitmap.pixel(2, 3), 0xFFFFFFFFu);    // the rectangle's left side
    EXPECT_EQ(lines.bitmap.pixel(7, 3), 0xFFFFFFFFu);    // not its inside

    Canvas ring(20, 20);
    ASSERT_TRUE(ring.graphics.drawPath(brushed, dot));
    EXPECT_NE(ring.bitmap.pixel(10, 2), 0xFFFFFFFFu);  // on the outline
    EXPECT_EQ(ring.bitmap.pixel(10, 10), 0xFFFFFFFFu);  // inside it
}

TEST_F(GdiplusDrawing, ClipLimitsWhatIsFilled) {
    Canvas canvas(20, 20);
    SolidBrush black;
    black.create(0xFF000000);
    ASSERT_TRUE(canvas.graphics.setClip(5, 5, 4, 4));
    canvas.graphics.fillRectangle(black, 0, 0, 20, 20);
    EXPECT_EQ(canvas.darkPixels(), 16);
    ASSERT_TRUE(canvas.graphics.resetClip());
    GraphicsPath band;
    band.create();
    band.addRectangle(0, 0, 20, 1);
    ASSERT_TRUE(canvas.graphics.setClip(band));
    canvas.graphics.fillRectangle(black, 0, 0, 20, 20);
    EXPECT_EQ(canvas.darkPixels(), 16 + 20);
}

TEST_F(GdiplusDrawing, FontFromAFamilyName) {
    Font font;
    ASSERT_TRUE(font.create("宋体", 12, 1, 2));
    EXPECT_FLOAT_EQ(font.size(), 12);
    EXPECT_EQ(font.style(), 1);
    FontFamily family;
    ASSERT_TRUE(font.family(family));
    // The test prefix maps 宋体 to a font with a Chinese family name: it comes back as
    // GBK, which names the same family again.
    const std::string name = family.name();
    ASSERT_FALSE(name.empty());
    EXPECT_TRUE(static_cast<unsigned char>(name[0]) >= 0x81) << name;
    wchar_t wide[64];
    EXPECT_GT(MultiByteToWideChar(936, MB_ERR_INVALID_CHARS, name.c_str(), -1, wide, 64), 0) << "not GBK: " << name;
    FontFamily again;
    ASSERT_TRUE(again.create(name)) << name;
    EXPECT_EQ(again.name(), name);
}

TEST_F(GdiplusDrawing, UnknownFamilyNameLeavesTheFontEmpty) {
    Font font;
    EXPECT_FALSE(font.create("没有这种字体XYZ", 12, 0, 2));
    EXPECT_EQ(lastStatus(), FontFamilyNotFound);
    EXPECT_TRUE(font.empty());
    // Text drawn with it is refused, so nothing appears.
    Canvas canvas(60, 20);
    SolidBrush black;
    black.create(0xFF000000);
    EXPECT_FALSE(canvas.graphics.drawString("岚舟", font, {0, 0, 60, 20}, nullptr, black));
    EXPECT_EQ(canvas.darkPixels(), 0);
}

TEST_F(GdiplusDrawing, FontFromADeviceContext) {
    HDC dc = CreateCompatibleDC(nullptr);
    HFONT handle = CreateFontA(-16, 0, 0, 0, FW_BOLD, 0, 0, 0, GB2312_CHARSET, 0, 0, 0, 0, "宋体");
    Font fromHandle, fromDC;
    ASSERT_TRUE(fromHandle.create(dc, handle));
    EXPECT_FLOAT_EQ(fromHandle.size(), 16);
    EXPECT_EQ(fromHandle.style() & 1, 1);
    ASSERT_TRUE(fromDC.create(dc, nullptr));  // the DC's own font
    EXPECT_GT(fromDC.size(), 0);
    DeleteObject(handle);
    DeleteDC(dc);
}

TEST_F(GdiplusDrawing, TextIsMeasuredAndDrawn) {
    Font font;
    ASSERT_TRUE(font.create("宋体", 12, 0, 2));
    StringFormat format;
    ASSERT_TRUE(format.create());
    ASSERT_TRUE(format.setAlignment(1));
    ASSERT_TRUE(format.setLineAlignment(1));
    ASSERT_TRUE(format.setTrimming(3));
    Canvas canvas(100, 20);
    const RectF layout{0, 0, 100, 20};
    const RectF shortText = canvas.graphics.measureString("岚舟", font, layout, &format);
    const RectF longText = canvas.graphics.measureString("岚舟备忘录", font, layout, &format);
    EXPECT_GT(shortText.width, 0);
    EXPECT_GT(longText.width, shortText.width);
    SolidBrush black;
    black.create(0xFF000000);
    ASSERT_TRUE(canvas.graphics.drawString("岚舟备忘录", font, layout, &format, black));
    EXPECT_GT(canvas.darkPixels(), 20);
}

TEST_F(GdiplusDrawing, ImagesAreDrawnAtAPointAndScaled) {
    Bitmap red;
    ASSERT_TRUE(red.create(2, 2));
    {
        Graphics g;
        g.create(red);
        g.clear(0xFFFF0000);
    }
    Canvas canvas(10, 10);
    canvas.graphics.setInterpolationMode(5);  // nearest neighbour
    canvas.graphics.setPixelOffsetMode(4);    // half
    canvas.graphics.setSmoothingMode(0);
    canvas.graphics.setCompositingQuality(3);
    ASSERT_TRUE(canvas.graphics.drawImage(red, 0, 0));
    ASSERT_TRUE(canvas.graphics.drawImage(red, 4, 4, 6, 6));
    EXPECT_EQ(canvas.bitmap.pixel(1, 1), 0xFFFF0000u);
    EXPECT_EQ(canvas.bitmap.pixel(2, 2), 0xFFFFFFFFu);
    EXPECT_EQ(canvas.bitmap.pixel(4, 4), 0xFFFF0000u);
    EXPECT_EQ(canvas.bitmap.pixel(9, 9), 0xFFFF0000u);
    EXPECT_EQ(canvas.bitmap.pixel(3, 9), 0xFFFFFFFFu);
}
