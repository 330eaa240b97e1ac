// Skinned edit boxes in a real skinned window: which edits the installer takes, what it
// records and sets on them, their frame read back in pixels (plain, focused, under the
// mouse), the window picture behind a transparent edit, clean backgrounds after typing,
// selecting and scrolling, and nothing left behind when an edit is destroyed.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "skin/controls/control_installers.h"
#include "skin/controls/edit_box.h"
#include "skin/controls/frame_ring.h"
#include "tests/support/skinned_controls_host.h"

using namespace skin;
using namespace controls_test;

namespace {

WNDPROC editClassProcedure() {
    WNDCLASSA wc{};
    GetClassInfoA(nullptr, "Edit", &wc);
    return wc.lpfnWndProc;
}

// The skin properties and the brush still alive when the edit's own procedure sees its
// end.
std::vector<std::string> propertiesAtEnd;
WNDPROC editOwnProcedure = nullptr;
LRESULT CALLBACK watchingProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCDESTROY) propertiesAtEnd = skinPropertiesOn(hwnd);
    return CallWindowProcA(editOwnProcedure, hwnd, message, wParam, lParam);
}

class EditBoxes : public SkinnedHost {};

// The ring that edits and list-likes paint.
TEST(FrameRingGeometry, InnerRectangleHoldsClientAndScrollBarsCentred) {
    struct Case {
        SIZE window, client;
        LONG style;
        RECT inner;
    } cases[] = {
        {{100, 24}, {100, 24}, 0, {0, 0, 100, 24}},                          // no border: nothing around it
        {{100, 24}, {96, 20}, 0, {2, 2, 98, 22}},                            // client edge
        {{120, 80}, {99, 59}, WS_VSCROLL | WS_HSCROLL, {2, 2, 118, 78}},     // both bars and the size box
        {{120, 80}, {99, 76}, WS_VSCROLL, {2, 2, 118, 78}},                  // vertical bar only
        {{101, 25}, {96, 20}, 0, {2, 2, 98, 22}},                            // odd ring: rounded down
        {{100, 80}, {96, 76}, 0, {2, 2, 98, 78}},                            // a list's client edge
        {{100, 80}, {79, 59}, WS_HSCROLL | WS_VSCROLL, {2, 2, 98, 78}},
        {{100, 80}, {79, 76}, WS_VSCROLL, {2, 2, 98, 78}},
        {{100, 80}, {100, 80}, 0, {0, 0, 100, 80}},
    };
    for (const Case& c : cases) {
        const RECT inner = frameInnerRect(c.window, c.client, c.style, SIZE{17, 17});
        EXPECT_EQ(inner.left, c.inner.left);
        EXPECT_EQ(inner.top, c.inner.top);
        EXPECT_EQ(inner.right, c.inner.right);
        EXPECT_EQ(inner.bottom, c.inner.bottom);
    }
}

TEST_F(EditBoxes, InstallerTakesDirectEditsOnceAndRecordsThem) {
    HWND first = child("Edit", 0, 10, 40, 120, 24, WS_EX_CLIENTEDGE);
    HWND second = child("Edit", ES_MULTILINE | WS_VSCROLL, 10, 80, 200, 80, WS_EX_CLIENTEDGE);
    HWND holder = child("Static", 0, 220, 40, 150, 60);
    HWND nested = child("Edit", 0, 5, 5, 100, 24, 0, holder);
    skin();

    ASSERT_EQ(record().edits.size(), 2u);
    const HWND edits[] = {first, second};
    for (int i = 0; i < 2; ++i) {
        const EditEntry& entry = record().edits[i];
        EXPECT_EQ(entry.hwnd, edits[i]);
        EXPECT_EQ(entry.previousProc, editClassProcedure());
        EXPECT_FALSE(entry.focused);
        EXPECT_FALSE(entry.mouseDown);
        EXPECT_NE(GetWindowLongPtrA(edits[i], GWLP_WNDPROC), reinterpret_cast<LONG_PTR>(entry.previousProc));
        EXPECT_EQ(intProperty(edits[i], prop::index), i + 1);
        EXPECT_EQ(intProperty(edits[i], prop::ownerIndex), windowIndex);
        EXPECT_EQ(GetPropA(edits[i], prop::previousProc), reinterpret_cast<HANDLE>(entry.previousProc));
        EXPECT_EQ(intProperty(edits[i], prop::textColor), 0);
    }
    EXPECT_TRUE(skinPropertiesOn(nested).empty()) << "an edit that is not a direct child is left";

    InstallEditsAndComboBoxes(engine, windowIndex, window);
    EXPECT_EQ(record().edits.size(), 2u) << "an edit taken already is passed over";
}

