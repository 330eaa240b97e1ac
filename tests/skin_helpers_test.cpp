// The drawing helpers with real windows, real back buffers and real pixels: colour
// conversion, where a control's client area sits, background snapshots and their list,
// the WM_CTLCOLOR bitmap, clipped DCs, the shared path shapes and the owner-draw choice.
#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <vector>

#include "gdiplus/bitmap.h"
#include "gdiplus/brush.h"
#include "gdiplus/graphics.h"
#include "gdiplus/graphics_path.h"
#include "skin/engine/argb.h"
#include "skin/engine/background_snapshot.h"
#include "skin/engine/owner_draw.h"
#include "skin/engine/path_shapes.h"
#include "skin/engine/skin_engine.h"
#include "skin/engine/window_properties.h"
#include "skin/engine/window_queries.h"

using namespace skin;

namespace {

const gdip::Session session;  // GDI+ runs for the whole test program

HWND makeWindow(const char* className, DWORD style, DWORD exStyle, int x, int y, int w, int h, HWND parent) {
    return CreateWindowExA(exStyle, className, "", style, x, y, w, h, parent, nullptr, GetModuleHandleA(nullptr),
                           nullptr);
}

// The colour every back-buffer pixel has: its coordinates as red and green.
COLORREF patternAt(int x, int y) { return RGB(x & 0xFF, y & 0xFF, 0x55); }

// A memory DC over a 32-bit picture of the given size filled with the pattern.
class BackBuffer {
public:
    BackBuffer(int width, int height) {
        BITMAPINFO info{};
        info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
        void* bits = nullptr;
        bitmap_ = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
        auto* pixels = static_cast<DWORD*>(bits);
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x) {
                const COLORREF c = patternAt(x, y);
                pixels[y * width + x] = (GetRValue(c) << 16) | (GetGValue(c) << 8) | GetBValue(c);
            }
        dc_ = CreateCompatibleDC(nullptr);
        initial_ = SelectObject(dc_, bitmap_);
    }
    ~BackBuffer() {
        SelectObject(dc_, initial_);
        DeleteObject(bitmap_);
        DeleteDC(dc_);
    }
    HDC dc() const { return dc_; }

private:
    HBITMAP bitmap_;
    HDC dc_;
    HGDIOBJ initial_;
};

// A skinned 300 x 200 window without borders, with its back buffer.
class SkinnedWindow {
public:
    explicit SkinnedWindow(SkinEngine& engine) : buffer_(300, 200) {
        window_ = makeWindow("STATIC", WS_POPUP, 0, 50, 60, 300, 200, nullptr);
        auto record = std::make_unique<SkinWindowRecord>();
        record->window = window_;
        record->backBufferDC = buffer_.dc();
        index_ = engine.registry().add(std::move(record));
    }
    ~SkinnedWindow() { DestroyWindow(window_); }
    HWND get() const { return window_; }
    int index() const { return index_; }

private:
    BackBuffer buffer_;
    HWND window_;
    int index_;
};

bool rectIs(const RECT& r, LONG left, LONG top, LONG right, LONG bottom) {
    return r.left == left && r.top == top && r.right == right && r.bottom == bottom;
}

// The first pixel of an w x h DC that differs from the pattern at (x0 + x, y0 + y);
// -1 when all match.
int firstMismatch(HDC dc, int width, int height, int x0, int y0) {
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            if (GetPixel(dc, x, y) != patternAt(x0 + x, y0 + y)) return y * width + x;
    return -1;
}

}  // namespace

TEST(ToArgb, SwapsRedAndBlueAndSetsAlpha) {
    const struct { COLORREF color; int alpha; gdip::Argb argb; } cases[] = {
        {0x0080FF, 60, 0x3CFF8000}, {0xFFFFFF, 255, 0xFFFFFFFF}, {0xFFFFFF, 0, 0x00FFFFFF},
        {0x112233, 255, 0xFF332211}, {0xAA112233, 128, 0x80332211}};
    for (const auto& c : cases) EXPECT_EQ(toArgb(c.color, c.alpha), c.argb) << std::hex << c.color;
    EXPECT_EQ(toArgb(0xFFFFFF), 0xFFFFFFFFu);
    EXPECT_EQ(toArgb(0x0080FF), 0xFFFF8000u);
}

