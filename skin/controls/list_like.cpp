#include "skin/controls/list_like.h"

#include <commctrl.h>

#include "gdiplus/brush.h"
#include "gdiplus/graphics.h"
#include "gdiplus/pen.h"
#include "skin/controls/control_installers.h"
#include "skin/controls/control_subclass.h"
#include "skin/controls/frame_ring.h"
#include "skin/engine/argb.h"
#include "skin/engine/background_snapshot.h"
#include "skin/engine/window_painting.h"
#include "skin/engine/window_queries.h"

namespace skin {

namespace {

constexpr int hotKindList = 4;
constexpr COLORREF keyColor = 0xFF00FF;  // pixels of this colour never reach the screen
constexpr gdip::Argb keyArgb = 0xFFFF00FF;
constexpr UINT arrowKeyRepaint = 0x8002;

using Slot = ControlLookup<ListEntry>;

bool isClass(HWND hwnd, const char* name) { return lstrcmpiA(windowClassName(hwnd).c_str(), name) == 0; }

// The visible scroll bars in screen coordinates: the system paints only these.
HRGN scrollBarRegion(HWND hwnd) {
    HRGN region = CreateRectRgn(0, 0, 0, 0);
    for (LONG object : {OBJID_HSCROLL, OBJID_VSCROLL}) {
        SCROLLBARINFO info{};
        info.cbSize = sizeof info;
        if (!GetScrollBarInfo(hwnd, object, &info) || (info.rgstate[0] & STATE_SYSTEM_INVISIBLE)) continue;
        HRGN bar = CreateRectRgnIndirect(&info.rcScrollBar);
        CombineRgn(region, region, bar, RGN_OR);
        DeleteObject(bar);
    }
    return region;
}

// The inside of the ring gets the key colour, so that the control's own pixels stay.
void paintFrameRing(SkinEngine& engine, gdip::Graphics& graphics, SIZE size, const RECT& inner) {
    veilFrameRing(engine, graphics, size, inner);
    graphics.resetClip();
    graphics.setClip(static_cast<float>(inner.left), static_cast<float>(inner.top),
                     static_cast<float>(inner.right - inner.left), static_cast<float>(inner.bottom - inner.top));
    graphics.clear(keyArgb);
    graphics.resetClip();
}

// Hover wins over focus.
void drawFrameLine(SkinEngine& engine, gdip::Graphics& graphics, SIZE size, bool hover, bool focus) {
    const float w = static_cast<float>(size.cx), h = static_cast<float>(size.cy);
    const gdip::Argb accent = toArgb(engine.settings.accentColor, 200);
    gdip::Pen pen;
    if (hover) {
        if (pen.create(accent, 2.0f)) graphics.drawRectangle(pen, 1, 1, w - 2, h - 2);
    } else if (pen.create(focus ? accent : 0x5A000000, 1.0f)) {
        graphics.drawRectangle(pen, 0, 0, w - 1, h - 1);
    }
}

void drawFrame(SkinEngine& engine, const Slot& slot, std::optional<bool> hover = std::nullopt) {
    DrawListFrame(engine, slot.windowIndex, slot.index, hover);
}

// The hover frame is drawn only when the mouse comes in from elsewhere.
LRESULT onMouseMove(SkinEngine& engine, const Slot& slot, HWND hwnd, WPARAM wParam, LPARAM lParam) {
    trackMouseLeave(hwnd);
    SkinWindowRecord& record = *slot.window;
    record.hotControl = slot.index;
    if (record.hotControl != record.lastHotControl || record.hotControlKind != hotKindList) {
        slot.entry->hovered = true;
        drawFrame(engine, slot, true);
        record.lastHotControl = record.hotControl;
        record.hotControlKind = hotKindList;
    }
    return passToPrevious(hwnd, WM_MOUSEMOVE, wParam, lParam);
}

LRESULT onMouseLeave(SkinEngine& engine, const Slot& slot, HWND hwnd, WPARAM wParam, LPARAM lParam) {
    slot.window->lastHotControl = 0;
    slot.entry->hovered = false;
    drawFrame(engine, slot, false);
    return passToPrevious(hwnd, WM_MOUSELEAVE, wParam, lParam);
}

LRESULT onFocusChange(SkinEngine& engine, const Slot& slot, HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    slot.entry->focused = message == WM_SETFOCUS;
    drawFrame(engine, slot);
    return passToPrevious(hwnd, message, wParam, lParam);
}

// The system paints the scroll bars only; the border is the skin's, drawn after them.
LRESULT onNcPaint(SkinEngine& engine, const Slot& slot, HWND hwnd, LPARAM lParam) {
    LRESULT result = 0;
    if (GetWindowLongA(hwnd, GWL_STYLE) & (WS_HSCROLL | WS_VSCROLL)) {
        HRGN region = scrollBarRegion(hwnd);
        result = DefWindowProcA(hwnd, WM_NCPAINT, reinterpret_cast<WPARAM>(region), lParam);
        DeleteObject(region);
    }
    drawFrame(engine, slot);
    return result;
}

bool itemsOverBackground(HWND hwnd) {
    return isClass(hwnd, "SysTreeView32") || isClass(hwnd, "SysListView32") ||
           (isClass(hwnd, "ListBox") && !isOwnerDrawnListBox(hwnd));
}

// IP-address fields and date pickers: the veiled background under their text.
LRESULT eraseVeiled(SkinEngine& engine, HWND hwnd, HDC dc) {
    SetBkMode(dc, TRANSPARENT);
    const RECT area = clientRectInWindow(hwnd);
    if (HDC veiled = MakeVeiledClientSnapshot(engine, hwnd)) {
        BitBlt(dc, 0, 0, area.right - area.left, area.bottom - area.top, veiled, 0, 0, SRCCOPY);
        releaseSnapshot(engine, veiled);
    }
    return static_cast<LRESULT>(SetTextColor(dc, static_cast<COLORREF>(intProperty(hwnd, prop::textColor))));
}

LRESULT onEraseBackground(SkinEngine& engine, HWND hwnd, WPARAM wParam, LPARAM lParam) {
    if (!engine.settings.transparentControls) return passToPrevious(hwnd, WM_ERASEBKGND, wParam, lParam);
    HDC dc = reinterpret_cast<HDC>(wParam);
    if (itemsOverBackground(hwnd)) {
        SetBkMode(dc, TRANSPARENT);
        return 1;  // the paint puts the items over the background itself
    }
    if (!isOwnerDrawnListBox(hwnd) && !isClass(hwnd, "ComboLBox")) return eraseVeiled(engine, hwnd, dc);
    return passToPrevious(hwnd, WM_ERASEBKGND, wParam, lParam);
}

// The tree view paints on its key-coloured background into a copy, which is laid over
// the veiled background without the key colour.
LRESULT paintTreeOverBackground(SkinEngine& engine, HWND hwnd, LPARAM lParam) {
    RECT client{};
    GetClientRect(hwnd, &client);
    HDC items = snapshotBackground(engine, hwnd, client);
    HDC veiled = MakeVeiledClientSnapshot(engine, hwnd);
    if (items && veiled) {
        CallWindowProcA(previousProcOf(hwnd), hwnd, WM_PAINT, reinterpret_cast<WPARAM>(items), lParam);
        TransparentBlt(veiled, 0, 0, client.right, client.bottom, items, 0, 0, client.right, client.bottom, keyColor);
        HDC dc = clippedWindowDC(hwnd);
        BitBlt(dc, 0, 0, client.right, client.bottom, veiled, 0, 0, SRCCOPY);
        ReleaseDC(hwnd, dc);
    }
    releaseSnapshot(engine, items);
    releaseSnapshot(engine, veiled);
    return DefWindowProcA(hwnd, WM_PAINT, 0, lParam);
}

// List boxes and list views draw their items straight onto the veiled background.
LRESULT paintItemsOverBackground(SkinEngine& engine, HWND hwnd, LPARAM lParam) {
    RECT client{};
    GetClientRect(hwnd, &client);
    HDC veiled = MakeVeiledClientSnapshot(engine, hwnd);
    PAINTSTRUCT paint{};
    BeginPaint(hwnd, &paint);
    if (veiled) {
        CallWindowProcA(previousProcOf(hwnd), hwnd, WM_PAINT, reinterpret_cast<WPARAM>(veiled), lParam);
        BitBlt(paint.hdc, 0, 0, client.right, client.bottom, veiled, 0, 0, SRCCOPY);
    }
    EndPaint(hwnd, &paint);
    releaseSnapshot(engine, veiled);
    InvalidateVisibleChildren(hwnd);  // a list view's header paints itself over the result
    return DefWindowProcA(hwnd, WM_PAINT, 0, lParam);
}

LRESULT onPaint(SkinEngine& engine, const Slot& slot, HWND hwnd, WPARAM wParam, LPARAM lParam) {
    drawFrame(engine, slot);
    if (!engine.settings.transparentControls) return passToPrevious(hwnd, WM_PAINT, wParam, lParam);
    if (isClass(hwnd, "SysTreeView32")) return paintTreeOverBackground(engine, hwnd, lParam);
    if (isClass(hwnd, "ListBox") || isClass(hwnd, "SysListView32")) return paintItemsOverBackground(engine, hwnd, lParam);
    return passToPrevious(hwnd, WM_PAINT, wParam, lParam);
}

LRESULT onKey(const Slot& slot, HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_KEYUP) {
        ReleaseCapture();
        slot.entry->arrowKeyDown = false;
    } else if (wParam >= VK_LEFT && wParam <= VK_DOWN) {
        slot.entry->arrowKeyDown = true;
    }
    return passToPrevious(hwnd, message, wParam, lParam);
}

LRESULT onArrowKeyRepaint(SkinEngine& engine, const Slot& slot, HWND hwnd, WPARAM wParam, LPARAM lParam) {
    if (engine.settings.transparentControls && slot.entry->arrowKeyDown) InvalidateRect(hwnd, nullptr, FALSE);
    return passToPrevious(hwnd, arrowKeyRepaint, wParam, lParam);
}

// Moving or scrolling shifts the items over a background that stays put.
LRESULT onShift(SkinEngine& engine, HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (engine.settings.transparentControls) InvalidateRect(hwnd, nullptr, TRUE);
    return passToPrevious(hwnd, message, wParam, lParam);
}

void installList(SkinEngine& engine, int windowIndex, HWND control) {
    installControl(engine.registry().at(windowIndex).lists, windowIndex, control, ListProc);
}

// Every direct child of `parent` of the class, for which `take` says yes.
template <typename Take>
void installEach(HWND parent, const char* className, Take take) {
    for (HWND control = FindWindowExA(parent, nullptr, className, nullptr); control;
         control = FindWindowExA(parent, control, className, nullptr))
        take(control);
}

}  // namespace

