// The title bar's drawing: the two-line rounded frame, and the caption buttons in their
// plain, pressed and highlighted looks with the separators between them. Everything is
// drawn into the back buffer; a button drawn on its own is then copied to the screen,
// and only its own rectangle.
#include <algorithm>

#include "gdiplus/brush.h"
#include "gdiplus/graphics.h"
#include "gdiplus/graphics_path.h"
#include "gdiplus/image.h"
#include "gdiplus/pen.h"
#include "skin/engine/argb.h"
#include "skin/engine/caption_buttons.h"
#include "skin/engine/path_shapes.h"
#include "skin/engine/skin_engine.h"
#include "skin/engine/window_queries.h"

namespace skin {

namespace {

constexpr int antiAlias = 4;

constexpr gdip::Argb clearWhite = argb(0, 255, 255, 255);

bool fillVertically(gdip::Graphics& graphics, const gdip::GraphicsPath& path, float x, float top, float bottom,
                    gdip::Argb from, gdip::Argb to) {
    gdip::LinearGradientBrush brush;
    return brush.create({x, top}, {x, bottom}, from, to) && graphics.fillPath(brush, path);
}

// A pen whose colour runs from `from` at `top` to `to` at `bottom`.
bool verticalGradientPen(gdip::Pen& pen, float x, float top, float bottom, gdip::Argb from, gdip::Argb to) {
    gdip::LinearGradientBrush brush;
    return brush.create({x, top}, {x, bottom}, from, to) && pen.create(brush, 1);
}

// The face of a button: top-right rounded for close, which sits in the window's corner.
void buttonFace(gdip::GraphicsPath& path, int kind, float x, float y, float width, float height, float topCorner) {
    path.create();
    if (kind == CloseButton)
        addTopRightRoundedPath(path, x, y, width, height, 5);
    else
        addTopRoundedPath(path, x, y, width, height, topCorner);
}

// The picture a button shows now: the restore glyph on a maximised window's maximise
// button.
const gdip::Bytes& pictureOf(const SkinWindowRecord& record, const CaptionButton& button) {
    return button.kind == MaximizeButton && record.maximized ? button.secondImage : button.image;
}

void copyToScreen(const SkinWindowRecord& record, int x, int y, int width, int height) {
    HDC dc = clippedWindowDC(record.window);
    BitBlt(dc, x, y, width, height, record.backBufferDC, x, y, SRCCOPY);
    ReleaseDC(record.window, dc);
}

}  // namespace

void SkinEngine::drawFrame(int windowIndex, gdip::Graphics& graphics) {
    const SkinWindowRecord& record = registry().at(windowIndex);
    RECT client{};
    GetClientRect(record.window, &client);
    const float w = static_cast<float>(client.right), h = static_cast<float>(client.bottom);
    struct Line {
        float inset, width, height;
        int corner;
        gdip::Argb color;
    } lines[] = {{0, w - 1, h - 1, 7, argb(180, 0, 0, 0)}, {1, w - 3, h - 3, 6, argb(180, 255, 255, 255)}};
    for (const Line& line : lines) {
        gdip::GraphicsPath path;
        gdip::Pen pen;
        if (!path.create() || !pen.create(line.color, 1)) continue;
        addRoundedRect(path, line.inset, line.inset, line.width, line.height, line.corner);
        graphics.drawPath(pen, path);
    }
}

void SkinEngine::drawCaptionButtonSeparator(int windowIndex, int buttonIndex, gdip::Graphics& graphics) {
    const SkinWindowRecord& record = registry().at(windowIndex);
    const int count = static_cast<int>(record.captionButtons.size());
    if (buttonIndex < 1 || buttonIndex > count) return;
    const float top = static_cast<float>(record.buttonStripY), height = static_cast<float>(record.buttonStripHeight);
    auto line = [&](int button, int alpha) {
        const float x = static_cast<float>(static_cast<int>(record.captionButtons[button - 1].bounds.x - 2));
        gdip::Pen pen;
        if (verticalGradientPen(pen, x, top, top + height - 3, argb(alpha, 0, 0, 0), argb(0, 0, 0, 0)))
            graphics.drawLine(pen, x, top + 1, x, top + height - 4);
    };
    line(buttonIndex, buttonIndex == 1 ? 100 : 60);
    // Redrawing this button wiped the left line of the next one.
    if (buttonIndex < count) line(buttonIndex + 1, 60);
}

void SkinEngine::restoreCaptionArea(int windowIndex, const RECT& area) {
    const SkinWindowRecord& record = registry().at(windowIndex);
    if (!record.backBufferDC || !record.captionCacheDC) return;
    BitBlt(record.backBufferDC, area.left, area.top, area.right - area.left, area.bottom - area.top,
           record.captionCacheDC, area.left, area.top, SRCCOPY);
}

void SkinEngine::restoreStatusBarArea(int windowIndex, const RECT& area) {
    const SkinWindowRecord& record = registry().at(windowIndex);
    if (!record.backBufferDC || !record.statusBarCacheDC) return;
    BitBlt(record.backBufferDC, area.left, area.top, area.right - area.left, area.bottom - area.top,
           record.statusBarCacheDC, area.left - record.statusBarArea.x, area.top - record.statusBarArea.y, SRCCOPY);
}

void SkinEngine::drawCaptionButtonHighlight(gdip::Graphics& graphics, int windowIndex, int buttonIndex, int alpha) {
    const SkinWindowRecord& record = registry().at(windowIndex);
    const CaptionButton& button = record.captionButtons[buttonIndex - 1];
    const POINT origin = captionButtonOrigin(record, buttonIndex);
    const int top = static_cast<int>(button.bounds.y);
    restoreCaptionArea(windowIndex, RECT{origin.x - 1, top, origin.x - 1 + button.width + 2, top + button.height + 1});

    const float x = static_cast<float>(origin.x), y = static_cast<float>(top);
    const float w = static_cast<float>(button.width), h = static_cast<float>(button.height);
    gdip::GraphicsPath face;
    face.create();
    addTopRoundedPath(face, x, y, w, h, 1);
    fillVertically(graphics, face, x, y, y + h, argb(alpha / 5, 0, 0, 0), clearWhite);

    gdip::GraphicsPath wash;
    buttonFace(wash, button.kind, x, y, w, h, 1);
    const gdip::Argb washColor = button.kind == CloseButton ? argb(alpha, 255, 0, 0) : toArgb(settings.accentColor, alpha);
    fillVertically(graphics, wash, x, y, y + h, washColor, clearWhite);

    gdip::GraphicsPath gloss;
    buttonFace(gloss, button.kind, x, y, w, static_cast<float>(static_cast<int>(h * 0.8f)), 1);
    gdip::Pen pen;
    if (verticalGradientPen(pen, x, y, y + h, argb(static_cast<int>(alpha * 0.8f), 255, 255, 255), clearWhite))
        graphics.drawPath(pen, gloss);
}

void SkinEngine::drawCaptionButton(int windowIndex, int buttonIndex, gdip::Graphics* graphics, bool pressed,
                                   std::optional<int> highlightAlpha) {
    SkinWindowRecord& record = registry().at(windowIndex);
    if (buttonIndex < 1 || buttonIndex > static_cast<int>(record.captionButtons.size()) || !record.backBufferDC) return;
    const CaptionButton& button = record.captionButtons[buttonIndex - 1];
    const POINT origin = captionButtonOrigin(record, buttonIndex);
    const float x = static_cast<float>(origin.x), y = static_cast<float>(origin.y);
    const float w = static_cast<float>(button.width), h = static_cast<float>(button.height);
    const gdip::Image* picture = decodedPictures().find(pictureOf(record, button));

    if (pressed) {
        // Restored before GDI+ draws on the same DC, so the two never interleave.
        restoreCaptionArea(windowIndex, RECT{origin.x, origin.y, origin.x + button.width, origin.y + button.height});
        {
            gdip::Graphics own;
            if (!own.create(record.backBufferDC)) return;
            gdip::GraphicsPath face;
            face.create();
            if (button.kind == CloseButton)
                addTopRightRoundedPath(face, x, y, w, h, 5);
            else
                face.addRectangle(x, y, w, h);
            if (button.kind == CloseButton)
                fillVertically(own, face, x, y, y + h, argb(255, 255, 0, 0), argb(30, 255, 255, 255));
            else
                fillVertically(own, face, x, y, y + h, argb(80, 0, 0, 0), argb(5, 255, 255, 255));
            if (picture) own.drawImage(*picture, x, y, w - 1, h);
        }
        copyToScreen(record, origin.x, origin.y, button.width, button.height);
        return;
    }

    gdip::Graphics own;
    if (!graphics) {
        if (!own.create(record.backBufferDC)) return;
        own.setSmoothingMode(antiAlias);
        graphics = &own;
    }
    drawCaptionButtonHighlight(*graphics, windowIndex, buttonIndex, highlightAlpha.value_or(0));
    gdip::LinearGradientBrush sheen;
    if (sheen.create({x, y}, {x, y + h}, argb(50, 255, 255, 255), argb(0, 0, 0, 0)))
        graphics->fillRectangle(sheen, x - 1, y, w + 1, h - 1);
    if (picture) graphics->drawImage(*picture, x, y, w, h);
    drawCaptionButtonSeparator(windowIndex, buttonIndex, *graphics);
    if (graphics != &own) return;
    own.deleteObject();  // GDI+ is done with the DC before GDI copies from it
    copyToScreen(record, origin.x, origin.y, button.width, button.height);
}

}  // namespace skin
