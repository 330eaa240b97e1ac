// Moving a skinned window by its title bar and sizing it by its edges: the window has
// no system caption or border, so the engine hands the system's own move and size loops
// the place the user pressed.
#include "skin/engine/frame_sizing.h"

#include "skin/engine/skin_engine.h"

namespace skin {

namespace {

constexpr int cornerSize = 10;

struct ZoneRule {
    FrameZone zone;
    bool (*contains)(int x, int y, int w, int h, int b);
};

const ZoneRule zoneRules[] = {
    {{MAKEINTRESOURCEA(32644), SC_SIZE | WMSZ_LEFT}, [](int x, int y, int, int h, int b) { return x <= b && y > cornerSize && y < h - cornerSize; }},
    {{MAKEINTRESOURCEA(32644), SC_SIZE | WMSZ_RIGHT}, [](int x, int y, int w, int h, int b) { return x >= w - b && y > cornerSize && y < h - cornerSize; }},
    {{MAKEINTRESOURCEA(32645), SC_SIZE | WMSZ_TOP}, [](int x, int y, int w, int, int b) { return y <= b && x > cornerSize && x < w - cornerSize; }},
    {{MAKEINTRESOURCEA(32645), SC_SIZE | WMSZ_BOTTOM}, [](int x, int y, int w, int h, int b) { return y >= h - b && x > cornerSize && x < w - cornerSize; }},
    {{MAKEINTRESOURCEA(32642), SC_SIZE | WMSZ_TOPLEFT}, [](int x, int y, int, int, int) { return x <= cornerSize && y <= cornerSize; }},
    {{MAKEINTRESOURCEA(32643), SC_SIZE | WMSZ_TOPRIGHT}, [](int x, int y, int w, int, int) { return x >= w - cornerSize && y <= cornerSize; }},
    {{MAKEINTRESOURCEA(32643), SC_SIZE | WMSZ_BOTTOMLEFT}, [](int x, int y, int, int h, int) { return x <= cornerSize && y >= h - cornerSize; }},
    {{MAKEINTRESOURCEA(32642), SC_SIZE | WMSZ_BOTTOMRIGHT}, [](int x, int y, int w, int h, int) { return x >= w - cornerSize && y >= h - cornerSize; }},
};

int pointX(LPARAM point) { return static_cast<short>(LOWORD(point)); }
int pointY(LPARAM point) { return static_cast<short>(HIWORD(point)); }

std::optional<FrameZone> zoneOf(LPARAM point, const RECT& client, int border) {
    return frameZoneAt(pointX(point), pointY(point), client.right, client.bottom, border);
}

bool onCaptionButtonStrip(const SkinWindowRecord& record, int x, int y) {
    return x >= record.buttonStripX && x <= record.buttonStripX + record.buttonStripWidth && y >= 3 &&
           y <= record.buttonStripHeight;
}

void moveFromTitleBar(HWND window) { SendMessageA(window, WM_NCLBUTTONDOWN, HTCAPTION, 0); }

}  // namespace

std::optional<FrameZone> frameZoneAt(int x, int y, int width, int height, int border) {
    for (const ZoneRule& rule : zoneRules)
        if (rule.contains(x, y, width, height, border)) return rule.zone;
    return std::nullopt;
}

void SkinEngine::updateResizeCursor(int windowIndex, LPARAM point, const RECT& client) {
    if (!registry_.at(windowIndex).resizable) return;
    if (const auto zone = zoneOf(point, client, resizeBorder)) SetCursor(LoadCursorA(nullptr, zone->cursor));
}

// The system's loops return only when the mouse button is up again; the window may be
// gone by then, so nothing here touches the record after them.
void SkinEngine::beginMoveOrResize(int windowIndex, LPARAM point, const RECT& client) {
    SkinWindowRecord& record = registry_.at(windowIndex);
    const int x = pointX(point), y = pointY(point);
    if (onCaptionButtonStrip(record, x, y) || !record.showTitleBar) return;
    HWND window = record.window;
    if (!record.resizable) {
        if (y <= record.captionHeight) moveFromTitleBar(window);
        return;
    }
    if (const auto zone = zoneOf(point, client, resizeBorder)) {
        record.needsFullPaint = true;
        SetCursor(LoadCursorA(nullptr, zone->cursor));
        SendMessageA(window, WM_SYSCOMMAND, zone->command, 0);
        return;
    }
    if (y <= record.captionHeight) moveFromTitleBar(window);
}

}  // namespace skin
