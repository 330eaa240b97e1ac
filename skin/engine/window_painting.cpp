#include "skin/engine/window_painting.h"

#include <utility>

#include "gdiplus/graphics.h"
#include "gdiplus/graphics_path.h"
#include "skin/engine/memory_surface.h"
#include "skin/engine/path_shapes.h"
#include "skin/engine/skin_engine.h"
#include "skin/engine/window_properties.h"
#include "skin/engine/window_queries.h"

namespace skin {

namespace {

// Puts a new width x height bitmap into the back buffer, making the DC on the first
// paint. The DC's first bitmap is kept on the window to be put back at the end; a
// previous back-buffer bitmap is deleted.
bool replaceBackBuffer(SkinWindowRecord& record, int width, int height) {
    HBITMAP bitmap = createArgbBitmap(width, height);
    if (!bitmap) return false;
    const bool fresh = !record.backBufferDC;
    if (fresh) record.backBufferDC = CreateCompatibleDC(nullptr);
    HGDIOBJ previous = SelectObject(record.backBufferDC, bitmap);
    if (fresh)
        SetPropA(record.window, prop::backBufferInitialBitmap, previous);
    else
        DeleteObject(previous);
    SetPropA(record.window, prop::backBufferBitmap, bitmap);
    return true;
}

// A cache of the back buffer's area (x, y, width, height), replacing the one before.
void recache(HDC& dc, HBITMAP& bitmap, HBITMAP& initialBitmap, HDC backBuffer, int x, int y, int width, int height) {
    releaseMemorySurface(MemorySurface{dc, bitmap, initialBitmap});
    const MemorySurface cache = createMemorySurface(width, height);
    dc = cache.dc;
    bitmap = cache.bitmap;
    initialBitmap = cache.initialBitmap;
    if (dc) BitBlt(dc, 0, 0, width, height, backBuffer, x, y, SRCCOPY);
}

void recacheCaption(SkinWindowRecord& r, int width) {
    recache(r.captionCacheDC, r.captionCacheBitmap, r.captionCacheInitialBitmap, r.backBufferDC, 0, 0, width,
            r.captionHeight);
}

void recacheStatusBar(SkinWindowRecord& r) {
    const gdip::Rect& area = r.statusBarArea;
    recache(r.statusBarCacheDC, r.statusBarCacheBitmap, r.statusBarCacheInitialBitmap, r.backBufferDC, area.x, area.y,
            area.width, area.height);
}

// Whether the window's region spans exactly width x height: the only regions the engine
// sets are the rounded outlines of the client area.
bool hasOutline(HWND window, int width, int height) {
    HRGN region = CreateRectRgn(0, 0, 0, 0);
    RECT box{};
    const bool has = GetWindowRgn(window, region) != ERROR && GetRgnBox(region, &box) != ERROR;
    DeleteObject(region);
    return has && box.left == 0 && box.top == 0 && box.right == width && box.bottom == height;
}

// What the base layer is drawn from now.
BaseLayer baseLayerKey(const SkinWindowRecord& record, const EngineSettings& settings, int width, int height) {
    const bool own = !record.picture.empty();
    BaseLayer key;
    key.width = width;
    key.height = height;
    key.picture = own ? record.picture : settings.sharedPicture;
    key.pictureMode = own ? record.pictureMode : settings.pictureMode;
    key.baseColor = own ? record.pictureColor : settings.backColor;
    key.frame = record.showTitleBar;
    key.gloss = record.captionGloss;
    key.captionHeight = record.captionHeight;
    return key;
}

bool sameSource(const BaseLayer& a, const BaseLayer& b) {
    return a.width == b.width && a.height == b.height && a.picture == b.picture && a.pictureMode == b.pictureMode &&
           a.baseColor == b.baseColor && a.frame == b.frame && a.gloss == b.gloss && a.captionHeight == b.captionHeight;
}

// Keeps a copy of the back buffer as the base layer drawn from `key`.
void storeBaseLayer(SkinWindowRecord& record, BaseLayer key) {
    BaseLayer& layer = record.baseLayer;
    releaseMemorySurface(MemorySurface{layer.dc, layer.bitmap, layer.initialBitmap});
    const MemorySurface surface = createMemorySurface(key.width, key.height);
    key.dc = surface.dc;
    key.bitmap = surface.bitmap;
    key.initialBitmap = surface.initialBitmap;
    layer = std::move(key);
    if (layer.dc) BitBlt(layer.dc, 0, 0, layer.width, layer.height, record.backBufferDC, 0, 0, SRCCOPY);
}

template <typename Entries>
void invalidateOwn(const Entries& entries, HWND window) {
    for (const auto& entry : entries)
        if (GetParent(entry.hwnd) == window) InvalidateRect(entry.hwnd, nullptr, TRUE);
}

}  // namespace

void roundWindow(HWND window) {
    RECT client{};
    GetClientRect(window, &client);
    // Setting a region costs round trips to the display; the outline of an unchanged
    // size is the one the window has.
    if (hasOutline(window, client.right, client.bottom)) return;
    SetWindowRgn(window, nullptr, TRUE);
    // Not activated: every full paint comes here, also of windows in the background.
    SetWindowPos(window, nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    GetClientRect(window, &client);
    HRGN region = CreateRoundRectRgn(0, 0, client.right + 1, client.bottom + 1, 5, 5);
    if (!SetWindowRgn(window, region, TRUE)) DeleteObject(region);
}

void InvalidateVisibleChildren(HWND window) {
    for (HWND child = FindWindowExA(window, nullptr, nullptr, nullptr); child;
         child = FindWindowExA(window, child, nullptr, nullptr))
        if (IsWindowVisible(child)) InvalidateRect(child, nullptr, TRUE);
}

void repaintChildControls(const SkinWindowRecord& record) {
    const HWND window = record.window;
    for (const auto& list : record.lists) {
        if (GetParent(list.hwnd) != window) continue;
        InvalidateRect(list.hwnd, nullptr, TRUE);
        InvalidateVisibleChildren(list.hwnd);
    }
    invalidateOwn(record.combos, window);
    invalidateOwn(record.edits, window);
    invalidateOwn(record.buttons, window);
    invalidateOwn(record.trackBars, window);
    invalidateOwn(record.progressBars, window);
    invalidateOwn(record.upDowns, window);
}

bool backBufferFits(const SkinWindowRecord& record, int width, int height) {
    if (!record.backBufferDC) return true;
    BITMAP image{};
    if (!GetObjectA(GetPropA(record.window, prop::backBufferBitmap), sizeof image, &image)) return false;
    return image.bmWidth == width && image.bmHeight == height;
}

void SkinEngine::paintWindow(int windowIndex, HDC, bool present) {
    SkinWindowRecord& record = registry().at(windowIndex);
    RECT client{};
    GetClientRect(record.window, &client);
    const int width = client.right, height = client.bottom;
    roundWindow(record.window);
    // A minimised window has no client area to draw; the next paint after it is restored
    // still rebuilds everything.
    if (!replaceBackBuffer(record, width, height)) return;
    {
        gdip::Graphics graphics;
        if (!graphics.create(record.backBufferDC)) return;
        BaseLayer key = baseLayerKey(record, settings, width, height);
        if (record.baseLayer.dc && sameSource(record.baseLayer, key)) {
            BitBlt(record.backBufferDC, 0, 0, width, height, record.baseLayer.dc, 0, 0, SRCCOPY);
            gdip::GraphicsPath outline;
            clipToWindowOutline(graphics, outline, width, height);  // as drawBackground leaves it
        } else {
            drawBackground(graphics, windowIndex);
            if (record.showTitleBar) drawFrame(windowIndex, graphics);
            storeBaseLayer(record, std::move(key));
        }
        if (record.showTitleBar) recacheCaption(record, width);
        recacheStatusBar(record);
        if (record.showTitleBar) {
            if (record.showCaptionText) drawCaptionText(windowIndex, &graphics, true);
            for (int i = 1; i <= static_cast<int>(record.captionButtons.size()); ++i)
                drawCaptionButton(windowIndex, i, &graphics);
        }
        if (record.statusBarHeight > 0)
            for (int i = 1; i <= static_cast<int>(record.statusPanels.size()); ++i)
                drawStatusPanel(windowIndex, &graphics, true, i);
    }
    record.needsFullPaint = false;
    if (!present) return;
    HDC dc = clippedWindowDC(record.window);
    BitBlt(dc, 0, 0, width, height, record.backBufferDC, 0, 0, SRCCOPY);
    ReleaseDC(record.window, dc);
    if (!settings.firstSizePending) repaintChildControls(record);
}

void SkinEngine::presentWindow(int windowIndex, HDC dc) {
    const SkinWindowRecord& record = registry().at(windowIndex);
    if (!record.backBufferDC) {  // nothing drawn yet to copy
        paintWindow(windowIndex, dc, true);
        return;
    }
    RECT frame{};
    GetWindowRect(record.window, &frame);
    clippedWindowDC(record.window, dc);
    BitBlt(dc, 0, 0, frame.right - frame.left, frame.bottom - frame.top, record.backBufferDC, 0, 0, SRCCOPY);
}

}  // namespace skin
