// The bottom layer of a skinned window: the base colour inside the rounded outline, the
// background picture placed by its mode, and the optional gloss over the title bar.
#include "gdiplus/bitmap.h"
#include "gdiplus/brush.h"
#include "gdiplus/graphics.h"
#include "gdiplus/graphics_path.h"
#include "skin/engine/argb.h"
#include "skin/engine/path_shapes.h"
#include "skin/engine/skin_engine.h"

namespace skin {

namespace {

constexpr int flipLeftToRight = 4;  // RotateNoneFlipX

// The picture laid side by side across `width`, every second copy mirrored, in a new
// bitmap as high as the picture.
bool mirroredStrip(gdip::Image& picture, int width, gdip::Bitmap& strip) {
    const int pictureWidth = static_cast<int>(picture.width()), pictureHeight = static_cast<int>(picture.height());
    if (pictureWidth <= 0 || !strip.create(width, pictureHeight)) return false;
    gdip::Graphics graphics;
    if (!graphics.create(strip)) return false;
    for (int x = 0; x < width; x += pictureWidth) {
        graphics.drawImage(picture, static_cast<float>(x), 0, static_cast<float>(pictureWidth),
                           static_cast<float>(pictureHeight));
        picture.rotateFlip(flipLeftToRight);
    }
    return true;
}

// Places the picture by its mode (0 to 3) in a width x height client area. Natural
// sizes are drawn at their pixel size, whatever resolution the file states.
void placePicture(gdip::Graphics& graphics, const gdip::Image& picture, int mode, int width, int height) {
    const float w = static_cast<float>(width), h = static_cast<float>(height);
    const float pw = static_cast<float>(picture.width()), ph = static_cast<float>(picture.height());
    switch (mode) {
        case 1:
            graphics.drawImage(picture, w - pw, 0, pw, ph);
            break;
        case 2:
            graphics.drawImage(picture, (w - pw) / 2, (h - ph) / 2, pw, ph);
            break;
        case 3:
            graphics.drawImage(picture, 0, 0, w, h);
            break;
        default:  // 0
            graphics.drawImage(picture, 0, 0, pw, ph);
            break;
    }
}

void drawPicture(gdip::Graphics& graphics, DecodedPictures& decoded, const gdip::Bytes& bytes, int mode, int width,
                 int height) {
    if (mode != 4) {
        if (const gdip::Image* picture = decoded.find(bytes)) placePicture(graphics, *picture, mode, width, height);
        return;
    }
    // Mirroring flips the picture itself, so it gets a copy of its own.
    gdip::Image picture;
    gdip::Bitmap strip;
    if (picture.load(bytes) && mirroredStrip(picture, width, strip))
        graphics.drawImage(strip, 0, 0, static_cast<float>(width), static_cast<float>(strip.height()));
}

}  // namespace

void SkinEngine::drawBackground(gdip::Graphics& graphics, int windowIndex) {
    const SkinWindowRecord& record = registry().at(windowIndex);
    RECT client{};
    GetClientRect(record.window, &client);
    const bool ownPicture = !record.picture.empty();
    const gdip::Argb base = toArgb(ownPicture ? record.pictureColor : settings.backColor);
    // Cleared to the base colour, not to a key colour: the window's region keeps a few
    // corner pixels that the rounded clip below leaves out, and they would show.
    graphics.clear(base);
    gdip::GraphicsPath outline;
    clipToWindowOutline(graphics, outline, client.right, client.bottom);

    gdip::SolidBrush fill;
    if (fill.create(base)) graphics.fillPath(fill, outline);

    const gdip::Bytes& bytes = ownPicture ? record.picture : settings.sharedPicture;
    const int mode = ownPicture ? record.pictureMode : settings.pictureMode;
    if (!bytes.empty()) drawPicture(graphics, decodedPictures(), bytes, mode, client.right, client.bottom);

    if (record.captionGloss) {
        gdip::LinearGradientBrush gloss;
        const float band = static_cast<float>(record.captionHeight);
        if (gloss.create({0, 0}, {0, band}, 0x96FFFFFF, 0x00FFFFFF))
            graphics.fillRectangle(gloss, 0, 0, static_cast<float>(client.right), band);
    }
}

}  // namespace skin
