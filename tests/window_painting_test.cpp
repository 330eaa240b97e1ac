// A skinned window's full paint, read back from its back buffer: base colour and
// picture in each placement, the frame, the caption buttons plain, highlighted and
// pressed, the caption text, the caches and their restores, the rounded region, and the
// GDI objects the paint makes and the teardown frees.
#include <gtest/gtest.h>

#include <memory>

#include "gdiplus/bitmap.h"
#include "gdiplus/brush.h"
#include "gdiplus/encoder.h"
#include "gdiplus/graphics.h"
#include "gdiplus/library.h"
#include "skin/engine/argb.h"
#include "skin/engine/caption_buttons.h"
#include "skin/engine/caption_text.h"
#include "skin/engine/decoded_pictures.h"
#include "skin/engine/picture_preparation.h"
#include "skin/engine/skin_engine.h"
#include "skin/engine/window_messages.h"
#include "skin/engine/window_properties.h"

using namespace skin;

namespace {

int red(COLORREF c) { return GetRValue(c); }
int green(COLORREF c) { return GetGValue(c); }
int blue(COLORREF c) { return GetBValue(c); }

// A width x height PNG, the left half `left` and the right half `right` (COLORREFs).
gdip::Bytes halvesPicture(int width, int height, COLORREF left, COLORREF right) {
    gdip::Bitmap bitmap;
    EXPECT_TRUE(bitmap.create(width, height));
    {
        gdip::Graphics graphics;
        EXPECT_TRUE(graphics.create(bitmap));
        gdip::SolidBrush l, r;
        l.create(toArgb(left));
        r.create(toArgb(right));
        graphics.fillRectangle(l, 0, 0, width / 2.0f, static_cast<float>(height));
        graphics.fillRectangle(r, width / 2.0f, 0, width / 2.0f, static_cast<float>(height));
    }
    return bitmap.saveToBytes(gdip::pngFormat);
}

// An engine with GDI+ and one popup window, destroyed after the test.
class EngineWithWindow : public ::testing::Test {
protected:
    void makeWindow(const char* text, DWORD style, int width, int height) {
        engine.startGdiplus();
        window = CreateWindowExA(0, "STATIC", text, WS_POPUP | style, 40, 40, width, height, nullptr, nullptr,
                                 GetModuleHandleA(nullptr), nullptr);
    }
    // A window whose procedure is the engine's is torn down by its own WM_NCDESTROY; one
    // registered by hand is torn down here.
    void TearDown() override {
        const bool skinnedProcedure =
            GetWindowLongPtrA(window, GWLP_WNDPROC) == reinterpret_cast<LONG_PTR>(&SkinEngine::windowProcStub);
        if (!skinnedProcedure && engine.registry().lookup(window)) tearDownWindow(engine, window, index);
        DestroyWindow(window);
    }

    SkinEngine engine;
    HWND window = nullptr;
    int index = 0;
};

// A registered window of a 400 x 300 client area, its minimise, maximise and close
// buttons laid out, not yet painted.
class PaintedWindow : public EngineWithWindow {
protected:
    void SetUp() override {
        makeWindow("岚舟备忘录", WS_VISIBLE, 400, 300);
        engine.settings.backColor = RGB(0x20, 0x40, 0x60);
        auto made = std::make_unique<SkinWindowRecord>();
        made->window = window;
        made->captionButtons = standardCaptionButtons({false, false, true, true});
        made->buttonStripWidth = captionStripWidth(made->captionButtons);
        index = engine.registry().add(std::move(made));
        engine.layoutCaptionButtons(index);
    }
    SkinWindowRecord& record() { return engine.registry().at(index); }
    COLORREF at(int x, int y) { return GetPixel(record().backBufferDC, x, y); }
    void paint() { engine.paintWindow(index, nullptr, false); }
};

}  // namespace

