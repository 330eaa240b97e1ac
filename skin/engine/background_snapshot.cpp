#include "skin/engine/background_snapshot.h"

#include "gdiplus/brush.h"
#include "gdiplus/graphics.h"
#include "skin/engine/argb.h"
#include "skin/engine/memory_surface.h"
#include "skin/engine/skin_engine.h"
#include "skin/engine/window_queries.h"

namespace skin {

namespace {

POINT offsetInWindow(HWND control, HWND window) {
    RECT controlArea{}, windowArea{};
    GetWindowRect(control, &controlArea);
    GetWindowRect(window, &windowArea);
    return POINT{controlArea.left - windowArea.left, controlArea.top - windowArea.top};
}

}  // namespace

HDC snapshotBackground(SkinEngine& engine, HWND control, const RECT& area) {
    // Nothing is made for a control outside every skinned window: it would only wait in
    // the list until the end of the program.
    const int index = findSkinnedWindow(engine.registry(), control);
    if (!index) return nullptr;
    const Snapshot snapshot = createMemorySurface(area.right - area.left, area.bottom - area.top);
    if (!snapshot.dc) return nullptr;
    engine.snapshots().enter(snapshot);
    const SkinWindowRecord& record = engine.registry().at(index);
    const POINT offset = offsetInWindow(control, record.window);
    BitBlt(snapshot.dc, 0, 0, area.right - area.left, area.bottom - area.top, record.backBufferDC,
           offset.x + area.left, offset.y + area.top, SRCCOPY);
    return snapshot.dc;
}

int releaseSnapshot(SkinEngine& engine, HDC dc) { return engine.snapshots().release(dc) ? 1 : 0; }

HBITMAP controlBackgroundBitmap(SkinEngine& engine, HWND control) {
    const RECT area = clientRectInWindow(control);
    const int width = area.right - area.left, height = area.bottom - area.top;
    HDC snapshot = snapshotBackground(engine, control, area);
    if (!snapshot) return nullptr;
    {
        gdip::Graphics graphics;
        gdip::SolidBrush veil;
        if (graphics.create(snapshot) && veil.create(toArgb(0xFFFFFF, engine.settings.veilAlpha)))
            graphics.fillRectangle(veil, 0, 0, static_cast<float>(width), static_cast<float>(height));
    }
    HDC copyDC = CreateCompatibleDC(snapshot);
    HBITMAP copy = CreateCompatibleBitmap(snapshot, width, height);
    HGDIOBJ initial = SelectObject(copyDC, copy);
    BitBlt(copyDC, 0, 0, width, height, snapshot, 0, 0, SRCCOPY);
    SelectObject(copyDC, initial);
    DeleteDC(copyDC);
    releaseSnapshot(engine, snapshot);
    return copy;
}

}  // namespace skin
