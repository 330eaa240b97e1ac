// Skinned list-like controls in a real skinned window: which children the installer
// takes and leaves, what it keeps, the frame's geometry, the frame on the screen idle,
// under focus and under the mouse, and what a control leaves behind at its end.
#include <gtest/gtest.h>

#include "skin/controls/control_installers.h"
#include "skin/controls/frame_ring.h"
#include "skin/controls/list_like.h"
#include "support/control_host.h"

using namespace skin;
using namespace controltest;

namespace {

bool installed(HWND control) { return GetWindowLongPtrA(control, GWLP_WNDPROC) == reinterpret_cast<LONG_PTR>(&ListProc); }

TEST(ListInstaller, TakesEachListLikeKindAndLeavesTheOwnerDrawnViewsAndCombos) {
    Host host;
    host.engine.settings.transparentControls = true;
    HWND list = host.child("ListBox", WS_BORDER, 10, 10, 100, 80);
    HWND ownerDrawn = host.child("ListBox", LBS_OWNERDRAWFIXED, 120, 10, 100, 80);
    HWND combo = host.child("ComboBox", CBS_SIMPLE, 230, 10, 100, 100);
    HWND ownerCombo = host.child("ComboBox", CBS_SIMPLE | CBS_OWNERDRAWFIXED, 340, 10, 70, 100);
    HWND view = host.child(WC_LISTVIEWA, LVS_REPORT, 10, 120, 100, 80, WS_EX_CLIENTEDGE);
    HWND ownerView = host.child(WC_LISTVIEWA, LVS_REPORT | LVS_OWNERDRAWFIXED, 120, 120, 100, 80);
    HWND tree = host.child(WC_TREEVIEWA, 0, 230, 120, 100, 80, WS_EX_CLIENTEDGE);
    HWND address = host.child(WC_IPADDRESSA, 0, 10, 220, 150, 22);
    HWND date = host.child(DATETIMEPICK_CLASSA, 0, 170, 220, 120, 22);
    HWND comboList = FindWindowExA(combo, nullptr, "ComboLBox", nullptr);
    HWND ownerComboList = FindWindowExA(ownerCombo, nullptr, "ComboLBox", nullptr);
    ASSERT_NE(comboList, nullptr);
    ASSERT_NE(ownerComboList, nullptr);
    watch(list);
    const LONG_PTR own = GetWindowLongPtrA(list, GWLP_WNDPROC);
    host.skin();

    // In the order of the kinds.
    const HWND expected[] = {list, ownerDrawn, comboList, view, tree, address, date};
    const auto& lists = host.record().lists;
    ASSERT_EQ(lists.size(), std::size(expected));
    for (size_t i = 0; i < lists.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(lists[i].hwnd, expected[i]);
        EXPECT_TRUE(installed(expected[i]));
        EXPECT_EQ(intProperty(expected[i], prop::index), static_cast<int>(i + 1));
        EXPECT_EQ(intProperty(expected[i], prop::ownerIndex), host.windowIndex());
        EXPECT_EQ(reinterpret_cast<WNDPROC>(GetPropA(expected[i], prop::previousProc)), lists[i].previousProc);
        EXPECT_FALSE(lists[i].focused || lists[i].hovered || lists[i].arrowKeyDown);
    }
    for (HWND left : {combo, ownerCombo, ownerComboList, ownerView}) EXPECT_FALSE(installed(left));
    EXPECT_EQ(reinterpret_cast<LONG_PTR>(lists[0].previousProc), own);
    // Tree views paint on the key colour, so their background comes out see-through.
    EXPECT_EQ(static_cast<COLORREF>(SendMessageA(tree, TVM_GETBKCOLOR, 0, 0)), RGB(255, 0, 255));
    EXPECT_EQ(static_cast<COLORREF>(SendMessageA(view, LVM_GETTEXTBKCOLOR, 0, 0)), CLR_NONE);

    // Messages the skin does not answer reach the procedure it replaced.
    underneath().messages.clear();
    SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>("一"));
    EXPECT_TRUE(sawMessage(LB_ADDSTRING));
    EXPECT_EQ(SendMessageA(list, LB_GETCOUNT, 0, 0), 1);
    SendMessageA(list, WM_KEYDOWN, VK_DOWN, 0);
    EXPECT_TRUE(host.record().lists[0].arrowKeyDown);
    SendMessageA(list, WM_KEYUP, VK_DOWN, 0);
    EXPECT_FALSE(host.record().lists[0].arrowKeyDown);
}

TEST(ListInstaller, LeavesEveryListWhileControlSkinningIsOff) {
    Host host;
    HWND list = host.child("ListBox", WS_BORDER, 10, 10, 100, 80);
    HWND date = host.child(DATETIMEPICK_CLASSA, 0, 170, 220, 120, 22);
    host.engine.settings.controlSkinning = false;
    host.skin();
    EXPECT_TRUE(host.record().lists.empty());
    EXPECT_FALSE(installed(list));
    EXPECT_FALSE(installed(date));
}

// The ring itself is measured as an edit's is (edit_box_test).
TEST(ListGeometry, BordersNeedAnEdge) {
    EXPECT_TRUE(hasListBorder(WS_BORDER, 0));
    EXPECT_TRUE(hasListBorder(0, WS_EX_CLIENTEDGE));
    EXPECT_TRUE(hasListBorder(0, WS_EX_WINDOWEDGE));
    EXPECT_TRUE(hasListBorder(0, WS_EX_DLGMODALFRAME));
    EXPECT_FALSE(hasListBorder(WS_VSCROLL, WS_EX_TOPMOST));
}