// Any of the edges a control draws as a border; the combined edge styles add nothing.
bool hasListBorder(LONG style, LONG exStyle) {
    return (style & WS_BORDER) || (exStyle & (WS_EX_WINDOWEDGE | WS_EX_CLIENTEDGE | WS_EX_DLGMODALFRAME));
}

bool HasListBorder(HWND hwnd) {
    return hasListBorder(GetWindowLongA(hwnd, GWL_STYLE), GetWindowLongA(hwnd, GWL_EXSTYLE));
}

void DrawListFrame(SkinEngine& engine, int windowIndex, int controlIndex, std::optional<bool> hover,
                   std::optional<bool> focus) {
    const ListEntry& entry = engine.registry().at(windowIndex).lists.at(controlIndex - 1);
    const HWND hwnd = entry.hwnd;
    const SIZE size = windowSize(hwnd);
    const RECT inner = frameInnerRect(hwnd);
    HDC snapshot = snapshotBackground(engine, hwnd, RECT{0, 0, size.cx, size.cy});
    if (!snapshot) return;
    {
        gdip::Graphics graphics;
        if (graphics.create(snapshot)) {
            // Without a border, or on a combo box's list, every pixel is key: nothing shows.
            if (isClass(hwnd, "ComboLBox") || !HasListBorder(hwnd)) {
                graphics.clear(keyArgb);
            } else {
                paintFrameRing(engine, graphics, size, inner);
                drawFrameLine(engine, graphics, size, hover.value_or(entry.hovered), focus.value_or(entry.focused));
            }
        }
    }
    HDC dc = GetWindowDC(hwnd);
    ExcludeClipRect(dc, inner.left, inner.top, inner.right, inner.bottom);
    TransparentBlt(dc, 0, 0, size.cx, size.cy, snapshot, 0, 0, size.cx, size.cy, keyColor);
    ReleaseDC(hwnd, dc);
    releaseSnapshot(engine, snapshot);
}