TEST(ClientRectInWindow, AssumesEqualBordersAnd17PixelScrollBars) {
    const struct { SIZE window, client; LONG style; RECT expected; } cases[] = {
        {{100, 24}, {96, 20}, 0, {2, 2, 98, 22}},
        {{100, 24}, {79, 20}, WS_VSCROLL, {2, 2, 81, 22}},
        {{100, 60}, {96, 39}, WS_HSCROLL, {2, 2, 98, 41}},
        {{100, 60}, {79, 39}, WS_HSCROLL | WS_VSCROLL, {2, 2, 81, 41}},
        {{100, 25}, {96, 20}, 0, {2, 2, 98, 22}},         // odd spare pixel: floor
        {{100, 10}, {100, 0}, WS_HSCROLL, {0, -4, 100, -4}},  // floor of -3.5 is -4
    };
    for (const auto& c : cases) {
        const RECT r = clientRectInWindow(c.window, c.client, c.style);
        EXPECT_TRUE(rectIs(r, c.expected.left, c.expected.top, c.expected.right, c.expected.bottom))
            << r.left << "," << r.top << "," << r.right << "," << r.bottom;
    }
}

TEST(ClientRectInWindow, OfARealEditBox) {
    HWND parent = makeWindow("STATIC", WS_POPUP, 0, 0, 0, 300, 200, nullptr);
    HWND edit = makeWindow("EDIT", WS_CHILD | WS_VISIBLE, WS_EX_CLIENTEDGE, 10, 40, 100, 24, parent);
    EXPECT_TRUE(rectIs(clientRectInWindow(edit), 2, 2, 98, 22));
    DestroyWindow(parent);
}

TEST(Snapshot, CopiesTheBackBufferUnderTheControl) {
    SkinEngine engine;
    SkinnedWindow window(engine);
    HWND panel = makeWindow("STATIC", WS_CHILD | WS_VISIBLE, 0, 5, 7, 250, 150, window.get());
    HWND control = makeWindow("STATIC", WS_CHILD | WS_VISIBLE, 0, 10, 40, 100, 20, window.get());
    HWND nested = makeWindow("STATIC", WS_CHILD | WS_VISIBLE, 0, 10, 40, 100, 20, panel);
    const struct { const char* what; HWND control; RECT area; int x0, y0; } cases[] = {
        {"control at (10, 40)", control, {0, 0, 100, 20}, 10, 40},
        {"part of it", control, {5, 3, 25, 13}, 15, 43},
        {"inside a child of the window", nested, {0, 0, 100, 20}, 15, 47},
        {"the window itself", window.get(), {0, 0, 30, 30}, 0, 0},
    };
    for (const auto& c : cases) {
        HDC snapshot = snapshotBackground(engine, c.control, c.area);
        ASSERT_NE(snapshot, nullptr) << c.what;
        EXPECT_EQ(engine.snapshots().size(), 1) << c.what;
        EXPECT_EQ(firstMismatch(snapshot, c.area.right - c.area.left, c.area.bottom - c.area.top, c.x0, c.y0), -1)
            << c.what;
        EXPECT_EQ(releaseSnapshot(engine, snapshot), 1);
        EXPECT_EQ(engine.snapshots().size(), 0);
        EXPECT_EQ(GetObjectType(snapshot), 0u) << "the DC is gone";
    }
}

TEST(Snapshot, NothingIsMadeOutsideASkinnedWindow) {
    SkinEngine engine;
    SkinnedWindow skinned(engine);
    HWND other = makeWindow("STATIC", WS_POPUP, 0, 0, 0, 200, 100, nullptr);
    HWND control = makeWindow("STATIC", WS_CHILD, 0, 10, 10, 50, 20, other);
    EXPECT_EQ(snapshotBackground(engine, control, {0, 0, 50, 20}), nullptr);
    EXPECT_EQ(snapshotBackground(engine, skinned.get(), {0, 0, 0, 20}), nullptr);
    EXPECT_EQ(engine.snapshots().size(), 0);
    DestroyWindow(other);
}

