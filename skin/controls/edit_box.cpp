#include "skin/controls/edit_box.h"

#include "gdiplus/brush.h"
#include "gdiplus/graphics.h"
#include "gdiplus/pen.h"
#include "skin/controls/combo_box.h"
#include "skin/controls/control_installers.h"
#include "skin/controls/control_subclass.h"
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

SIZE scrollBarSizes(HWND edit) {
    const RECT vertical = scrollBarRect(edit, OBJID_VSCROLL);
    const RECT horizontal = scrollBarRect(edit, OBJID_HSCROLL);
    return SIZE{vertical.right - vertical.left, horizontal.bottom - horizontal.top};
}

SIZE windowSize(HWND window) {
    RECT area{};
    GetWindowRect(window, &area);
    return SIZE{area.right - area.left, area.bottom - area.top};
}

SIZE clientSize(HWND window) {
    RECT area{};
    GetClientRect(window, &area);
    return SIZE{area.right, area.bottom};
}

void drawFrameRing(SkinEngine& engine, HDC snapshot, SIZE size, const RECT& inner, bool focused, bool hover) {
    gdip::Graphics graphics;
    if (!graphics.create(snapshot)) return;
    const float w = static_cast<float>(size.cx), h = static_cast<float>(size.cy);
    graphics.setClip(0, 0, w, h, 0);
    graphics.setClip(static_cast<float>(inner.left), static_cast<float>(inner.top),
                     static_cast<float>(inner.right - inner.left), static_cast<float>(inner.bottom - inner.top), 3);
    if (transparentOn(engine)) {
        gdip::SolidBrush veil;
        if (veil.create(toArgb(0xFFFFFF, engine.settings.veilAlpha))) graphics.fillRectangle(veil, 0, 0, w, h);
    } else {
        graphics.clear(toArgb(0xFFFFFF));
    }
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
    PaintEditFrame(engine, hwnd, edit.entry->focused, false);
    HRGN bars = ScrollBarRegion(hwnd);
    if (!bars) return 0;
    const LRESULT result = DefWindowProcA(hwnd, WM_NCPAINT, reinterpret_cast<WPARAM>(bars), 0);
    DeleteObject(bars);
    return result;
}

void onMouseMove(SkinEngine& engine, const EditLookup& edit, HWND hwnd) {
    TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, hwnd, 0};
    TrackMouseEvent(&track);
    SkinWindowRecord& window = *edit.window;
    window.hotControl = edit.index;
    const HWND parent = GetParent(hwnd);
    const bool drawnHot = window.lastHotControl == window.hotControl && window.hotControlKind == editHotKind &&
                          window.hotEditParent == parent;
    if (!drawnHot) {
        PaintEditFrame(engine, hwnd, edit.entry->focused, true);
        window.lastHotControl = window.hotControl;
        window.hotControlKind = editHotKind;
        window.hotEditParent = parent;
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
        case WM_PAINT: PaintEditFrame(engine, hwnd, edit.entry->focused, false); break;
        case WM_MOUSEMOVE: onMouseMove(engine, edit, hwnd); break;
        case WM_LBUTTONDOWN: onLeftButtonDown(engine, edit, hwnd); break;
        case WM_LBUTTONUP: edit.entry->mouseDown = false; break;
        case WM_MOUSELEAVE: onMouseLeave(engine, edit, hwnd); break;
        default: break;
    }
}

LRESULT CALLBACK editProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    return runControlProcedure(
        &SkinWindowRecord::edits, hwnd, message, wParam, lParam,
        [&](SkinEngine& engine, const EditLookup& found) { return handleInstead(engine, found, hwnd, message, wParam); },
        [&](SkinEngine& engine, const EditLookup& found) { handleBefore(engine, found, hwnd, message); });
}

bool listed(const SkinWindowRecord& window, HWND edit) {
    for (const EditEntry& entry : window.edits)
        if (entry.hwnd == edit) return true;
    return false;
}

void installEdits(SkinEngine& engine, int windowIndex, HWND parent) {
    for (HWND edit = FindWindowExA(parent, nullptr, "Edit", nullptr); edit;
         edit = FindWindowExA(parent, edit, "Edit", nullptr))
        installEdit(engine, windowIndex, edit);
}

}  // namespace

RECT editInnerRect(SIZE window, SIZE client, LONG style, SIZE scrollBars) {
    const LONG width = client.cx + ((style & WS_VSCROLL) ? scrollBars.cx : 0);
    const LONG height = client.cy + ((style & WS_HSCROLL) ? scrollBars.cy : 0);
    const LONG left = (window.cx - width) / 2, top = (window.cy - height) / 2;
    return RECT{left, top, left + width, top + height};
}

void installEdit(SkinEngine& engine, int windowIndex, HWND edit) {
    SkinWindowRecord& window = engine.registry().at(windowIndex);
    if (listed(window, edit)) return;
    window.edits.push_back(EditEntry{edit});
    const int index = static_cast<int>(window.edits.size());
    window.edits.back().previousProc = subclassControl(edit, editProcedure, index, windowIndex);
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
    const RECT inner = editInnerRect(size, clientSize(edit), GetWindowLongA(edit, GWL_STYLE), scrollBarSizes(edit));
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
