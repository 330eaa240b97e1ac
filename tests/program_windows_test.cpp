// The program's three windows as the skin engine leaves them on the screen: the colours
// ApplySkin sets, screenshots read by pixels (title band, caption buttons, rounded
// corners, the viewer maximised), the contrast of every text against the picture, and
// many openings and closings that leave nothing behind. The shots are kept as BMP files
// beside the test for a person to look at.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <fstream>
#include <string>
#include <vector>

#include "app/add_memo_window.h"
#include "app/main_window.h"
#include "app/skin_hookup.h"
#include "app/viewer_window.h"
#include "runtime/window.h"
#include "skin/engine/skin_engine.h"
#include "skin/engine/work_area.h"
#include "support/fake_services.h"

namespace {

void pumpFor(DWORD milliseconds) {
    const DWORD end = GetTickCount() + milliseconds;
    MSG msg;
    while (GetTickCount() < end) {
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
        Sleep(10);
    }
}

// Pixels of a screen rectangle, row by row, as COLORREF.
struct Shot {
    RECT area{};
    std::vector<COLORREF> pixels;
    int width() const { return area.right - area.left; }
    int height() const { return area.bottom - area.top; }
    COLORREF at(int x, int y) const { return pixels[static_cast<size_t>(y) * width() + x]; }
};

Shot capture(const RECT& area) {
    Shot shot{area, {}};
    const int w = shot.width(), h = shot.height();
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), w, -h, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP dib = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = SelectObject(memory, dib);
    BitBlt(memory, 0, 0, w, h, screen, area.left, area.top, SRCCOPY);
    GdiFlush();
    const auto* bgra = static_cast<const unsigned char*>(bits);
    for (int i = 0; i < w * h; ++i) shot.pixels.push_back(RGB(bgra[4 * i + 2], bgra[4 * i + 1], bgra[4 * i]));
    SelectObject(memory, old);
    DeleteObject(dib);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return shot;
}

