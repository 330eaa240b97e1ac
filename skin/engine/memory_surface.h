#pragma once
// Off-screen surfaces the engine draws on: a memory DC with a 32-bit ARGB bitmap of its
// own selected into it. The back buffer, the caption and status-bar caches and the
// control snapshots are all made and released this way.
#include <windows.h>

namespace skin {

struct MemorySurface {
    HDC dc = nullptr;
    HBITMAP bitmap = nullptr;         // selected into dc
    HBITMAP initialBitmap = nullptr;  // what dc held when it was made
};

// A width x height 32-bit ARGB GDI bitmap, made through GDI+, every pixel 0. Null when
// either side is not positive or GDI+ fails. The caller deletes it.
HBITMAP createArgbBitmap(int width, int height);

// A new memory DC holding a createArgbBitmap of the size; all null on failure, with
// nothing left behind.
MemorySurface createMemorySurface(int width, int height);

// Selects the DC's first bitmap back, deletes the surface's bitmap and the DC. A null
// surface is left alone.
void releaseMemorySurface(const MemorySurface& surface);

}  // namespace skin