TEST_F(PaintedWindow, BaseColourInsideTheRoundedOutlineAndTheFrame) {
    paint();
    ASSERT_NE(record().backBufferDC, nullptr);
    EXPECT_FALSE(record().needsFullPaint);
    EXPECT_EQ(at(200, 150), RGB(0x20, 0x40, 0x60));
    // No key colour in the corners that the window's region keeps.
    for (const POINT corner : {POINT{1, 0}, POINT{0, 1}, POINT{398, 0}, POINT{399, 1}})
        EXPECT_NE(at(corner.x, corner.y), RGB(255, 0, 255)) << corner.x << "," << corner.y;
    // The outer line darkens the edge, the inner one lightens the pixel inside it.
    EXPECT_LT(red(at(0, 150)) + green(at(0, 150)) + blue(at(0, 150)), 0x20 + 0x40 + 0x60);
    EXPECT_GT(red(at(1, 150)), 0x80);
    EXPECT_GT(blue(at(200, 1)), 0x80);
    EXPECT_EQ(at(3, 150), RGB(0x20, 0x40, 0x60));
}

TEST_F(PaintedWindow, WithoutATitleBarNoFrameNoCaptionAndNoCaptionCache) {
    record().showTitleBar = false;
    paint();
    EXPECT_EQ(at(1, 150), RGB(0x20, 0x40, 0x60));
    EXPECT_EQ(at(200, 12), RGB(0x20, 0x40, 0x60));
    EXPECT_EQ(record().captionCacheDC, nullptr);
}

TEST_F(PaintedWindow, PictureModesPlaceThePicture) {
    // 100 x 50, red left half, blue right half.
    const COLORREF r = RGB(255, 0, 0), b = RGB(0, 0, 255), base = RGB(0, 255, 0);
    record().picture = halvesPicture(100, 50, r, b);
    record().pictureColor = base;
    record().showTitleBar = false;
    struct Case {
        int mode, x, y;
        COLORREF expected;
    } cases[] = {
        {0, 10, 10, r},   {0, 60, 10, b},   {0, 150, 10, base}, {0, 10, 80, base},
        {1, 310, 10, r},  {1, 390, 10, b},  {1, 250, 10, base},
        {2, 160, 150, r}, {2, 240, 150, b}, {2, 140, 150, base}, {2, 200, 110, base},
        {3, 100, 150, r}, {3, 300, 150, b},
        // Side by side, every second copy mirrored; the base colour below.
        {4, 10, 10, r},   {4, 60, 10, b},   {4, 110, 10, b},    {4, 160, 10, r}, {4, 210, 10, r},
        {4, 390, 10, r},  {4, 200, 80, base},
    };
    for (const Case& c : cases) {
        record().pictureMode = c.mode;
        paint();
        EXPECT_EQ(at(c.x, c.y), c.expected) << "mode " << c.mode << " at " << c.x << "," << c.y;
    }
}

TEST_F(PaintedWindow, TheSharedPictureServesWithoutAnOwnOne) {
    engine.settings.sharedPicture = halvesPicture(10, 10, RGB(255, 255, 0), RGB(0, 255, 255));
    engine.settings.pictureMode = 3;
    paint();
    EXPECT_EQ(at(100, 150), RGB(255, 255, 0));
    EXPECT_EQ(at(300, 150), RGB(0, 255, 255));
}

