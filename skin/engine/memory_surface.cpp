#include "skin/engine/memory_surface.h"

#include "gdiplus/bitmap.h"

namespace skin {

HBITMAP createArgbBitmap(int width, int height) {
    if (width <= 0 || height <= 0) return nullptr;
    gdip::Bitmap picture;
    if (!picture.create(width, height)) return nullptr;
    return picture.createHBITMAP(0);
}

MemorySurface createMemorySurface(int width, int height) {
    HBITMAP bitmap = createArgbBitmap(width, height);
    if (!bitmap) return {};
    HDC dc = CreateCompatibleDC(nullptr);
    if (!dc) {
        DeleteObject(bitmap);
        return {};
    }
    const auto initial = static_cast<HBITMAP>(SelectObject(dc, bitmap));
    return MemorySurface{dc, bitmap, initial};
}

void releaseMemorySurface(const MemorySurface& surface) {
    if (!surface.dc) return;
    SelectObject(surface.dc, surface.initialBitmap);
    DeleteObject(surface.bitmap);
    DeleteDC(surface.dc);
}

}  // namespace skin
