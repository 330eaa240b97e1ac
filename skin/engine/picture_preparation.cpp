#include "skin/engine/picture_preparation.h"

#include <random>

#include "gdiplus/bitmap.h"
#include "gdiplus/brush.h"
#include "gdiplus/encoder.h"
#include "gdiplus/graphics.h"
#include "skin/engine/argb.h"

namespace skin {

namespace {

constexpr int averageSamples = 2000;
constexpr gdip::Argb transparentWhite = 0x00FFFFFF;
constexpr int gammaCorrected = 3;

COLORREF averageOf(const gdip::Bitmap& bitmap) {
    const int width = static_cast<int>(bitmap.width()), height = static_cast<int>(bitmap.height());
    if (width <= 0 || height <= 0) return 0;
    std::minstd_rand random(20260101);
    std::uniform_int_distribution<int> column(0, width - 1), row(0, height - 1);
    unsigned long red = 0, green = 0, blue = 0;
    for (int i = 0; i < averageSamples; ++i) {
        const gdip::Argb pixel = bitmap.pixel(column(random), row(random));
        red += (pixel >> 16) & 0xFF;
        green += (pixel >> 8) & 0xFF;
        blue += pixel & 0xFF;
    }
    return RGB(red / averageSamples, green / averageSamples, blue / averageSamples);
}

gdip::Bytes prepared(const gdip::Image& source, COLORREF base, bool rightEdge) {
    const int width = static_cast<int>(source.width()), height = static_cast<int>(source.height());
    gdip::Bitmap canvas;
    if (width <= 0 || height <= 0 || !canvas.create(width, height)) return {};
    {
        gdip::Graphics graphics;
        if (!graphics.create(canvas)) return {};
        graphics.setCompositingQuality(gammaCorrected);
        graphics.drawImage(source, 0, 0, static_cast<float>(width), static_cast<float>(height));
        for (const PictureFade& fade : pictureFades(width, height, base, rightEdge)) {
            gdip::LinearGradientBrush brush;
            if (brush.create(fade.from, fade.to, fade.fromColor, fade.toColor))
                graphics.fillRectangle(brush, fade.area.x, fade.area.y, fade.area.width, fade.area.height);
        }
    }
    return canvas.saveToBytes(gdip::pngFormat);
}

}  // namespace

COLORREF averageColor(const gdip::Bytes& picture) {
    gdip::Bitmap bitmap;
    return bitmap.load(picture) ? averageOf(bitmap) : 0;
}

std::array<PictureFade, 2> pictureFades(int width, int height, COLORREF base, bool rightEdge) {
    const float w = static_cast<float>(width), h = static_cast<float>(height);
    const float a = static_cast<float>(width * 3 / 10);
    const gdip::Argb opaque = toArgb(base);
    const PictureFade side = rightEdge
                                 ? PictureFade{{w - a, 0}, {w, 0}, transparentWhite, opaque, {w - a + 1, 0, a, h}}
                                 : PictureFade{{0, 0}, {a, 0}, opaque, transparentWhite, {0, 0, a, h}};
    const PictureFade bottom{{0, h - a}, {0, h}, toArgb(base, 0), opaque, {0, h - a + 1, w, a}};
    return {side, bottom};
}

gdip::Bytes preparePicture(const gdip::Bytes& picture, COLORREF base, bool rightEdge) {
    gdip::Image source;
    return source.load(picture) ? prepared(source, base, rightEdge) : gdip::Bytes{};
}

gdip::Bytes pictureForMode(const gdip::Bytes& picture, int mode, COLORREF baseColor) {
    if (mode == 0 || mode == 1) return preparePicture(picture, baseColor, mode == 0);
    return picture;
}

gdip::Bytes pictureFileBytes(const std::string& fileName) {
    gdip::Image image;
    if (!image.load(fileName)) return {};
    return image.saveToBytes(std::string(gdip::pngFormat));
}

}  // namespace skin
