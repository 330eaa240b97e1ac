// Plain push buttons become owner-drawn, translucent rounded plates over the window's
// background: a glossy upper half, the accent colour under the mouse, a glow when
// focused and an inset when pressed.
#include "gdiplus/brush.h"
#include "gdiplus/graphics.h"
#include "gdiplus/graphics_path.h"
#include "gdiplus/pen.h"
#include "skin/controls/button_faces.h"
#include "skin/controls/button_procedure.h"
#include "skin/controls/control_subclass.h"
#include "skin/controls/control_installers.h"
#include "skin/engine/argb.h"
#include "skin/engine/background_snapshot.h"
#include "skin/engine/path_shapes.h"
#include "skin/engine/skin_engine.h"

namespace skin {

namespace {

// The focus glow keeps the engine's first accent whatever the accent is now.
constexpr COLORREF focusGlowColor = 0xDDCA22;

bool isPlainPushButton(HWND child) {
    const LONG type = GetWindowLongA(child, GWL_STYLE) & 0x0F;
    return type == BS_PUSHBUTTON || type == BS_DEFPUSHBUTTON || type == BS_USERBUTTON;
}

void installPushButton(SkinWindowRecord& record, int windowIndex, HWND button) {
    addButtonRecord(record, windowIndex, button, PushButton);
    // A default push button loses its default look with this.
    SetWindowLongA(button, GWL_STYLE, GetWindowLongA(button, GWL_STYLE) | BS_OWNERDRAW);
}

struct Face {
    gdip::Graphics& graphics;
    float x, y, w, h;
    COLORREF accent;
};

// The rounded outline of the whole button.
void platePath(const Face& f, gdip::GraphicsPath& plate) {
    plate.create();
    addRoundedRect(plate, f.x, f.y, f.w - 1, f.h - 1, 5);
}

void fillPlate(const Face& f, const gdip::Brush& brush) {
    gdip::GraphicsPath plate;
    platePath(f, plate);
    f.graphics.fillPath(brush, plate);
}

void outlinePlate(const Face& f, gdip::Argb color) {
    gdip::GraphicsPath plate;
    gdip::Pen pen;
    platePath(f, plate);
    pen.create(color, 1);
    f.graphics.drawPath(pen, plate);
}

void fillPlateGradient(const Face& f, gdip::Argb top, gdip::Argb bottom) {
    gdip::LinearGradientBrush gradient;
    gradient.create({f.x, f.y}, {f.x, f.y + f.h - 1}, top, bottom);
    fillPlate(f, gradient);
}

void paintDisabled(const Face& f) {
    gdip::SolidBrush grey;
    grey.create(argb(255, 192, 192, 192));
    f.graphics.fillRectangle(grey, f.x, f.y, f.w, f.h);
    gdip::LinearGradientBrush sheen;
    sheen.create({f.x, f.y}, {f.x, f.y + f.h}, argb(50, 255, 255, 255), argb(50, 255, 255, 255));
    sheen.setPresetBlend({argb(50, 255, 255, 255), argb(10, 0, 0, 0), argb(50, 255, 255, 255)},
                         {0.0f, 0.6f, 1.0f});
    fillPlate(f, sheen);
    outlinePlate(f, argb(80, 0, 0, 0));
}

void paintGloss(const Face& f) {
    gdip::GraphicsPath top;
    top.create();
    addTopRoundedPath(top, f.x, f.y, static_cast<float>(static_cast<int>(f.w - 1)),
                      static_cast<float>(static_cast<int>(f.h * 0.5f)), 5);
    gdip::LinearGradientBrush gloss;
    gloss.create({f.x, f.y}, {f.x, f.y + f.h * 0.5f}, argb(50, 255, 255, 255), argb(10, 255, 255, 255));
    f.graphics.fillPath(gloss, top);
}

void paintBorder(const Face& f, UINT state) {
    if (state & stateHover) {
        fillPlateGradient(f, toArgb(f.accent, 60), toArgb(f.accent, 10));
        outlinePlate(f, toArgb(f.accent, 255));
    } else if (state & stateFocus) {
        gdip::GraphicsPath plate;
        platePath(f, plate);
        drawGlowOutline(f.graphics, plate, 3, focusGlowColor, 120);
        outlinePlate(f, argb(70, 0, 0, 0));
    } else {
        outlinePlate(f, argb(120, 0, 0, 0));
    }
}

void paintPressedInset(const Face& f) {
    gdip::GraphicsPath inset;
    inset.create();
    addRoundedRect(inset, f.x + 2, f.y + 2, f.w - 3, f.h - 3, 5);
    gdip::LinearGradientBrush gradient;
    gradient.create({2, 2}, {2, f.h - 2}, toArgb(f.accent, 60), argb(100, 255, 255, 255));
    f.graphics.fillPath(gradient, inset);
}

void paintEnabled(const Face& f, UINT state) {
    fillPlateGradient(f, argb(0, 255, 255, 255), argb(60, 128, 128, 128));
    paintGloss(f);
    paintBorder(f, state);
    if (state & stateSelected) paintPressedInset(f);
}

constexpr int worldUnit = 0;
constexpr int centred = 1;

}  // namespace

void InstallPushButtons(SkinEngine& engine, int windowIndex, HWND parent) {
    if (!engine.settings.controlSkinning) return;
    SkinWindowRecord& record = engine.registry().at(windowIndex);
    forEachButtonChild(parent, [&](HWND child) {
        if (isPlainPushButton(child) && !entryIndexOf(record.buttons, child)) installPushButton(record, windowIndex, child);
    });
}

void PaintPushButtonFace(SkinEngine& engine, HWND button, HDC dc, UINT state, const RECT& rect) {
    const ButtonRecord* entry = findButtonRecord(engine, button);
    if (!entry) return;
    HDC snapshot = snapshotBackground(engine, button, rect);
    if (!snapshot) return;
    {
        gdip::Graphics graphics;
        graphics.create(snapshot);
        const Face f{graphics, static_cast<float>(rect.left), static_cast<float>(rect.top),
                     static_cast<float>(rect.right - rect.left), static_cast<float>(rect.bottom - rect.top),
                     engine.settings.accentColor};
        gdip::SolidBrush base;
        base.create(argb(120, 255, 255, 255));
        fillPlate(f, base);
        if (state & stateDisabled)
            paintDisabled(f);
        else
            paintEnabled(f, state);
        drawButtonCaption(graphics, button, *entry, {0, 2, f.w, f.h}, worldUnit, centred);
    }
    // GDI+ is done with the snapshot before GDI copies from it.
    BitBlt(dc, 0, 0, rect.right - rect.left, rect.bottom - rect.top, snapshot, 0, 0, SRCCOPY);
    releaseSnapshot(engine, snapshot);
}

}  // namespace skin