TEST(Snapshot, ReleaseAcceptsOnlyListedSnapshots) {
    SkinEngine engine;
    SkinnedWindow window(engine);
    HDC first = snapshotBackground(engine, window.get(), {0, 0, 10, 10});
    HDC second = snapshotBackground(engine, window.get(), {0, 0, 10, 10});
    ASSERT_EQ(engine.snapshots().size(), 2);
    HDC foreign = CreateCompatibleDC(nullptr);
    EXPECT_EQ(releaseSnapshot(engine, nullptr), 0);
    EXPECT_EQ(releaseSnapshot(engine, foreign), 0);
    EXPECT_NE(GetObjectType(foreign), 0u) << "a DC that is not a snapshot is left alone";
    EXPECT_EQ(releaseSnapshot(engine, first), 1);
    EXPECT_EQ(releaseSnapshot(engine, first), 0);
    EXPECT_TRUE(engine.snapshots().contains(second));
    EXPECT_EQ(releaseSnapshot(engine, second), 1);
    DeleteDC(foreign);
}

TEST(ControlBackgroundBitmap, IsTheClientAreaUnderTheVeil) {
    SkinEngine engine;
    SkinnedWindow window(engine);
    HWND edit = makeWindow("EDIT", WS_CHILD | WS_VISIBLE, WS_EX_CLIENTEDGE, 10, 40, 100, 24, window.get());
    const struct { int veil; int tolerance; } cases[] = {{0, 0}, {255, 0}, {128, 2}};
    for (const auto& c : cases) {
        engine.settings.veilAlpha = c.veil;
        HBITMAP bitmap = controlBackgroundBitmap(engine, edit);
        ASSERT_NE(bitmap, nullptr);
        BITMAP info{};
        GetObjectA(bitmap, sizeof info, &info);
        EXPECT_EQ(info.bmWidth, 96);
        EXPECT_EQ(info.bmHeight, 20);
        HDC dc = CreateCompatibleDC(nullptr);
        HGDIOBJ initial = SelectObject(dc, bitmap);
        for (const POINT p : {POINT{0, 0}, POINT{95, 19}, POINT{40, 7}}) {
            const COLORREF under = patternAt(12 + p.x, 42 + p.y);
            const COLORREF got = GetPixel(dc, p.x, p.y);
            for (int shift : {0, 8, 16}) {
                const int base = (under >> shift) & 0xFF;
                const int expected = base + (255 - base) * c.veil / 255;
                EXPECT_NEAR(static_cast<int>((got >> shift) & 0xFF), expected, c.tolerance)
                    << "veil " << c.veil << " at " << p.x << "," << p.y;
            }
        }
        SelectObject(dc, initial);
        DeleteDC(dc);
        DeleteObject(bitmap);
    }
    EXPECT_EQ(engine.snapshots().size(), 0);
    HWND lonely = makeWindow("EDIT", WS_POPUP, 0, 0, 0, 50, 20, nullptr);
    EXPECT_EQ(controlBackgroundBitmap(engine, lonely), nullptr);
    DestroyWindow(lonely);
}

TEST(FindSkinnedWindow, WalksUpToTheNearestRegisteredWindow) {
    SkinEngine engine;
    SkinnedWindow first(engine), second(engine);
    HWND child = makeWindow("STATIC", WS_CHILD, 0, 0, 0, 10, 10, second.get());
    HWND grandchild = makeWindow("STATIC", WS_CHILD, 0, 0, 0, 5, 5, child);
    HWND stranger = makeWindow("STATIC", WS_POPUP, 0, 0, 0, 10, 10, nullptr);
    EXPECT_EQ(findSkinnedWindow(engine.registry(), first.get()), 1);
    EXPECT_EQ(findSkinnedWindow(engine.registry(), second.get()), 2);
    EXPECT_EQ(findSkinnedWindow(engine.registry(), child), 2);
    EXPECT_EQ(findSkinnedWindow(engine.registry(), grandchild), 2);
    EXPECT_EQ(findSkinnedWindow(engine.registry(), stranger), 0);
    EXPECT_EQ(findSkinnedWindow(engine.registry(), nullptr), 0);
    DestroyWindow(stranger);
}