class SkinnedLists : public ::testing::Test {
protected:
    Host host;
    HWND first = nullptr, second = nullptr, bare = nullptr;
    void SetUp() override {
        first = host.child("ListBox", WS_BORDER | WS_VSCROLL | LBS_DISABLENOSCROLL, 10, 10, 120, 90);
        second = host.child("ListBox", 0, 150, 10, 120, 90, WS_EX_CLIENTEDGE);
        bare = host.child("ListBox", 0, 290, 10, 100, 90);
        watch(first);
        host.engine.settings.accentColor = RGB(255, 0, 0);
        host.skin();
    }
    ListEntry& entry(int i) { return host.record().lists[i - 1]; }
};

TEST_F(SkinnedLists, TheFrameLineIsAccentUnderFocusAndThickerUnderTheMouse) {
    // The second list has a two-pixel client edge, so both pixels of a thick line show.
    SendMessageA(second, WM_NCPAINT, 1, 0);
    const COLORREF idle = windowPixel(second, 0, 45);
    EXPECT_FALSE(reddish(idle)) << std::hex << idle;
    EXPECT_LT(GetRValue(idle), 230);  // a dark line over the veil

    SetFocus(second);
    EXPECT_TRUE(entry(2).focused);
    EXPECT_TRUE(reddish(windowPixel(second, 0, 45)));
    EXPECT_FALSE(reddish(windowPixel(second, 1, 45)));  // one pixel wide

    SendMessageA(second, WM_MOUSEMOVE, 0, MAKELPARAM(20, 20));
    EXPECT_TRUE(entry(2).hovered);
    EXPECT_EQ(host.record().hotControlKind, 4);
    EXPECT_TRUE(reddish(windowPixel(second, 0, 45)));
    EXPECT_TRUE(reddish(windowPixel(second, 1, 45)));  // two pixels wide

    // Straight onto the next list: the first is idle again, the other hovered.
    SendMessageA(second, WM_MOUSELEAVE, 0, 0);
    SendMessageA(first, WM_MOUSEMOVE, 0, MAKELPARAM(20, 20));
    EXPECT_FALSE(entry(2).hovered);
    EXPECT_TRUE(entry(1).hovered);
    EXPECT_FALSE(reddish(windowPixel(second, 1, 45)));
    EXPECT_TRUE(reddish(windowPixel(second, 0, 45)));  // still focused
    EXPECT_TRUE(reddish(windowPixel(first, 0, 45)));
    EXPECT_TRUE(sawMessage(WM_MOUSEMOVE));  // passed on

    SetFocus(host.window);
    EXPECT_FALSE(entry(2).focused);
    EXPECT_FALSE(reddish(windowPixel(second, 0, 45)));
    EXPECT_EQ(host.engine.snapshots().size(), 0);
}

TEST_F(SkinnedLists, ScrollBarsAreLeftToTheSystemAndABorderlessListGetsNoLine) {
    const RECT inner = frameInnerRect(first);
    RECT client{};
    GetClientRect(first, &client);
    EXPECT_EQ(inner.right - inner.left, client.right + GetSystemMetrics(SM_CXVSCROLL));
    underneath().messages.clear();
    SendMessageA(first, WM_NCPAINT, 1, 0);
    EXPECT_FALSE(sawMessage(WM_NCPAINT));  // the previous procedure never paints the border

    const COLORREF before = windowPixel(bare, 0, 45);
    SendMessageA(bare, WM_MOUSEMOVE, 0, MAKELPARAM(20, 20));
    EXPECT_TRUE(entry(3).hovered);
    EXPECT_EQ(windowPixel(bare, 0, 45), before);
}

TEST_F(SkinnedLists, AtItsEndAListLeavesNoPropertyOrSnapshot) {
    SetFocus(first);
    SendMessageA(first, WM_MOUSEMOVE, 0, MAKELPARAM(20, 20));
    DestroyWindow(first);
    EXPECT_EQ(underneath().propertiesAtEnd, 0);
    EXPECT_EQ(entry(1).hwnd, nullptr);
    EXPECT_EQ(host.engine.snapshots().size(), 0);
    // The others are untouched.
    EXPECT_EQ(intProperty(second, prop::index), 2);
}

TEST(TransparentLists, ItemsArePaintedOverTheVeiledBackground) {
    Host host;
    host.engine.settings.transparentControls = true;
    HWND list = host.child("ListBox", WS_BORDER, 10, 10, 150, 100);
    HWND tree = host.child(WC_TREEVIEWA, 0, 180, 10, 150, 100, WS_EX_CLIENTEDGE);
    SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>("第一项"));
    host.skin();
    RedrawWindow(list, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    RedrawWindow(tree, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    // The empty part of the tree shows the veiled picture, never the key colour.
    HDC dc = GetDC(tree);
    const COLORREF treePixel = GetPixel(dc, 100, 80);
    ReleaseDC(tree, dc);
    EXPECT_NE(treePixel, RGB(255, 0, 255));
    EXPECT_EQ(host.engine.snapshots().size(), 0);
}

}  // namespace
