#include "skin/controls/edit_box.h"

#include "gdiplus/graphics.h"
#include "gdiplus/pen.h"
#include "skin/controls/combo_box.h"
#include "skin/controls/control_installers.h"
#include "skin/controls/control_subclass.h"
#include "skin/controls/frame_ring.h"
#include "skin/engine/argb.h"
#include "skin/engine/background_snapshot.h"
#include "skin/engine/skin_engine.h"
#include "skin/engine/window_properties.h"
#include "skin/engine/window_queries.h"

namespace skin {

namespace {

constexpr int editHotKind = 1;

bool transparentOn(const SkinEngine& engine) { return engine.settings.transparentControls; }

bool hasScrollBars(HWND edit) { return (GetWindowLongA(edit, GWL_STYLE) & (WS_HSCROLL | WS_VSCROLL)) != 0; }

RECT scrollBarRect(HWND edit, LONG object) {
    SCROLLBARINFO info{};
    info.cbSize = sizeof info;
    if (!GetScrollBarInfo(edit, object, &info)) return RECT{};
    return info.rcScrollBar;
}

void drawFrameRing(SkinEngine& engine, HDC snapshot, SIZE size, const RECT& inner, bool focused, bool hover) {
    gdip::Graphics graphics;
    if (!graphics.create(snapshot)) return;
    veilFrameRing(engine, graphics, size, inner);
    const float w = static_cast<float>(size.cx), h = static_cast<float>(size.cy);
    gdip::Pen pen;
    if (hover) {
        if (pen.create(toArgb(engine.settings.accentColor, 180), 2)) graphics.drawRectangle(pen, 1, 1, w - 2, h - 2);
        return;
    }
    const gdip::Argb line = focused ? toArgb(engine.settings.accentColor, 180) : gdip::Argb{0x50000000};
    if (pen.create(line, 1)) graphics.drawRectangle(pen, 0, 0, w - 1, h - 1);
}

// --- the edit procedure's handlers -------------------------------------------------

using EditLookup = ControlLookup<EditEntry>;

EditLookup lookUp(HWND edit) { return lookUpControl(SkinEngine::current(), edit, &SkinWindowRecord::edits); }

// The hot frame was drawn for this edit and the mouse has not left it since.
bool drawnHot(const EditLookup& edit, HWND hwnd) {
    const SkinWindowRecord& window = *edit.window;
    return window.lastHotControl == edit.index && window.hotControlKind == editHotKind &&
           window.hotEditParent == GetParent(hwnd);
}

// The system's paints keep the look the mouse gave the frame.
void repaintFrame(SkinEngine& engine, const EditLookup& edit, HWND hwnd) {
    PaintEditFrame(engine, hwnd, edit.entry->focused, drawnHot(edit, hwnd));
}

void invalidateWhole(HWND edit) { InvalidateRect(edit, nullptr, TRUE); }

void onSetFocus(const EditLookup& edit) { edit.entry->focused = true; }

void onKillFocus(SkinEngine& engine, const EditLookup& edit, HWND hwnd) {
    edit.entry->focused = false;
    // A combo box's edit has no ring of its own to repaint and is redrawn by its combo.
    if (windowClassName(GetParent(hwnd)) == "ComboBox")
        PaintEditFrame(engine, hwnd, false, false);
    else
        invalidateWhole(hwnd);
}

LRESULT onEraseBackground(SkinEngine& engine, HWND hwnd, HDC dc) {
    SetBkMode(dc, TRANSPARENT);
    PaintEditBackground(engine, hwnd, dc);
    return 1;
}

// Only the scroll bars get the system look: the ring is ours. An edit without scroll
// bars has nothing left for the system to draw (no default frame over ours).
LRESULT onNcPaint(SkinEngine& engine, const EditLookup& edit, HWND hwnd) {
    repaintFrame(engine, edit, hwnd);
    HRGN bars = ScrollBarRegion(hwnd);
    if (!bars) return 0;
    const LRESULT result = DefWindowProcA(hwnd, WM_NCPAINT, reinterpret_cast<WPARAM>(bars), 0);
    DeleteObject(bars);
    return result;
}

void onMouseMove(SkinEngine& engine, const EditLookup& edit, HWND hwnd) {
    trackMouseLeave(hwnd);
    SkinWindowRecord& window = *edit.window;
    window.hotControl = edit.index;
    if (!drawnHot(edit, hwnd)) {
        PaintEditFrame(engine, hwnd, edit.entry->focused, true);
        window.lastHotControl = window.hotControl;
        window.hotControlKind = editHotKind;
        window.hotEditParent = GetParent(hwnd);
    }
    if (edit.entry->mouseDown && !hasScrollBars(hwnd) && transparentOn(engine)) invalidateWhole(hwnd);
}

void onLeftButtonDown(SkinEngine& engine, const EditLookup& edit, HWND hwnd) {
    edit.entry->mouseDown = true;
    if (transparentOn(engine) && !hasScrollBars(hwnd)) invalidateWhole(hwnd);
}

void onMouseLeave(SkinEngine& engine, const EditLookup& edit, HWND hwnd) {
    edit.window->lastHotControl = 0;
    PaintEditFrame(engine, hwnd, edit.entry->focused, false);
}

// Messages the edit's own procedure must not see.
std::optional<LRESULT> handleInstead(SkinEngine& engine, const EditLookup& edit, HWND hwnd, UINT message,
                                     WPARAM wParam) {
    switch (message) {
        case WM_ERASEBKGND:
            if (!transparentOn(engine)) return std::nullopt;
            return onEraseBackground(engine, hwnd, reinterpret_cast<HDC>(wParam));
        case WM_NCPAINT: return onNcPaint(engine, edit, hwnd);
        default: return std::nullopt;
    }
}

// Messages handled before the edit's own procedure gets them.
void handleBefore(SkinEngine& engine, const EditLookup& edit, HWND hwnd, UINT message) {
    switch (message) {
        case WM_MOVE:
        case WM_HSCROLL:
        case WM_VSCROLL:
            if (transparentOn(engine)) invalidateWhole(hwnd);
            break;
        case WM_KEYDOWN:
            if (transparentOn(engine) && !hasScrollBars(hwnd)) invalidateWhole(hwnd);
            break;
        case WM_SETFOCUS: onSetFocus(edit); break;
        case WM_KILLFOCUS: onKillFocus(engine, edit, hwnd); break;
        case WM_PAINT: repaintFrame(engine, edit, hwnd); break;
        case WM_MOUSEMOVE: onMouseMove(engine, edit, hwnd); break;
        case WM_LBUTTONDOWN: onLeftButtonDown(engine, edit, hwnd); break;
        case WM_LBUTTONUP: edit.entry->mouseDown = false; break;
        case WM_MOUSELEAVE: onMouseLeave(engine, edit, hwnd); break;
        default: break;
    }
}

LRESULT CALLBACK editProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    return runControlProcedure(&SkinWindowRecord::edits, hwnd, message, wParam, lParam,
                               [&](SkinEngine& engine, const EditLookup& found) -> std::optional<LRESULT> {
                                   if (const auto answer = handleInstead(engine, found, hwnd, message, wParam))
                                       return answer;
                                   handleBefore(engine, found, hwnd, message);
                                   return std::nullopt;
                               });
}

void installEdits(SkinEngine& engine, int windowIndex, HWND parent) {
    for (HWND edit = FindWindowExA(parent, nullptr, "Edit", nullptr); edit;
         edit = FindWindowExA(parent, edit, "Edit", nullptr))
        installEdit(engine, windowIndex, edit);
}

}  // namespace