HDC MakeVeiledClientSnapshot(SkinEngine& engine, HWND hwnd) {
    const RECT area = clientRectInWindow(hwnd);
    HDC snapshot = snapshotBackground(engine, hwnd, area);
    if (!snapshot) return nullptr;
    gdip::Graphics graphics;
    gdip::SolidBrush veil;
    if (graphics.create(snapshot) && veil.create(toArgb(0xFFFFFF, engine.settings.veilAlpha)))
        graphics.fillRectangle(veil, 0, 0, static_cast<float>(area.right - area.left),
                               static_cast<float>(area.bottom - area.top));
    return snapshot;
}

std::optional<LRESULT> handleListMessage(SkinEngine& engine, const Slot& slot, HWND hwnd, UINT message, WPARAM wParam,
                                         LPARAM lParam) {
    switch (message) {
    case WM_MOUSEMOVE:
        return onMouseMove(engine, slot, hwnd, wParam, lParam);
    case WM_MOUSELEAVE:
        return onMouseLeave(engine, slot, hwnd, wParam, lParam);
    case WM_MOVE:
    case WM_HSCROLL:
    case WM_VSCROLL:
    case WM_MOUSEWHEEL:
        return onShift(engine, hwnd, message, wParam, lParam);
    case WM_ERASEBKGND:
        return onEraseBackground(engine, hwnd, wParam, lParam);
    case WM_PAINT:
        return onPaint(engine, slot, hwnd, wParam, lParam);
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
        return onFocusChange(engine, slot, hwnd, message, wParam, lParam);
    case WM_NCPAINT:
        return onNcPaint(engine, slot, hwnd, lParam);
    case WM_KEYDOWN:
    case WM_KEYUP:
        return onKey(slot, hwnd, message, wParam, lParam);
    case arrowKeyRepaint:
        return onArrowKeyRepaint(engine, slot, hwnd, wParam, lParam);
    }
    return std::nullopt;
}