// Full paints reuse the image of background and frame only while nothing it was drawn
// from has changed.
TEST_F(PaintedWindow, ANewPictureColourOrSizeIsDrawnAnew) {
    engine.settings.pictureMode = 3;
    engine.settings.sharedPicture = halvesPicture(10, 10, RGB(255, 255, 0), RGB(255, 255, 0));
    paint();
    EXPECT_EQ(at(100, 150), RGB(255, 255, 0));
    paint();
    EXPECT_EQ(at(100, 150), RGB(255, 255, 0)) << "from the kept layer";
    engine.settings.sharedPicture = halvesPicture(10, 10, RGB(0, 255, 255), RGB(0, 255, 255));
    paint();
    EXPECT_EQ(at(100, 150), RGB(0, 255, 255));
    engine.settings.sharedPicture.clear();
    engine.settings.backColor = RGB(9, 99, 199);
    paint();
    EXPECT_EQ(at(100, 150), RGB(9, 99, 199));
    record().captionGloss = true;
    paint();
    EXPECT_NE(at(150, 3), RGB(9, 99, 199));
    record().showTitleBar = false;
    record().captionGloss = false;
    paint();
    EXPECT_EQ(at(1, 150), RGB(9, 99, 199)) << "no frame";
    SetWindowPos(window, nullptr, 0, 0, 420, 300, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    paint();
    EXPECT_EQ(at(410, 150), RGB(9, 99, 199));
}

TEST_F(PaintedWindow, CaptionGlossWhitensTheTitleBandOnly) {
    record().captionGloss = true;
    paint();
    EXPECT_GT(red(at(150, 3)), 0x20 + 60);
    EXPECT_EQ(at(150, 40), RGB(0x20, 0x40, 0x60));
}

TEST_F(PaintedWindow, CaptionButtonsDrawnHighlightedPressedAndRestored) {
    paint();
    const int close = 3;
    const POINT origin = captionButtonOrigin(record(), close);
    const int cx = origin.x + 5, cy = origin.y + 3;  // near the close button's top left, clear of the glyph
    const COLORREF plain = at(cx, cy);

    engine.drawCaptionButton(index, close, nullptr, false, 240);
    const COLORREF lit = at(cx, cy);
    EXPECT_GT(red(lit), red(plain) + 60) << "the close highlight is red";

    engine.drawCaptionButton(index, close);
    EXPECT_EQ(at(cx, cy), plain) << "alpha 0 leaves the plain button";

    engine.drawCaptionButton(index, close, nullptr, true);
    EXPECT_GT(red(at(cx, cy)), 200) << "pressed close is red at the top";

    // The minimise highlight takes the accent colour.
    engine.settings.accentColor = RGB(0, 0x80, 0xFF);
    const POINT minimize = captionButtonOrigin(record(), 1);
    const COLORREF before = at(minimize.x + 3, minimize.y + 2);
    engine.drawCaptionButton(index, 1, nullptr, false, 240);
    EXPECT_GT(blue(at(minimize.x + 3, minimize.y + 2)), blue(before) + 60);

    engine.restoreCaptionArea(index, RECT{origin.x, 0, origin.x + 38, 25});
    EXPECT_NE(at(cx, cy), plain) << "the cache holds the band before any button";
    EXPECT_EQ(at(cx, cy), GetPixel(record().captionCacheDC, cx, cy));
}

TEST_F(PaintedWindow, MaximisedWindowShowsTheRestorePicture) {
    const POINT origin = captionButtonOrigin(record(), 2);
    auto picture = [&] {
        std::vector<COLORREF> pixels;
        for (int y = 0; y < 18; ++y)
            for (int x = 0; x < 26; ++x) pixels.push_back(at(origin.x + x, origin.y + y));
        return pixels;
    };
    paint();
    const auto normal = picture();
    record().maximized = true;
    engine.drawCaptionButton(index, 2);
    EXPECT_NE(picture(), normal);
}

TEST_F(PaintedWindow, CaptionTextIsWhiteOnTheBandAndARedrawStaysLeftOfTheButtons) {
    paint();
    const CaptionTextArea area = captionTextArea(400, record().buttonStripWidth, engine.resizeBorder);
    auto whitePixels = [&](int left, int right) {
        int count = 0;
        for (int y = area.top; y < area.top + 16; ++y)
            for (int x = left; x < right; ++x)
                if (at(x, y) == RGB(255, 255, 255)) ++count;
        return count;
    };
    EXPECT_GT(whitePixels(area.left + 20, area.left + 120), 20) << "岚舟备忘录 in white";

    // A long text redrawn on its own: the buttons' pixels in the back buffer stay.
    const int stripLeft = record().buttonStripX;
    std::vector<COLORREF> strip;
    for (int x = stripLeft; x < 400; ++x) strip.push_back(at(x, 10));
    engine.drawCaptionText(index, nullptr, false, std::string(80, 'W'));
    std::vector<COLORREF> after;
    for (int x = stripLeft; x < 400; ++x) after.push_back(at(x, 10));
    EXPECT_EQ(after, strip);
    EXPECT_GT(whitePixels(area.left + 20, area.left + area.width), 100);
    EXPECT_EQ(area.left + area.width, 400 - record().buttonStripWidth - 4 - 3);
}

TEST_F(PaintedWindow, RegionIsTheRoundedClientOutline) {
    paint();
    HRGN region = CreateRectRgn(0, 0, 0, 0);
    ASSERT_NE(GetWindowRgn(window, region), ERROR);
    HRGN expected = CreateRoundRectRgn(0, 0, 401, 301, 5, 5);
    // The same pixels: the window keeps the region in its own form, so the two are
    // compared point by point.
    int differing = 0;
    for (int y = -1; y <= 301; ++y)
        for (int x = -1; x <= 401; ++x)
            if (!PtInRegion(region, x, y) != !PtInRegion(expected, x, y)) ++differing;
    EXPECT_EQ(differing, 0);
    RECT box{};
    GetRgnBox(region, &box);
    EXPECT_EQ(box.right - box.left, 400);
    EXPECT_EQ(box.bottom - box.top, 300);
    EXPECT_FALSE(PtInRegion(region, 0, 0)) << "the corners are cut";
    EXPECT_TRUE(PtInRegion(region, 2, 2));
    DeleteObject(expected);
    DeleteObject(region);
}

TEST_F(PaintedWindow, AResizeReplacesTheBackBufferAndKeepsTheFirstBitmap) {
    paint();
    const HANDLE initial = GetPropA(window, prop::backBufferInitialBitmap);
    const auto first = static_cast<HBITMAP>(GetPropA(window, prop::backBufferBitmap));
    const HBITMAP firstCaptionBitmap = record().captionCacheBitmap;
    ASSERT_NE(initial, nullptr);
    SetWindowPos(window, nullptr, 0, 0, 500, 320, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    paint();
    EXPECT_EQ(GetPropA(window, prop::backBufferInitialBitmap), initial);
    const auto second = static_cast<HBITMAP>(GetPropA(window, prop::backBufferBitmap));
    EXPECT_NE(second, first);
    EXPECT_EQ(GetObjectType(first), 0u) << "the previous back buffer is deleted";
    EXPECT_EQ(GetObjectType(firstCaptionBitmap), 0u);
    BITMAP info{};
    GetObjectA(second, sizeof info, &info);
    EXPECT_EQ(info.bmWidth, 500);
    EXPECT_EQ(info.bmHeight, 320);
}

TEST_F(PaintedWindow, TeardownFreesEveryObjectThePaintMade) {
    record().statusBarArea = gdip::Rect{2, 270, 396, 28};
    paint();
    const SkinWindowRecord& r = record();
    const HDC dcs[] = {r.backBufferDC, r.captionCacheDC, r.statusBarCacheDC};
    const HGDIOBJ bitmaps[] = {GetPropA(window, prop::backBufferBitmap), r.captionCacheBitmap, r.statusBarCacheBitmap};
    for (HDC dc : dcs) ASSERT_EQ(GetObjectType(dc), static_cast<DWORD>(OBJ_MEMDC));
    for (HGDIOBJ bitmap : bitmaps) ASSERT_EQ(GetObjectType(bitmap), static_cast<DWORD>(OBJ_BITMAP));
    tearDownWindow(engine, window, index);
    for (HDC dc : dcs) EXPECT_EQ(GetObjectType(dc), 0u);
    for (HGDIOBJ bitmap : bitmaps) EXPECT_EQ(GetObjectType(bitmap), 0u);
    EXPECT_EQ(GetPropA(window, prop::backBufferBitmap), nullptr);
    EXPECT_EQ(engine.registry().size(), 0);
}

TEST(Pictures, FadeRectanglesOf100By50) {
    const COLORREF base = RGB(10, 20, 30);
    const auto right = pictureFades(100, 50, base, true);
    EXPECT_FLOAT_EQ(right[0].from.x, 70);
    EXPECT_FLOAT_EQ(right[0].to.x, 100);
    EXPECT_EQ(right[0].fromColor, 0x00FFFFFFu);
    EXPECT_EQ(right[0].toColor, toArgb(base));
    EXPECT_FLOAT_EQ(right[0].area.x, 71);
    EXPECT_FLOAT_EQ(right[0].area.y, 0);
    EXPECT_FLOAT_EQ(right[0].area.width, 30);
    EXPECT_FLOAT_EQ(right[0].area.height, 50);
    const auto left = pictureFades(100, 50, base, false);
    EXPECT_FLOAT_EQ(left[0].from.x, 0);
    EXPECT_FLOAT_EQ(left[0].to.x, 30);
    EXPECT_EQ(left[0].fromColor, toArgb(base));
    EXPECT_FLOAT_EQ(left[0].area.x, 0);
    EXPECT_FLOAT_EQ(left[0].area.width, 30);
    for (const auto& fades : {right, left}) {
        const PictureFade& bottom = fades[1];
        EXPECT_FLOAT_EQ(bottom.from.y, 20);
        EXPECT_FLOAT_EQ(bottom.to.y, 50);
        EXPECT_EQ(bottom.fromColor, toArgb(base, 0));
        EXPECT_EQ(bottom.toColor, toArgb(base));
        EXPECT_FLOAT_EQ(bottom.area.y, 21);
        EXPECT_FLOAT_EQ(bottom.area.width, 100);
        EXPECT_FLOAT_EQ(bottom.area.height, 30);
    }
}

TEST(Pictures, AverageColourAndPreparedPicture) {
    const gdip::Session session;
    const gdip::Bytes source = halvesPicture(100, 50, RGB(200, 0, 0), RGB(200, 0, 0));
    EXPECT_EQ(averageColor(source), RGB(200, 0, 0));
    const COLORREF halves = averageColor(halvesPicture(100, 50, RGB(200, 0, 0), RGB(0, 0, 200)));
    EXPECT_NEAR(red(halves), 100, 12);
    EXPECT_NEAR(blue(halves), 100, 12);
    EXPECT_EQ(averageColor(gdip::Bytes{1, 2, 3}), 0u) << "an unreadable picture is black";

    const COLORREF base = RGB(0, 0, 255);
    gdip::Bitmap prepared;
    ASSERT_TRUE(prepared.load(preparePicture(source, base, true)));
    ASSERT_EQ(prepared.width(), 100u);
    EXPECT_EQ(prepared.pixel(10, 10), 0xFFC80000u) << "untouched away from the fades";
    EXPECT_GT(prepared.pixel(99, 10) & 0xFF, 0xE0u) << "the right edge is the base colour";
    EXPECT_GT(prepared.pixel(10, 49) & 0xFF, 0xE0u) << "so is the bottom";
    ASSERT_TRUE(prepared.load(preparePicture(source, base, false)));
    EXPECT_GT(prepared.pixel(0, 10) & 0xFF, 0xE0u) << "or the left edge";
    EXPECT_EQ(prepared.pixel(99, 10), 0xFFC80000u);
    EXPECT_TRUE(preparePicture(gdip::Bytes{1, 2, 3}, base).empty());
}

namespace {

void pumpMessages() {
    MSG msg;
    for (int round = 0; round < 5; ++round) {
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
        Sleep(10);
    }
}

RECT regionBox(HWND window) {
    HRGN region = CreateRectRgn(0, 0, 0, 0);
    RECT box{};
    if (GetWindowRgn(window, region) != ERROR) GetRgnBox(region, &box);
    DeleteObject(region);
    return box;
}

// A skinned popup of a 300 x 200 client area with minimise and maximise boxes, made
// through skinWindow; shown unless the test wants to see its first size message.
class SkinnedWindowPainting : public EngineWithWindow {
protected:
    void SetUp() override {
        makeWindow("岚舟", WS_MINIMIZEBOX | WS_MAXIMIZEBOX, 300, 200);
        engine.skinWindow(window);
        index = engine.registry().lookup(window);
    }
    void show() {
        engine.settings.firstSizePending = false;
        ShowWindow(window, SW_SHOW);
        UpdateWindow(window);
        pumpMessages();
    }
};

}  // namespace

// A window that grows has no new visible area while the old region holds: the size
// change itself must bring the full paint that gives it its new outline.
TEST_F(SkinnedWindowPainting, AWindowThatGrowsIsRepaintedAtItsNewSize) {
    show();
    EXPECT_EQ(regionBox(window).right, 300);
    for (const SIZE size : {SIZE{500, 400}, SIZE{320, 240}}) {
        SetWindowPos(window, nullptr, 0, 0, size.cx, size.cy, SWP_NOMOVE | SWP_NOZORDER);
        pumpMessages();
        const RECT box = regionBox(window);
        EXPECT_EQ(box.right, size.cx);
        EXPECT_EQ(box.bottom, size.cy);
        BITMAP info{};
        GetObjectA(GetPropA(window, prop::backBufferBitmap), sizeof info, &info);
        EXPECT_EQ(info.bmWidth, size.cx);
    }
}

TEST_F(SkinnedWindowPainting, TheMaximiseButtonRepaintsAtTheNewSize) {
    show();
    engine.pressCaptionButton(index, engine.findMaximizeButton(index));
    pumpMessages();
    RECT client{};
    GetClientRect(window, &client);
    EXPECT_GT(client.right, 300);
    const RECT box = regionBox(window);
    EXPECT_EQ(box.right, client.right);
    EXPECT_EQ(box.bottom, client.bottom);
}

// The program's windows are made at their final size, so the first size message of the
// process can come from a maximise long after they are shown.
TEST_F(SkinnedWindowPainting, AFirstSizeMessageThatChangesTheSizeStillRepaints) {
    engine.paintWindow(index, nullptr, false);
    ASSERT_TRUE(engine.settings.firstSizePending);
    SendMessageA(window, WM_SIZE, SIZE_RESTORED, MAKELPARAM(300, 200));
    EXPECT_FALSE(engine.registry().at(index).needsFullPaint) << "the same size: nothing to rebuild";
    engine.settings.firstSizePending = true;
    SetWindowPos(window, nullptr, 0, 0, 500, 400, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    EXPECT_TRUE(engine.registry().at(index).needsFullPaint);
    EXPECT_FALSE(engine.settings.firstSizePending);
}

TEST(DecodedPicturesTest, DecodesEachPictureOnceAndTellsPicturesApart) {
    const gdip::Session session;
    DecodedPictures decoded;
    const gdip::Bytes red = halvesPicture(4, 2, RGB(255, 0, 0), RGB(255, 0, 0));
    const gdip::Bytes blue = halvesPicture(4, 2, RGB(0, 0, 255), RGB(0, 0, 255));
    const gdip::Image* first = decoded.find(red);
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first->width(), 4u);
    EXPECT_EQ(decoded.find(gdip::Bytes(red)), first) << "the same bytes from another vector";
    const gdip::Image* other = decoded.find(blue);
    ASSERT_NE(other, nullptr);
    EXPECT_NE(other, first);
    EXPECT_EQ(decoded.find(gdip::Bytes{1, 2, 3}), nullptr);
    EXPECT_EQ(decoded.size(), 2);
    decoded.clear();
    EXPECT_EQ(decoded.size(), 0);
}