TEST_F(EditBoxes, ControlSkinningOffLeavesEveryEdit) {
    engine.settings.controlSkinning = false;
    HWND edit = child("Edit", 0, 10, 40, 120, 24, WS_EX_CLIENTEDGE);
    const LONG_PTR own = GetWindowLongPtrA(edit, GWLP_WNDPROC);
    skin();
    EXPECT_TRUE(record().edits.empty());
    EXPECT_EQ(GetWindowLongPtrA(edit, GWLP_WNDPROC), own);
    EXPECT_TRUE(skinPropertiesOn(edit).empty());
}

TEST_F(EditBoxes, DestroyedEditLeavesNoPropertyNoBrushAndTheOthersKeepTheirPlace) {
    engine.settings.transparentControls = true;
    HWND first = child("Edit", 0, 10, 40, 120, 24, WS_EX_CLIENTEDGE);
    HWND second = child("Edit", 0, 10, 80, 120, 24, WS_EX_CLIENTEDGE);
    editOwnProcedure = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(first, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(watchingProcedure)));
    skin();
    ASSERT_EQ(record().edits.size(), 2u);
    EXPECT_EQ(record().edits[0].previousProc, watchingProcedure);
    InvalidateRect(first, nullptr, TRUE);
    UpdateWindow(first);
    const HGDIOBJ brush = GetPropA(first, prop::colorBrush);
    const HGDIOBJ bitmap = GetPropA(first, prop::colorBrushBitmap);
    ASSERT_NE(brush, nullptr) << "the skinned window answers the edit's colour message with a brush";
    ASSERT_NE(bitmap, nullptr);

    DestroyWindow(first);
    EXPECT_TRUE(propertiesAtEnd.empty()) << "left: " << (propertiesAtEnd.empty() ? "" : propertiesAtEnd[0]);
    EXPECT_EQ(GetObjectType(brush), 0u);
    EXPECT_EQ(GetObjectType(bitmap), 0u);
    ASSERT_EQ(record().edits.size(), 2u);
    EXPECT_EQ(record().edits[0].hwnd, nullptr) << "the entry no longer names the destroyed edit";
    EXPECT_EQ(record().edits[1].hwnd, second);
    EXPECT_EQ(intProperty(second, prop::index), 2);
    SetFocus(second);
    EXPECT_TRUE(record().edits[1].focused) << "the edit after it is still found through its properties";
}