LRESULT CALLBACK ListProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    return runControlProcedure(&SkinWindowRecord::lists, hwnd, message, wParam, lParam,
                               [&](SkinEngine& engine, const Slot& slot) {
                                   return handleListMessage(engine, slot, hwnd, message, wParam, lParam);
                               });
}

void InstallLists(SkinEngine& engine, int windowIndex, HWND parent) {
    if (!engine.settings.controlSkinning) return;
    const bool transparent = engine.settings.transparentControls;
    auto take = [&](HWND control) { installList(engine, windowIndex, control); };
    installEach(parent, "ListBox", take);
    // A combo box's own list is taken, not the combo box; one with owner-drawn items is left.
    installEach(parent, "ComboBox", [&](HWND combo) {
        HWND list = FindWindowExA(combo, nullptr, "ComboLBox", nullptr);
        if (list && !(GetWindowLongA(list, GWL_STYLE) & LBS_OWNERDRAWFIXED)) take(list);
    });
    installEach(parent, WC_LISTVIEWA, [&](HWND view) {
        if (GetWindowLongA(view, GWL_STYLE) & LVS_OWNERDRAWFIXED) return;
        if (transparent) SendMessageA(view, LVM_SETTEXTBKCOLOR, 0, static_cast<LPARAM>(CLR_NONE));
        take(view);
    });
    installEach(parent, WC_TREEVIEWA, [&](HWND tree) {
        if (transparent) SendMessageA(tree, TVM_SETBKCOLOR, 0, static_cast<LPARAM>(keyColor));
        take(tree);
    });
    installEach(parent, WC_IPADDRESSA, take);
    installEach(parent, DATETIMEPICK_CLASSA, take);
}

}  // namespace skin
