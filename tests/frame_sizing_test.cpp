// Where a skinned window is sized from, as a plain function of the point, and what a
// press does there in a real window.
#include <gtest/gtest.h>

#include "skin/engine/frame_sizing.h"
#include "skin/engine/skin_engine.h"

using namespace skin;

namespace {

struct ZoneCase {
    int x, y;
    WPARAM command;  // 0: no zone
    LPCSTR cursor;
};

TEST(FrameSizing, ZonesOfA400By300ClientWithBorder3) {
    const ZoneCase cases[] = {
        {2, 150, SC_SIZE | WMSZ_LEFT, MAKEINTRESOURCEA(32644)},
        {3, 150, SC_SIZE | WMSZ_LEFT, MAKEINTRESOURCEA(32644)},
        {4, 150, 0, nullptr},
        {5, 150, 0, nullptr},
        {397, 150, SC_SIZE | WMSZ_RIGHT, MAKEINTRESOURCEA(32644)},
        {396, 150, 0, nullptr},
        {200, 2, SC_SIZE | WMSZ_TOP, MAKEINTRESOURCEA(32645)},
        {200, 12, 0, nullptr},
        {200, 297, SC_SIZE | WMSZ_BOTTOM, MAKEINTRESOURCEA(32645)},
        {5, 5, SC_SIZE | WMSZ_TOPLEFT, MAKEINTRESOURCEA(32642)},
        {10, 10, SC_SIZE | WMSZ_TOPLEFT, MAKEINTRESOURCEA(32642)},
        {2, 10, SC_SIZE | WMSZ_TOPLEFT, MAKEINTRESOURCEA(32642)},  // the edge stops short of the corner
        {2, 11, SC_SIZE | WMSZ_LEFT, MAKEINTRESOURCEA(32644)},
        {395, 5, SC_SIZE | WMSZ_TOPRIGHT, MAKEINTRESOURCEA(32643)},
        {5, 295, SC_SIZE | WMSZ_BOTTOMLEFT, MAKEINTRESOURCEA(32643)},
        {397, 295, SC_SIZE | WMSZ_BOTTOMRIGHT, MAKEINTRESOURCEA(32642)},
        {390, 290, SC_SIZE | WMSZ_BOTTOMRIGHT, MAKEINTRESOURCEA(32642)},
        {389, 290, 0, nullptr},
    };
    for (const ZoneCase& c : cases) {
        const auto zone = frameZoneAt(c.x, c.y, 400, 300, 3);
        SCOPED_TRACE(std::to_string(c.x) + "," + std::to_string(c.y));
        if (!c.command) {
            EXPECT_FALSE(zone.has_value());
            continue;
        }
        ASSERT_TRUE(zone.has_value());
        EXPECT_EQ(zone->command, c.command);
        EXPECT_EQ(zone->cursor, c.cursor);
    }
}

LRESULT CALLBACK countingProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    static int* sizeCommands = nullptr;
    if (message == WM_APP) sizeCommands = reinterpret_cast<int*>(lParam);
    // The size loop itself is the system's; here only that it was asked for counts.
    if (message == WM_SYSCOMMAND && (wParam & 0xFFF0) == SC_SIZE) {
        if (sizeCommands) ++*sizeCommands;
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

TEST(FrameSizing, PressesOnTheStripAndBelowTheTitleBarStartNothing) {
    WNDCLASSA wc{};
    wc.lpfnWndProc = countingProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = "FrameSizingTestWindow";
    RegisterClassA(&wc);
    SkinEngine engine;
    HWND window = CreateWindowExA(0, wc.lpszClassName, "", WS_POPUP | WS_MINIMIZEBOX, 0, 0, 400, 300, nullptr,
                                  nullptr, wc.hInstance, nullptr);
    engine.skinWindow(window);
    int sizeCommands = 0;
    SendMessageA(window, WM_APP, 0, reinterpret_cast<LPARAM>(&sizeCommands));
    SkinWindowRecord& record = *engine.registry().find(window);
    const RECT client{0, 0, 400, 300};

    engine.beginMoveOrResize(1, MAKELPARAM(5, 150), client);
    EXPECT_EQ(sizeCommands, 0);
    // Top-right corner on the strip: the press belongs to the caption button.
    engine.beginMoveOrResize(1, MAKELPARAM(395, 5), client);
    EXPECT_EQ(sizeCommands, 0);
    // The same corner above the strip's top sizes.
    record.needsFullPaint = false;
    engine.beginMoveOrResize(1, MAKELPARAM(395, 2), client);
    EXPECT_EQ(sizeCommands, 1);
    EXPECT_TRUE(record.needsFullPaint);
    engine.beginMoveOrResize(1, MAKELPARAM(397, 295), client);
    EXPECT_EQ(sizeCommands, 2);

    record.resizable = false;  // a fixed window never sizes
    engine.beginMoveOrResize(1, MAKELPARAM(397, 295), client);
    EXPECT_EQ(sizeCommands, 2);
    DestroyWindow(window);
}

}  // namespace