void installEdit(SkinEngine& engine, int windowIndex, HWND edit) {
    std::vector<EditEntry>& edits = engine.registry().at(windowIndex).edits;
    if (entryIndexOf(edits, edit)) return;
    installControl(edits, windowIndex, edit, editProcedure);
    setIntProperty(edit, prop::textColor, 0);
}

void InstallEditsAndComboBoxes(SkinEngine& engine, int windowIndex, HWND parent) {
    if (!engine.settings.controlSkinning) return;
    installEdits(engine, windowIndex, parent);
    installComboBoxes(engine, windowIndex, parent);
}

void PaintEditFrame(SkinEngine& engine, HWND edit, std::optional<bool> focused, bool hover) {
    if (!focused) {
        const EditLookup found = lookUp(edit);
        focused = found.entry && found.entry->focused;
    }
    const SIZE size = windowSize(edit);
    const RECT inner = frameInnerRect(edit);
    HDC snapshot = snapshotBackground(engine, edit, RECT{0, 0, size.cx, size.cy});
    if (!snapshot) return;
    drawFrameRing(engine, snapshot, size, inner, *focused, hover);
    HDC dc = GetWindowDC(edit);
    ExcludeClipRect(dc, inner.left, inner.top, inner.right, inner.bottom);
    BitBlt(dc, 0, 0, size.cx, size.cy, snapshot, 0, 0, SRCCOPY);
    ReleaseDC(edit, dc);
    releaseSnapshot(engine, snapshot);
}

void PaintEditBackground(SkinEngine& engine, HWND edit, HDC dc) {
    HBITMAP background = controlBackgroundBitmap(engine, edit);
    if (!background) return;
    BITMAP size{};
    GetObjectA(background, sizeof size, &size);
    HDC source = CreateCompatibleDC(dc);
    HGDIOBJ initial = SelectObject(source, background);
    BitBlt(dc, 0, 0, size.bmWidth, size.bmHeight, source, 0, 0, SRCCOPY);
    SelectObject(source, initial);
    DeleteDC(source);
    DeleteObject(background);
}

HRGN ScrollBarRegion(HWND edit) {
    const LONG style = GetWindowLongA(edit, GWL_STYLE);
    HRGN horizontal = nullptr, vertical = nullptr;
    if (style & WS_HSCROLL) {
        const RECT bar = scrollBarRect(edit, OBJID_HSCROLL);
        horizontal = CreateRectRgnIndirect(&bar);
    }
    if (style & WS_VSCROLL) {
        RECT bar = scrollBarRect(edit, OBJID_VSCROLL);
        if (style & WS_HSCROLL) bar.bottom += bar.right - bar.left;
        vertical = CreateRectRgnIndirect(&bar);
    }
    if (!horizontal || !vertical) return horizontal ? horizontal : vertical;
    CombineRgn(horizontal, horizontal, vertical, RGN_OR);
    DeleteObject(vertical);
    return horizontal;
}

}  // namespace skin