TEST(WindowQueries, ClassNamesAndOwnerDrawnListBoxes) {
    HWND parent = makeWindow("STATIC", WS_POPUP, 0, 0, 0, 200, 200, nullptr);
    const struct { const char* className; DWORD style; bool ownerDrawn; const char* reported; } cases[] = {
        {"LISTBOX", LBS_OWNERDRAWFIXED | LBS_HASSTRINGS, true, "ListBox"},
        {"LISTBOX", LBS_OWNERDRAWVARIABLE, true, "ListBox"},
        {"LISTBOX", LBS_STANDARD, false, "ListBox"},
        {"COMBOBOX", CBS_OWNERDRAWFIXED | CBS_DROPDOWNLIST, false, "ComboBox"},
        {"BUTTON", BS_OWNERDRAW, false, "Button"},
    };
    for (const auto& c : cases) {
        HWND control = makeWindow(c.className, WS_CHILD | c.style, 0, 0, 0, 100, 100, parent);
        EXPECT_EQ(isOwnerDrawnListBox(control), c.ownerDrawn) << c.className << " " << c.style;
        EXPECT_EQ(windowClassName(control), c.reported);
    }
    DestroyWindow(parent);
}

TEST(ClippedWindowDC, CutsOutVisibleOpaqueChildren) {
    // Topmost: what is visible must not depend on the windows of the tests beside this one.
    HWND window = makeWindow("STATIC", WS_POPUP | WS_VISIBLE, WS_EX_TOPMOST, 0, 0, 200, 100, nullptr);
    makeWindow("STATIC", WS_CHILD | WS_VISIBLE, 0, 10, 10, 30, 30, window);
    makeWindow("STATIC", WS_CHILD | WS_VISIBLE, WS_EX_TRANSPARENT, 50, 10, 30, 30, window);
    makeWindow("STATIC", WS_CHILD, 0, 90, 10, 30, 30, window);
    HDC own = clippedWindowDC(window);
    ASSERT_NE(own, nullptr);
    EXPECT_FALSE(PtVisible(own, 20, 20)) << "opaque child";
    EXPECT_TRUE(PtVisible(own, 60, 20)) << "transparent child";
    EXPECT_TRUE(PtVisible(own, 100, 20)) << "hidden child";
    EXPECT_TRUE(PtVisible(own, 150, 50)) << "no child";
    ReleaseDC(window, own);

    HDC given = GetDC(window);
    EXPECT_EQ(clippedWindowDC(window, given), given);
    EXPECT_FALSE(PtVisible(given, 20, 20));
    ReleaseDC(window, given);
    DestroyWindow(window);
}

TEST(PathShapes, RoundedRectClampsItsCornerSize) {
    auto points = [](int corner) {
        gdip::GraphicsPath path;
        path.create();
        addRoundedRect(path, 3, 4, 300, 200, corner);
        return path.points();
    };
    auto same = [](const std::vector<gdip::PointF>& a, const std::vector<gdip::PointF>& b) {
        if (a.size() != b.size() || a.empty()) return false;
        for (std::size_t i = 0; i < a.size(); ++i)
            if (a[i].x != b[i].x || a[i].y != b[i].y) return false;
        return true;
    };
    EXPECT_TRUE(same(points(0), points(1)));
    EXPECT_TRUE(same(points(150), points(100)));
    EXPECT_FALSE(same(points(99), points(100)));
    // The bounds are the rectangle's: the top-right arc reaches the right edge and the
    // bottom-left one the bottom edge.
    float right = 0, bottom = 0;
    for (const auto& p : points(20)) {
        right = std::max(right, p.x);
        bottom = std::max(bottom, p.y);
    }
    EXPECT_FLOAT_EQ(right, 303);
    EXPECT_FLOAT_EQ(bottom, 204);
}

// Each corner arc starts and ends where its box says, in the order top right, bottom
// right, bottom left, top left. The bottom-right box is one pixel larger and one pixel
// further up and left, so its arc starts half a pixel higher and ends half a pixel
// further left than a plain corner's would.
TEST(PathShapes, RoundedRectArcsStartAndEndOnTheirBoxes) {
    gdip::GraphicsPath path;
    path.create();
    addRoundedRect(path, 3, 4, 300, 200, 20);
    const std::vector<gdip::PointF> points = path.points();
    const gdip::PointF ends[] = {
        {293, 4},     {303, 14},   // top right: box (283, 4, 20, 20) from 270 degrees
        {303, 193.5f}, {292.5f, 204},  // bottom right: box (282, 183, 21, 21) from 0 degrees
        {13, 204},    {3, 194},    // bottom left: box (3, 184, 20, 20) from 90 degrees
        {3, 14},      {13, 4},     // top left: box (3, 4, 20, 20) from 180 degrees
    };
    size_t at = 0;
    for (const gdip::PointF& end : ends) {
        auto isAt = [&](const gdip::PointF& p) { return std::fabs(p.x - end.x) < 0.01f && std::fabs(p.y - end.y) < 0.01f; };
        while (at < points.size() && !isAt(points[at])) ++at;
        EXPECT_LT(at, points.size()) << "no point at " << end.x << ", " << end.y << " after the ones before it";
    }
}