TEST_F(EditBoxes, FrameIsDarkThenAccentWhenFocusedAndWiderUnderTheMouse) {
    HWND edit = child("Edit", 0, 10, 40, 120, 24, WS_EX_CLIENTEDGE);
    skin();
    PaintEditFrame(engine, edit);
    EXPECT_TRUE(grey(windowPixel(edit, 0, 12)));
    EXPECT_LT(GetRValue(windowPixel(edit, 0, 12)), 230) << "a dark line";
    EXPECT_EQ(windowPixel(edit, 1, 12), RGB(255, 255, 255)) << "inside the line the ring is white";

    SetFocus(edit);
    EXPECT_TRUE(record().edits[0].focused);
    SendMessageA(edit, WM_NCPAINT, 1, 0);
    EXPECT_TRUE(accentLike(windowPixel(edit, 0, 12)));
    EXPECT_EQ(windowPixel(edit, 1, 12), RGB(255, 255, 255)) << "focus draws a one-pixel line";

    SendMessageA(edit, WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
    EXPECT_TRUE(accentLike(windowPixel(edit, 0, 12)));
    EXPECT_TRUE(accentLike(windowPixel(edit, 1, 12))) << "hover draws a two-pixel line";
    EXPECT_EQ(record().hotControlKind, 1);
    EXPECT_EQ(record().hotEditParent, window);

    SendMessageA(edit, WM_MOUSELEAVE, 0, 0);
    EXPECT_EQ(record().lastHotControl, 0);
    EXPECT_EQ(windowPixel(edit, 1, 12), RGB(255, 255, 255));

    SetFocus(window);
    pump();
    EXPECT_FALSE(record().edits[0].focused);
    EXPECT_TRUE(grey(windowPixel(edit, 0, 12))) << "losing focus repaints at once";
}

// The system repaints an edit under the mouse all the time (typing, the caret, a
// redraw of the window); the hot frame is painted once when the mouse arrives and must
// survive those paints until the mouse leaves.
TEST_F(EditBoxes, HotFrameIsPaintedOnceOnArrivalAndOutlivesTheSystemsPaints) {
    HWND edit = child("Edit", 0, 10, 40, 120, 24, WS_EX_CLIENTEDGE);
    skin();
    const COLORREF mark = RGB(255, 0, 255);
    SendMessageA(edit, WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
    ASSERT_TRUE(accentLike(windowPixel(edit, 1, 12))) << "the mouse arriving paints the two-pixel line";

    HDC dc = GetWindowDC(edit);
    SetPixel(dc, 1, 12, mark);
    ReleaseDC(edit, dc);
    SendMessageA(edit, WM_MOUSEMOVE, 0, MAKELPARAM(40, 8));
    EXPECT_EQ(windowPixel(edit, 1, 12), mark) << "moving within the edit repaints nothing";

    RedrawWindow(edit, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_UPDATENOW);
    EXPECT_TRUE(accentLike(windowPixel(edit, 1, 12))) << "a repaint of the whole edit keeps the hot line";
    SendMessageA(edit, WM_CHAR, 'a', 0);
    UpdateWindow(edit);
    EXPECT_TRUE(accentLike(windowPixel(edit, 1, 12))) << "typing keeps the hot line";

    SendMessageA(edit, WM_MOUSELEAVE, 0, 0);
    EXPECT_EQ(windowPixel(edit, 1, 12), RGB(255, 255, 255)) << "leaving paints the plain ring";
    RedrawWindow(edit, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_UPDATENOW);
    EXPECT_EQ(windowPixel(edit, 1, 12), RGB(255, 255, 255)) << "and later paints keep it plain";
}

TEST_F(EditBoxes, TransparentEditShowsTheWindowBehindItsText) {
    engine.settings.transparentControls = true;
    engine.settings.veilAlpha = 0;
    HWND edit = child("Edit", 0, 10, 40, 160, 24, WS_EX_CLIENTEDGE, nullptr, "ab");
    HWND plain = nullptr;
    skin();
    EXPECT_EQ(windowPixel(edit, 150, 12), baseColor) << "with no veil the base colour shows unchanged";

    engine.settings.veilAlpha = 160;
    RedrawWindow(edit, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_UPDATENOW);
    const COLORREF veiled = windowPixel(edit, 150, 12);
    EXPECT_GT(GetRValue(veiled), 120);
    EXPECT_GT(GetBValue(veiled), GetRValue(veiled) + 20) << "the blue shows through the white veil";

    engine.settings.transparentControls = false;
    plain = child("Edit", 0, 10, 80, 160, 24, WS_EX_CLIENTEDGE);
    InstallEditsAndComboBoxes(engine, windowIndex, window);
    RedrawWindow(plain, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_UPDATENOW);
    EXPECT_EQ(windowPixel(plain, 150, 12), RGB(255, 255, 255)) << "switched off, the edit keeps the system's white";
}

// Pixels of the edit's client area.
std::vector<COLORREF> clientPixels(HWND edit) {
    RECT client;
    GetClientRect(edit, &client);
    std::vector<COLORREF> pixels;
    HDC dc = GetDC(edit);
    for (int y = 0; y < client.bottom; y += 2)
        for (int x = 0; x < client.right; x += 2) pixels.push_back(GetPixel(dc, x, y));
    ReleaseDC(edit, dc);
    return pixels;
}

int differing(const std::vector<COLORREF>& a, const std::vector<COLORREF>& b) {
    int count = 0;
    for (std::size_t i = 0; i < a.size() && i < b.size(); ++i) count += a[i] != b[i];
    return count;
}

void settle(HWND edit) {
    pump();
    UpdateWindow(edit);
    pump();
}

TEST_F(EditBoxes, TypingSelectingAndScrollingLeaveNoStaleBackground) {
    engine.settings.transparentControls = true;
    HWND line = child("Edit", ES_AUTOHSCROLL, 10, 40, 200, 24, WS_EX_CLIENTEDGE);
    HWND body = child("Edit", ES_MULTILINE | ES_AUTOVSCROLL | WS_VSCROLL, 10, 80, 220, 90, WS_EX_CLIENTEDGE);
    skin();
    settle(line);
    settle(body);
    const std::vector<COLORREF> emptyLine = clientPixels(line), emptyBody = clientPixels(body);

    SetFocus(line);
    for (char c : std::string("memo text typed here")) SendMessageA(line, WM_CHAR, static_cast<WPARAM>(c), 0);
    settle(line);
    EXPECT_GT(differing(clientPixels(line), emptyLine), 0) << "the text shows";
    SendMessageA(line, EM_SETSEL, 0, -1);
    settle(line);
    SendMessageA(line, WM_CHAR, VK_BACK, 0);
    settle(line);
    EXPECT_EQ(differing(clientPixels(line), emptyLine), 0) << "emptied, the line is as clean as before";

    std::string many;
    for (int i = 0; i < 30; ++i) many += "line " + std::to_string(i) + "\r\n";
    SetWindowTextA(body, many.c_str());
    settle(body);
    for (int i = 0; i < 30; ++i) SendMessageA(body, WM_VSCROLL, SB_LINEDOWN, 0);
    settle(body);
    SendMessageA(body, EM_SETSEL, 0, -1);
    SendMessageA(body, WM_CHAR, VK_BACK, 0);
    settle(body);
    EXPECT_EQ(differing(clientPixels(body), emptyBody), 0) << "scrolled and emptied, the body is clean";
}

TEST_F(EditBoxes, ScrollBarRegionCoversBothBarsAndTheSizeBox) {
    HWND both = child("Edit", ES_MULTILINE | WS_VSCROLL | WS_HSCROLL, 10, 40, 200, 120, WS_EX_CLIENTEDGE);
    HWND none = child("Edit", 0, 10, 180, 200, 24, WS_EX_CLIENTEDGE);
    skin();
    EXPECT_EQ(ScrollBarRegion(none), nullptr);
    HRGN region = ScrollBarRegion(both);
    ASSERT_NE(region, nullptr);
    RECT area;
    GetWindowRect(both, &area);
    EXPECT_TRUE(PtInRegion(region, area.right - 5, area.top + 30)) << "vertical bar";
    EXPECT_TRUE(PtInRegion(region, area.left + 30, area.bottom - 5)) << "horizontal bar";
    EXPECT_TRUE(PtInRegion(region, area.right - 5, area.bottom - 5)) << "size box";
    EXPECT_FALSE(PtInRegion(region, area.left + 30, area.top + 30)) << "not the text";
    DeleteObject(region);
}

}  // namespace
