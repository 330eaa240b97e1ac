#include "skin/controls/button_procedure.h"

#include <optional>

#include "skin/controls/button_faces.h"
#include "skin/controls/check_button.h"
#include "gdiplus/brush.h"
#include "gdiplus/font.h"
#include "gdiplus/graphics.h"
#include "gdiplus/string_format.h"
#include "skin/controls/control_font.h"
#include "skin/controls/control_subclass.h"
#include "skin/engine/argb.h"
#include "skin/engine/skin_engine.h"
#include "skin/engine/window_properties.h"
#include "skin/engine/window_queries.h"

namespace skin {

namespace {

struct ButtonMessage {
    SkinEngine& engine;
    SkinWindowRecord& window;
    ButtonRecord& entry;
    int index;
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
};
using Handled = std::optional<LRESULT>;

LRESULT passOn(const ButtonMessage& m) { return passToPrevious(m.entry.hwnd, m.message, m.wParam, m.lParam); }

bool paintsItself(const ButtonRecord& entry) { return entry.kind == RadioButton || entry.kind == CheckBox; }

// Check boxes and radio buttons are drawn by the engine, not the system.
void paintMark(SkinEngine& engine, HWND control, int kind, UINT state) {
    if (kind == CheckBox) PaintCheckBox(engine, control, state);
    if (kind == RadioButton) PaintRadioButton(engine, control, state);
}

Handled onMove(const ButtonMessage& m) {
    InvalidateRect(m.entry.hwnd, nullptr, TRUE);
    return std::nullopt;
}

Handled onFocus(const ButtonMessage& m, bool focused) {
    m.entry.focused = focused;
    return std::nullopt;
}

Handled onSetText(const ButtonMessage& m) {
    const char* text = reinterpret_cast<const char*>(m.lParam);
    m.entry.caption = text ? text : "";
    return std::nullopt;
}

Handled onPaint(const ButtonMessage& m) {
    if (!paintsItself(m.entry)) return std::nullopt;
    PAINTSTRUCT paint;
    BeginPaint(m.entry.hwnd, &paint);
    paintMark(m.engine, m.entry.hwnd, m.entry.kind, 0);
    EndPaint(m.entry.hwnd, &paint);
    return DefWindowProcA(m.entry.hwnd, m.message, m.wParam, m.lParam);
}

Handled onEraseBackground(const ButtonMessage& m) {
    HDC dc = reinterpret_cast<HDC>(m.wParam);
    SetBkMode(dc, TRANSPARENT);
    return static_cast<LRESULT>(SetTextColor(dc, static_cast<COLORREF>(intProperty(m.entry.hwnd, prop::textColor))));
}

// The system draws a check box's new state itself: the engine's look goes back on top.
// The entry is not used after passing on: the parent's handlers may have changed the
// array.
Handled onStateChange(const ButtonMessage& m) {
    if (!paintsItself(m.entry)) return std::nullopt;
    const HWND control = m.entry.hwnd;
    const int kind = m.entry.kind;
    passOn(m);
    if (IsWindow(control)) paintMark(m.engine, control, kind, kind == RadioButton ? stateSelected : 0);
    return DefWindowProcA(control, m.message, m.wParam, m.lParam);
}

Handled onKeyDown(const ButtonMessage& m) {
    if (m.wParam != VK_SPACE) return std::nullopt;
    return onStateChange(m);
}

// Repaints only when the mouse comes from elsewhere, not on every move inside.
Handled onMouseMove(const ButtonMessage& m) {
    TRACKMOUSEEVENT track{sizeof(track), TME_LEAVE, m.entry.hwnd, 0};
    TrackMouseEvent(&track);
    m.window.hotControl = m.index;
    if (m.window.lastHotControl != m.window.hotControl || m.window.hotControlKind != 0)
        RedrawButton(m.engine, m.entry.hwnd, 0, true);
    m.window.lastHotControl = m.window.hotControl;
    m.window.hotControlKind = 0;
    return std::nullopt;
}

Handled onLeftButtonUp(const ButtonMessage& m) {
    m.window.lastHotControl = 0;
    return std::nullopt;
}

// The second press of a double click is swallowed, so a double click clicks once.
Handled onLeftButtonDoubleClick(const ButtonMessage&) { return 0; }

Handled onMouseLeave(const ButtonMessage& m) {
    m.window.lastHotControl = 0;
    RedrawButton(m.engine, m.entry.hwnd, m.entry.focused ? stateFocus : 0, false);
    return std::nullopt;
}

Handled dispatch(const ButtonMessage& m) {
    switch (m.message) {
        case WM_MOVE: return onMove(m);
        case WM_SETFOCUS: return onFocus(m, true);
        case WM_KILLFOCUS: return onFocus(m, false);
        case WM_SETTEXT: return onSetText(m);
        case WM_PAINT: return onPaint(m);
        case WM_ERASEBKGND: return onEraseBackground(m);
        case WM_NCPAINT: return 1;
        case BM_SETCHECK:
        case WM_LBUTTONDOWN: return onStateChange(m);
        case WM_KEYDOWN: return onKeyDown(m);
        case WM_MOUSEMOVE: return onMouseMove(m);
        case WM_LBUTTONUP: return onLeftButtonUp(m);
        case WM_LBUTTONDBLCLK: return onLeftButtonDoubleClick(m);
        case WM_MOUSELEAVE: return onMouseLeave(m);
        default: return std::nullopt;
    }
}

}  // namespace

ButtonRecord& addButtonRecord(SkinWindowRecord& record, int windowIndex, HWND control, int kind) {
    ButtonRecord& entry = installControl(record.buttons, windowIndex, control, ButtonProcedure);
    entry.kind = kind;
    entry.caption = windowText(control);
    const ControlFont font = captionFontOf(control);
    entry.fontName = font.name;
    entry.fontSize = font.size;
    entry.fontStyle = font.style;
    return entry;
}

void drawButtonCaption(gdip::Graphics& graphics, HWND control, const ButtonRecord& entry, const gdip::RectF& layout,
                       int fontUnit, int alignment) {
    gdip::SolidBrush brush;
    gdip::Font font;
    gdip::StringFormat format;
    brush.create(toArgb(static_cast<COLORREF>(intProperty(control, prop::textColor))));
    font.create(entry.fontName, static_cast<float>(entry.fontSize), entry.fontStyle, fontUnit);
    format.create();
    format.setAlignment(alignment);
    format.setLineAlignment(1);
    graphics.drawString(entry.caption, font, layout, &format, brush);
}

ButtonRecord* findButtonRecord(SkinEngine& engine, HWND control) {
    return lookUpControl(&engine, control, &SkinWindowRecord::buttons).entry;
}

LRESULT CALLBACK ButtonProcedure(HWND control, UINT message, WPARAM wParam, LPARAM lParam) {
    return runControlProcedure(&SkinWindowRecord::buttons, control, message, wParam, lParam,
                               [&](SkinEngine& engine, const ControlLookup<ButtonRecord>& found) {
                                   return dispatch(ButtonMessage{engine, *found.window, *found.entry, found.index,
                                                                 message, wParam, lParam});
                               });
}

void RedrawButton(SkinEngine& engine, HWND control, UINT state, bool hover) {
    const ButtonRecord* entry = findButtonRecord(engine, control);
    if (!entry) return;
    if (hover) state |= stateHover;
    HDC dc = GetDC(control);
    RECT client;
    GetClientRect(control, &client);
    switch (entry->kind) {
        case PushButton: PaintPushButtonFace(engine, control, dc, state, client); break;
        case ImageButton: PaintImageButtonFace(engine, control, dc, state, client); break;
        case MultiImageButton: PaintMultiImageButtonFace(engine, control, dc, state, client); break;
        default: paintMark(engine, control, entry->kind, state); break;
    }
    ReleaseDC(control, dc);
}

}  // namespace skin