TEST(PathShapes, TopRoundedPathIsOpenAtTheBottom) {
    gdip::GraphicsPath path;
    path.create();
    addTopRoundedPath(path, 2, 3, 40, 20, 6);
    const auto points = path.points();
    ASSERT_GE(points.size(), 4u);
    EXPECT_FLOAT_EQ(points.front().x, 2);
    EXPECT_FLOAT_EQ(points.front().y, 23);
    EXPECT_FLOAT_EQ(points.back().x, 42);
    EXPECT_FLOAT_EQ(points.back().y, 23);
    // Filling it closes it along the bottom: the middle of the face is filled.
    gdip::Bitmap canvas;
    canvas.create(50, 30);
    gdip::Graphics graphics;
    graphics.create(canvas);
    gdip::SolidBrush black;
    black.create(0xFF000000);
    graphics.fillPath(black, path);
    EXPECT_EQ(canvas.pixel(20, 15), 0xFF000000u);
    EXPECT_EQ(canvas.pixel(2, 3), 0u) << "the rounded corner stays empty";
}

TEST(PathShapes, GlowOutlineWidensWithTheCount) {
    auto darkWidth = [](int count) {
        gdip::Bitmap canvas;
        canvas.create(20, 20);
        gdip::Graphics graphics;
        graphics.create(canvas);
        gdip::GraphicsPath line;
        line.create();
        line.addLine(0, 10, 20, 10);
        drawGlowOutline(graphics, line, count, 0x000000, 255);
        int rows = 0;
        for (int y = 0; y < 20; ++y) rows += (canvas.pixel(10, y) >> 24) != 0;
        return rows;
    };
    EXPECT_EQ(darkWidth(0), 0);
    EXPECT_GT(darkWidth(1), 0);
    EXPECT_GT(darkWidth(4), darkWidth(1));
}

TEST(OwnerDraw, OnlyButtonItemsOfTheirOwnEntryArePainted) {
    SkinEngine engine;
    SkinnedWindow window(engine);
    SkinWindowRecord& record = engine.registry().at(window.index());
    HWND buttons[2];
    for (int i = 0; i < 2; ++i) {
        buttons[i] = makeWindow("BUTTON", WS_CHILD | BS_OWNERDRAW, 0, 0, 30 * i, 80, 25, window.get());
        record.buttons.emplace_back();
        record.buttons.back().hwnd = buttons[i];
        record.buttons.back().kind = i == 0 ? PushButton : CheckBox;
        setIntProperty(buttons[i], prop::index, i + 1);
    }
    HWND unlisted = makeWindow("BUTTON", WS_CHILD | BS_OWNERDRAW, 0, 0, 90, 80, 25, window.get());
    HWND beyond = makeWindow("BUTTON", WS_CHILD | BS_OWNERDRAW, 0, 0, 120, 80, 25, window.get());
    setIntProperty(beyond, prop::index, 3);
    HWND stranger = makeWindow("BUTTON", WS_CHILD | BS_OWNERDRAW, 0, 0, 150, 80, 25, window.get());
    setIntProperty(stranger, prop::index, 1);  // names the first entry, which is not this button

    auto item = [](UINT type, HWND hwnd) {
        DRAWITEMSTRUCT dis{};
        dis.CtlType = type;
        dis.hwndItem = hwnd;
        return dis;
    };
    EXPECT_EQ(findOwnerDrawnEntry(record, item(ODT_BUTTON, buttons[0])), &record.buttons[0]);
    EXPECT_EQ(findOwnerDrawnEntry(record, item(ODT_BUTTON, buttons[1])), &record.buttons[1]);
    EXPECT_EQ(findOwnerDrawnEntry(record, item(ODT_LISTBOX, buttons[0])), nullptr);
    EXPECT_EQ(findOwnerDrawnEntry(record, item(ODT_BUTTON, unlisted)), nullptr);
    EXPECT_EQ(findOwnerDrawnEntry(record, item(ODT_BUTTON, beyond)), nullptr);
    EXPECT_EQ(findOwnerDrawnEntry(record, item(ODT_BUTTON, stranger)), nullptr);
}
