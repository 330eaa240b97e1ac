// Check boxes and automatic radio buttons join the button array as they are and are
// drawn by the button procedure onto a copy of the window background, so they look
// transparent on the skinned window: the box from its two pictures, the radio button
// with ellipses.
#include "skin/controls/check_button.h"

#include "gdiplus/brush.h"
#include "gdiplus/graphics.h"
#include "gdiplus/graphics_path.h"
#include "gdiplus/pen.h"
#include "lz_assets_embedded.h"
#include "skin/controls/button_procedure.h"
#include "skin/controls/control_subclass.h"
#include "skin/controls/control_installers.h"
#include "skin/engine/argb.h"
#include "skin/engine/background_snapshot.h"
#include "skin/engine/path_shapes.h"
#include "skin/engine/skin_engine.h"

namespace skin {

namespace {

constexpr COLORREF glowColor = 0xDDCA22;
constexpr int antiAlias = 4;
constexpr int pixelUnit = 2;
constexpr int leftAligned = 0;

// The kind the control is skinned as, or 0 when this installer leaves it.
int checkKindOf(HWND child) {
    const LONG style = GetWindowLongA(child, GWL_STYLE);
    const LONG type = style & 0x0F;
    if (type == BS_AUTORADIOBUTTON) return RadioButton;
    const bool ownerDrawn = (style & BS_OWNERDRAW) == BS_OWNERDRAW;
    if ((type & 2) && !(type & 4) && !ownerDrawn) return CheckBox;
    return 0;
}

void installCheckButton(SkinWindowRecord& record, int windowIndex, HWND parent, HWND button, int kind) {
    const bool checked = SendMessageA(button, BM_GETCHECK, 0, 0) == BST_CHECKED;
    ButtonRecord& entry = addButtonRecord(record, windowIndex, button, kind);
    entry.checked = checked;
    entry.container = parent;
}

const gdip::Bytes& boxPicture() {
    static const gdip::Bytes bytes(assets::check_box_png, assets::check_box_png + assets::check_box_png_size);
    return bytes;
}

const gdip::Bytes& checkedBoxPicture() {
    static const gdip::Bytes bytes(assets::check_box_checked_png,
                                   assets::check_box_checked_png + assets::check_box_checked_png_size);
    return bytes;
}

bool isChecked(HWND control) { return SendMessageA(control, BM_GETCHECK, 0, 0) == BST_CHECKED; }

struct Mark {
    SkinEngine& engine;
    gdip::Graphics& graphics;
    HWND control;
    float x, y, w, h;
};

// The hover look of both kinds: an accent wash from `from` down to the right, and a faint
// glow along the outline.
void paintHover(const Mark& m, const gdip::GraphicsPath& outline, gdip::PointF from, float reach) {
    gdip::LinearGradientBrush wash;
    wash.create(from, {from.x + reach, from.y + reach}, toArgb(m.engine.settings.accentColor, 100), argb(0, 0, 0, 0));
    m.graphics.fillPath(wash, outline);
    drawGlowOutline(m.graphics, outline, 2, glowColor, 30);
}

void paintRadioMark(const Mark& m, UINT state) {
    m.graphics.setSmoothingMode(antiAlias);
    gdip::Pen ring;
    ring.create(argb(200, 0, 0, 0), 1);
    gdip::GraphicsPath ringPath;
    ringPath.create();
    ringPath.addEllipse(m.x + 2, m.y + (m.h - 12) / 2, 12, 12);
    m.graphics.drawPath(ring, ringPath);

    gdip::GraphicsPath disc;
    disc.create();
    disc.addEllipse(m.x + 3, m.y + (m.h - 11) / 2 + 1, 9, 9);
    gdip::Pen white;
    gdip::SolidBrush whiteFill;
    white.create(argb(255, 255, 255, 255), 1);
    whiteFill.create(argb(255, 255, 255, 255));
    m.graphics.drawPath(white, disc);
    m.graphics.fillPath(whiteFill, disc);
    const gdip::PointF from{m.x + 3, m.y + (m.h - 12) / 2 + 1};
    gdip::LinearGradientBrush shade;
    shade.create(from, {from.x + 10, from.y + 10}, argb(100, 0, 0, 0), argb(0, 0, 0, 0));
    m.graphics.fillPath(shade, disc);
    if (state & stateHover) paintHover(m, disc, from, 11);

    if (!isChecked(m.control)) return;
    gdip::GraphicsPath dot;
    dot.create();
    dot.addEllipse(m.x + 5, m.y + (m.h - 12) / 2 + 3, 6, 6);
    m.graphics.drawPath(ring, dot);
    gdip::PathGradientBrush dotFill;
    dotFill.create(dot);
    dotFill.setCenterColor(argb(100, 255, 255, 255));
    dotFill.setSurroundColors({argb(255, 0, 128, 128)});
    m.graphics.fillPath(dotFill, dot);
}

void paintBoxMark(const Mark& m, UINT state) {
    const float top = m.y + static_cast<float>(static_cast<int>(m.h - 13) / 2);
    const gdip::Image* box = m.engine.decodedPictures().find(boxPicture());
    if (box) m.graphics.drawImage(*box, m.x, top);
    const gdip::Image* checkedBox = isChecked(m.control) ? m.engine.decodedPictures().find(checkedBoxPicture()) : nullptr;
    if (checkedBox) m.graphics.drawImage(*checkedBox, m.x, top);
    if (!(state & stateHover)) return;
    gdip::GraphicsPath square;
    square.create();
    square.addRectangle(m.x, top, 13, 13);
    paintHover(m, square, {m.x + 3, m.y + (m.h - 12) / 2 + 1}, 11);
}

// Draws the mark and the caption on a copy of the background and puts it on the control.
template <typename PaintMark>
void paintOnBackground(SkinEngine& engine, HWND control, float captionLeft, float captionShrink, PaintMark paintMark) {
    const ButtonRecord* entry = findButtonRecord(engine, control);
    if (!entry) return;
    RECT client;
    GetClientRect(control, &client);
    HDC snapshot = snapshotBackground(engine, control, client);
    if (!snapshot) return;
    {
        gdip::Graphics graphics;
        graphics.create(snapshot);
        const Mark m{engine, graphics, control, static_cast<float>(client.left), static_cast<float>(client.top),
                     static_cast<float>(client.right - client.left), static_cast<float>(client.bottom - client.top)};
        paintMark(m);
        drawButtonCaption(graphics, control, *entry, {m.x + captionLeft, 2, m.w - captionShrink, m.h}, pixelUnit,
                          leftAligned);
    }
    // GDI+ is done with the snapshot before GDI copies from it.
    HDC dc = GetDC(control);
    BitBlt(dc, 0, 0, client.right - client.left, client.bottom - client.top, snapshot, 0, 0, SRCCOPY);
    ReleaseDC(control, dc);
    releaseSnapshot(engine, snapshot);
}

}  // namespace

void InstallCheckAndRadioButtons(SkinEngine& engine, int windowIndex, HWND parent) {
    if (!engine.settings.controlSkinning) return;
    SkinWindowRecord& record = engine.registry().at(windowIndex);
    forEachButtonChild(parent, [&](HWND child) {
        const int kind = checkKindOf(child);
        if (kind && !entryIndexOf(record.buttons, child)) installCheckButton(record, windowIndex, parent, child, kind);
    });
}

void PaintRadioButton(SkinEngine& engine, HWND control, UINT state) {
    paintOnBackground(engine, control, 18, 0, [state](const Mark& m) { paintRadioMark(m, state); });
}

void PaintCheckBox(SkinEngine& engine, HWND control, UINT state) {
    paintOnBackground(engine, control, 17, 19, [state](const Mark& m) { paintBoxMark(m, state); });
}

}  // namespace skin
