// The application icon and the window's text in the title bar. In a full paint they are
// drawn with the painter's graphics; on their own (a new text, a new caption font) the
// bare title bar is restored under the text area, they are drawn again and only that
// area goes to the screen, left of the caption buttons.
#include "skin/engine/caption_text.h"

#include "gdiplus/graphics.h"
#include "skin/engine/glow_text.h"
#include "skin/engine/skin_engine.h"
#include "skin/engine/window_queries.h"

namespace skin {

CaptionTextArea captionTextArea(int clientWidth, int buttonStripWidth, int resizeBorder) {
    CaptionTextArea area;
    area.left = resizeBorder + 6;
    area.top = resizeBorder + 5;
    area.width = clientWidth - buttonStripWidth - 10 - 2 * resizeBorder;
    area.copyTop = resizeBorder + 3;
    return area;
}

void SkinEngine::drawCaptionText(int windowIndex, gdip::Graphics* graphics, bool inCallerGraphics,
                                 std::optional<std::string> text) {
    SkinWindowRecord& record = registry().at(windowIndex);
    if (!record.backBufferDC) return;
    RECT client{};
    GetClientRect(record.window, &client);
    const CaptionTextArea area = captionTextArea(client.right, record.buttonStripWidth, resizeBorder);

    gdip::Graphics own;
    if (!inCallerGraphics || !graphics) {
        // The restored area takes in the icon, which would otherwise be blended over
        // itself, and the text is kept inside it: text laid out past it would pile up over
        // the caption buttons in the back buffer with every redraw.
        restoreCaptionArea(windowIndex, RECT{area.left, area.top - 3, area.left + area.width, area.top + area.height});
        if (!own.create(record.backBufferDC)) return;
        own.setClip(static_cast<float>(area.left), static_cast<float>(area.top), static_cast<float>(area.width),
                    static_cast<float>(area.height));
        graphics = &own;
    }
    if (applicationIcon())
        DrawIconEx(record.backBufferDC, area.left, area.top - 3, applicationIcon(), 17, 17, 0, nullptr, DI_NORMAL);
    GlowTextStyle style;
    style.textColor = record.captionTextColor;
    style.glowColor = record.captionGlowColor;
    style.fontName = record.captionFontName;
    style.fontStyle = record.captionFontBold ? 1 : 0;
    style.fontSize = static_cast<float>(record.captionFontSize);
    DrawGlowText(*graphics, text ? *text : windowText(record.window),
                 gdip::RectF{static_cast<float>(area.left + 20), static_cast<float>(area.top),
                             static_cast<float>(area.width), static_cast<float>(area.height)},
                 style);
    if (graphics != &own) return;
    own.deleteObject();  // GDI+ is done with the DC before GDI copies from it
    HDC dc = clippedWindowDC(record.window);
    BitBlt(dc, area.left, area.copyTop, area.width, area.height, record.backBufferDC, area.left, area.copyTop, SRCCOPY);
    ReleaseDC(record.window, dc);
}

}  // namespace skin