void save(const Shot& shot, const std::string& name) {
    const int w = shot.width(), h = shot.height();
    BITMAPFILEHEADER file{0x4D42, static_cast<DWORD>(54 + 4 * w * h), 0, 0, 54};
    BITMAPINFOHEADER header{sizeof header, w, -h, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    std::ofstream out(name, std::ios::binary);
    out.write(reinterpret_cast<const char*>(&file), sizeof file);
    out.write(reinterpret_cast<const char*>(&header), sizeof header);
    for (COLORREF c : shot.pixels) {
        const unsigned char bgra[4] = {GetBValue(c), GetGValue(c), GetRValue(c), 255};
        out.write(reinterpret_cast<const char*>(bgra), 4);
    }
}

double channel(int value) {
    const double c = value / 255.0;
    return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

// Relative luminance and contrast ratio as WCAG defines them.
double luminance(COLORREF c) {
    return 0.2126 * channel(GetRValue(c)) + 0.7152 * channel(GetGValue(c)) + 0.0722 * channel(GetBValue(c));
}
double contrast(COLORREF a, COLORREF b) {
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

RECT windowRect(HWND window) {
    RECT r{};
    GetWindowRect(window, &r);
    return r;
}

RECT inWindow(HWND control, HWND window) {
    RECT r = windowRect(control);
    MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&r), 2);
    return r;
}

int brightPixels(const Shot& shot, const gdip::RectF& bounds) {
    int count = 0;
    for (int y = static_cast<int>(bounds.y); y < static_cast<int>(bounds.y + bounds.height); ++y)
        for (int x = static_cast<int>(bounds.x); x < static_cast<int>(bounds.x + bounds.width); ++x)
            count += luminance(shot.at(x, y)) > 0.7;
    return count;
}

BOOL CALLBACK countWindow(HWND, LPARAM count) {
    ++*reinterpret_cast<int*>(count);
    return TRUE;
}

int topWindows() {
    int count = 0;
    EnumThreadWindows(GetCurrentThreadId(), countWindow, reinterpret_cast<LPARAM>(&count));
    return count;
}

class ProgramWindows : public ::testing::Test {
protected:
    FakeServices fake;
    HWND main = nullptr;

    void SetUp() override {
        CreateSkinEngine();
        StartSkinEngine();
        ASSERT_EQ(TheSkinEngine()->settings.accentColor, 0xDDCA22u);
        main = LoadMainWindow();
        ASSERT_TRUE(main);
        pumpFor(300);
    }
    void TearDown() override {
        if (IsWindow(main)) DestroyWindow(main);
        DestroySkinEngine();
    }
    skin::SkinEngine& engine() { return *TheSkinEngine(); }
    const skin::SkinWindowRecord& recordOf(HWND window) { return *engine().registry().find(window); }

    // What every skinned window shows: the band and buttons of its title bar and its
    // rounded corners cut to the desktop behind.
    void checkTitleBarAndCorners(HWND window, const std::string& name) {
        const RECT area = windowRect(window);
        RECT around = area;
        InflateRect(&around, 2, 2);
        const Shot shot = capture(around);
        save(shot, name + ".bmp");
        checkTitleBar(shot, 2, window, name);
        // The corners are cut: the desktop just outside the window shows through the
        // corner pixel, while a pixel a little further in is the window's.
        const int w = area.right - area.left;
        const COLORREF desktop = shot.at(0, 0);
        EXPECT_EQ(shot.at(2, 2), desktop) << name << " top-left corner";
        EXPECT_EQ(shot.at(w + 1, 2), desktop) << name << " top-right corner";
        EXPECT_NE(shot.at(2 + 3, 2 + 3), desktop) << name;
    }

    // The band and buttons of the title bar on a shot whose origin lies `margin` pixels
    // left of and above the window's.
    void checkTitleBar(const Shot& shot, int margin, HWND window, const std::string& name) {
        const skin::SkinWindowRecord& record = recordOf(window);
        EXPECT_EQ(record.captionHeight, 25);
        const RECT area = windowRect(window);
        const int w = area.right - area.left;

        // The screen shows the back buffer's title band, not the runtime's plain face.
        int same = 0, plain = 0;
        for (int x = 30; x < record.buttonStripX - 4; x += 3)
            for (int y = 4; y < 24; y += 3) {
                const COLORREF onScreen = shot.at(x + margin, y + margin);
                same += onScreen == GetPixel(record.backBufferDC, x, y);
                plain += onScreen == GetSysColor(COLOR_BTNFACE);
            }
        EXPECT_GT(same, 0) << name;
        EXPECT_EQ(plain, 0) << name;

        // Each caption button shows its white glyph inside its bounds, right to the edge.
        ASSERT_FALSE(record.captionButtons.empty());
        const gdip::RectF& last = record.captionButtons.back().bounds;
        EXPECT_GE(static_cast<int>(last.x + last.width), w) << name;  // close reaches the right edge
        for (const skin::CaptionButton& button : record.captionButtons) {
            gdip::RectF onShot = button.bounds;
            onShot.x += static_cast<float>(margin);
            onShot.y += static_cast<float>(margin);
            EXPECT_GE(brightPixels(shot, onShot), 6) << name << " button kind " << button.kind;
        }
    }
};

TEST_F(ProgramWindows, ApplySkinSetsTheAccentAndBackColours) {
    EXPECT_EQ(engine().settings.accentColor, 0x0080FFu);
    EXPECT_EQ(engine().settings.backColor, 0u);
    EXPECT_EQ(engine().settings.pictureMode, 3);
    EXPECT_EQ(engine().settings.sharedPicture, BackgroundPicture());
    EXPECT_TRUE(engine().settings.transparentControls);
    EXPECT_EQ(engine().settings.veilAlpha, 0);
    engine().settings.accentColor = 0x123456;
    HWND add = LoadAddMemoWindow(main);  // every window sets them again
    EXPECT_EQ(engine().settings.accentColor, 0x0080FFu);
    ASSERT_EQ(engine().registry().size(), 2);
    EXPECT_EQ(recordOf(add).captionButtons.size(), 2u);
    DestroyWindow(add);
}

TEST_F(ProgramWindows, ScreenshotsOfTheThreeWindowsAndTheViewerMaximised) {
    checkTitleBarAndCorners(main, "main");
    EXPECT_EQ(recordOf(main).captionButtons.size(), 2u);

    HWND add = LoadAddMemoWindow(main);
    pumpFor(300);
    checkTitleBarAndCorners(add, "add_memo");
    DestroyWindow(add);

    HWND viewer = LoadViewerWindow(main);
    rt::SetWindowTextTo(viewer, "备忘  - 岚舟备忘录");
    pumpFor(300);
    EXPECT_EQ(recordOf(viewer).captionButtons.size(), 3u);
    checkTitleBarAndCorners(viewer, "viewer");

    SendMessageA(viewer, WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(100, 12));
    pumpFor(1500);
    EXPECT_TRUE(recordOf(viewer).maximized);
    const RECT maximized = windowRect(viewer);
    EXPECT_EQ(maximized.left, 0);
    EXPECT_EQ(maximized.top, 0);
    EXPECT_EQ(maximized.right, skin::maximizedSize().cx);
    EXPECT_EQ(maximized.bottom, skin::maximizedSize().cy);
    // Maximised at the screen's corner there is no desktop around it to show.
    const Shot shot = capture(maximized);
    save(shot, "viewer_maximized.bmp");
    checkTitleBar(shot, 0, viewer, "viewer maximised");
    DestroyWindow(viewer);
}

// The date box wears the list-like frame: a grey line when idle, the accent colour while
// it has the keyboard.
TEST_F(ProgramWindows, TheDateBoxHasTheListFrameWithTheAccentUnderFocus) {
    HWND add = LoadAddMemoWindow(main);
    HWND date = rt::FindControl(add, "日期框1");
    const auto& lists = recordOf(add).lists;
    ASSERT_EQ(lists.size(), 1u);
    EXPECT_EQ(lists[0].hwnd, date);
    auto orange = [](COLORREF c) { return GetRValue(c) > 200 && GetBValue(c) < 140 && GetGValue(c) < 200; };
    SetFocus(date);
    pumpFor(300);
    const RECT area = windowRect(date);
    const int middle = (area.bottom - area.top) / 2;
    const Shot focused = capture(area);
    save(focused, "date_box_focused.bmp");
    EXPECT_TRUE(orange(focused.at(0, middle))) << std::hex << focused.at(0, middle);
    EXPECT_TRUE(orange(focused.at(focused.width() - 1, middle)));

    SetFocus(rt::FindControl(add, "编辑框1"));
    pumpFor(300);
    const Shot idle = capture(area);
    save(idle, "date_box_idle.bmp");
    const COLORREF line = idle.at(0, middle);
    EXPECT_FALSE(orange(line)) << std::hex << line;
    EXPECT_LT(GetRValue(line), 200);  // a grey line, darker than the white ring inside it
    EXPECT_GT(GetRValue(idle.at(1, middle)), GetRValue(line));
    DestroyWindow(add);
}

// Control and label texts are black and stand on the picture; the caption is white.
TEST_F(ProgramWindows, EveryTextReadsOnThePictureBehindIt) {
    HWND add = LoadAddMemoWindow(main);
    pumpFor(300);
    const RECT area = windowRect(add);
    const Shot shot = capture(area);
    save(shot, "add_memo_contrast.bmp");
    for (const char* name : {"透明标签1", "透明标签2", "透明标签3", "选择框1", "编辑框1", "编辑框2"}) {
        const RECT r = inWindow(rt::FindControl(add, name), add);
        // The picture behind the control is in the back buffer; its darkest pixel is
        // the worst place for black text. On the screen the text covers less than half
        // of the control, so the median is the background it stands on.
        double worst = 100;
        std::vector<double> onScreen;
        // The check box reaches a pixel into the title band, where its text never stands.
        for (int y = std::max<int>(r.top, recordOf(add).captionHeight); y < r.bottom; ++y)
            for (int x = r.left; x < r.right; ++x) {
                worst = std::min(worst, contrast(0, GetPixel(recordOf(add).backBufferDC, x, y)));
                onScreen.push_back(luminance(shot.at(x, y)));
            }
        std::nth_element(onScreen.begin(), onScreen.begin() + onScreen.size() / 2, onScreen.end());
        const double median = onScreen[onScreen.size() / 2];
        EXPECT_GE(worst, 4.5) << name;
        EXPECT_GE((median + 0.05) / 0.05, 4.5) << name << " on the screen";
    }
    // The bold white caption against the band behind it, as kept before text and buttons.
    const skin::SkinWindowRecord& record = recordOf(add);
    double worstCaption = 100;
    for (int y = 8; y < 22; ++y)
        for (int x = 29; x < record.buttonStripX - 4; ++x)
            worstCaption = std::min(worstCaption, contrast(0xFFFFFF, GetPixel(record.captionCacheDC, x, y)));
    EXPECT_GE(worstCaption, 3.0);
    DestroyWindow(add);
}

// Wine's GetGuiResources answers 0, so the objects are counted through what the engine
// itself keeps: every DC, bitmap and brush it records for a window must be gone once
// the window is, and the windows, records and snapshots must be back where they were.
TEST_F(ProgramWindows, TwoHundredOpeningsAndClosingsLeaveNothingBehind) {
    const int windowsBefore = topWindows();
    const DWORD gdiBefore = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
    const DWORD userBefore = GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS);
    int stillAlive = 0, madeObjects = 0;
    for (int i = 0; i < 200; ++i) {
        HWND window = i % 2 ? LoadViewerWindow(main) : LoadAddMemoWindow(main);
        ASSERT_TRUE(window);
        pumpFor(20);
        InvalidateRect(window, nullptr, FALSE);
        UpdateWindow(window);
        const skin::SkinWindowRecord& record = recordOf(window);
        std::vector<HGDIOBJ> made = {record.backBufferDC, record.captionCacheDC, record.captionCacheBitmap,
                                     GetPropA(window, "Ck_wtjbdx")};
        for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
            for (const char* name : {"Kj_dxjb", "Kj_wtjb"})
                if (HGDIOBJ object = GetPropA(child, name); object && object != GetStockObject(NULL_BRUSH))
                    made.push_back(object);
        DestroyWindow(window);
        for (HGDIOBJ object : made) {
            madeObjects += object != nullptr;
            stillAlive += object && GetObjectType(object) != 0;
        }
    }
    pumpFor(100);
    EXPECT_GT(madeObjects, 200 * 4);
    EXPECT_EQ(stillAlive, 0);
    EXPECT_EQ(engine().registry().size(), 1);
    EXPECT_EQ(engine().snapshots().size(), 0);
    EXPECT_EQ(topWindows(), windowsBefore);  // tooltips included
    // Where the system does count (Windows), the counts are back too.
    if (gdiBefore) {
        EXPECT_LE(GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS), gdiBefore + 2);
    }
    if (userBefore) {
        EXPECT_LE(GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS), userBefore + 2);
    }
}

}  // namespace
