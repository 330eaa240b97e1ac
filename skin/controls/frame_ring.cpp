#include "skin/controls/frame_ring.h"

#include "gdiplus/brush.h"
#include "skin/engine/argb.h"
#include "skin/engine/skin_engine.h"
#include "skin/engine/window_queries.h"

namespace skin {

namespace {

constexpr int combineReplace = 0;
constexpr int combineXor = 3;

LONG scrollBarThickness(HWND control, LONG object) {
    SCROLLBARINFO info{};
    info.cbSize = sizeof info;
    if (!GetScrollBarInfo(control, object, &info)) return 0;
    const RECT& bar = info.rcScrollBar;
    return object == OBJID_VSCROLL ? bar.right - bar.left : bar.bottom - bar.top;
}

}  // namespace

RECT frameInnerRect(SIZE window, SIZE client, LONG style, SIZE scrollBars) {
    const LONG width = client.cx + ((style & WS_VSCROLL) ? scrollBars.cx : 0);
    const LONG height = client.cy + ((style & WS_HSCROLL) ? scrollBars.cy : 0);
    const LONG left = (window.cx - width) / 2, top = (window.cy - height) / 2;
    return RECT{left, top, left + width, top + height};
}

RECT frameInnerRect(HWND control) {
    const SIZE bars{scrollBarThickness(control, OBJID_VSCROLL), scrollBarThickness(control, OBJID_HSCROLL)};
    return frameInnerRect(windowSize(control), clientSize(control), GetWindowLongA(control, GWL_STYLE), bars);
}

void veilFrameRing(SkinEngine& engine, gdip::Graphics& graphics, SIZE size, const RECT& inner) {
    const float w = static_cast<float>(size.cx), h = static_cast<float>(size.cy);
    graphics.setClip(0, 0, w, h, combineReplace);
    graphics.setClip(static_cast<float>(inner.left), static_cast<float>(inner.top),
                     static_cast<float>(inner.right - inner.left), static_cast<float>(inner.bottom - inner.top),
                     combineXor);
    if (!engine.settings.transparentControls) {
        graphics.clear(toArgb(0xFFFFFF));
        return;
    }
    gdip::SolidBrush veil;
    if (veil.create(toArgb(0xFFFFFF, engine.settings.veilAlpha))) graphics.fillRectangle(veil, 0, 0, w, h);
}

}  // namespace skin
