// What the engine made for a window goes with the window: its back buffer, the caption
// and status-bar caches, its record; the windows after it in the registry move up.
#include "skin/engine/memory_surface.h"
#include "skin/engine/skin_engine.h"
#include "skin/engine/window_messages.h"
#include "skin/engine/window_properties.h"

namespace skin {

namespace {

HBITMAP bitmapProperty(HWND window, const char* name) { return static_cast<HBITMAP>(GetPropA(window, name)); }

// Each surface is released once: the bitmap that comes out of the DC is the one the
// record or property names.
void releaseSurfaces(const SkinWindowRecord& record) {
    releaseMemorySurface({record.backBufferDC, bitmapProperty(record.window, prop::backBufferBitmap),
                          bitmapProperty(record.window, prop::backBufferInitialBitmap)});
    releaseMemorySurface({record.captionCacheDC, record.captionCacheBitmap, record.captionCacheInitialBitmap});
    releaseMemorySurface({record.statusBarCacheDC, record.statusBarCacheBitmap, record.statusBarCacheInitialBitmap});
    releaseMemorySurface({record.baseLayer.dc, record.baseLayer.bitmap, record.baseLayer.initialBitmap});
}

void removeWindowProperties(HWND window) {
    for (const char* name : {prop::backBufferBitmap, prop::backBufferInitialBitmap, prop::index, prop::previousProc})
        RemovePropA(window, name);
}

}  // namespace

void tearDownWindow(SkinEngine& engine, HWND window, int index) {
    releaseSurfaces(engine.registry().at(index));
    engine.registry().remove(index);
    removeWindowProperties(window);
    KillTimer(window, reinterpret_cast<UINT_PTR>(window));
}

}  // namespace skin
