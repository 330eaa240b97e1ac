// Skinned combo boxes in a real skinned window: which combo boxes and edits the
// installer takes, the selected item shown at once, the painted box read back in pixels
// (outline, drop-down button of each style, hover and focus in the accent colour, the
// child edit punched out with its own text), and nothing left behind at the end.
#include <gtest/gtest.h>

#include "skin/controls/combo_box.h"
#include "skin/controls/control_installers.h"
#include "tests/support/skinned_controls_host.h"

using namespace skin;
using namespace controls_test;

namespace {

class ComboBoxes : public SkinnedHost {
protected:
    HWND combo(DWORD style, int y) {
        HWND box = child("ComboBox", style | WS_VSCROLL, 10, y, 160, 200);
        for (const char* item : {"每天", "每周", "每月"}) SendMessageA(box, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item));
        return box;
    }
};

TEST(ComboGeometry, DropDownButtonWidthFollowsTheStyle) {
    struct Case {
        LONG style;
        RECT button;
    } cases[] = {
        {CBS_DROPDOWNLIST, {141, 2, 158, 22}},
        {CBS_DROPDOWN, {140, 2, 158, 22}},
    };
    for (const Case& c : cases) {
        const RECT button = comboButtonRect(160, 24, c.style);
        EXPECT_EQ(button.left, c.button.left);
        EXPECT_EQ(button.top, c.button.top);
        EXPECT_EQ(button.right, c.button.right);
        EXPECT_EQ(button.bottom, c.button.bottom);
    }
}

TEST_F(ComboBoxes, InstallerTakesComboBoxesOnceWithTheirEditWhenTransparent) {
    engine.settings.transparentControls = true;
    HWND list = combo(CBS_DROPDOWNLIST, 20);
    HWND drop = combo(CBS_DROPDOWN, 60);
    SendMessageA(list, CB_SETCURSEL, 1, 0);
    const LONG_PTR ownProcedure = GetWindowLongPtrA(list, GWLP_WNDPROC);
    skin();

    ASSERT_EQ(record().combos.size(), 2u);
    const HWND boxes[] = {list, drop};
    for (int i = 0; i < 2; ++i) {
        const ComboEntry& entry = record().combos[i];
        EXPECT_EQ(entry.hwnd, boxes[i]);
        EXPECT_EQ(reinterpret_cast<LONG_PTR>(entry.previousProc), ownProcedure);
        EXPECT_NE(GetWindowLongPtrA(boxes[i], GWLP_WNDPROC), ownProcedure);
        EXPECT_EQ(intProperty(boxes[i], prop::index), i + 1);
        EXPECT_EQ(intProperty(boxes[i], prop::ownerIndex), windowIndex);
        EXPECT_EQ(GetPropA(boxes[i], prop::previousProc), reinterpret_cast<HANDLE>(entry.previousProc));
    }
    char text[32] = "";
    GetWindowTextA(list, text, sizeof text);
    EXPECT_STREQ(text, "每周") << "the selection shows from the start";

    HWND edit = FindWindowExA(drop, nullptr, "Edit", nullptr);
    ASSERT_EQ(record().edits.size(), 1u) << "the drop-down's edit is skinned as an edit";
    EXPECT_EQ(record().edits[0].hwnd, edit);

    InstallEditsAndComboBoxes(engine, windowIndex, window);
    EXPECT_EQ(record().combos.size(), 2u);
    EXPECT_EQ(record().edits.size(), 1u);
}

TEST_F(ComboBoxes, OpaqueControlsLeaveTheComboEditAndSkinningOffLeavesAll) {
    combo(CBS_DROPDOWN, 60);
    skin();
    EXPECT_EQ(record().combos.size(), 1u);
    EXPECT_TRUE(record().edits.empty());

    engine.settings.controlSkinning = false;
    HWND later = combo(CBS_DROPDOWN, 100);
    InstallEditsAndComboBoxes(engine, windowIndex, window);
    EXPECT_EQ(record().combos.size(), 1u);
    EXPECT_TRUE(skinPropertiesOn(later).empty());
}

TEST_F(ComboBoxes, OutlineAndButtonTurnToTheAccentOnHoverAndFocus) {
    HWND list = combo(CBS_DROPDOWNLIST, 20);
    skin();
    RECT area;
    GetWindowRect(list, &area);
    const int h = area.bottom - area.top;
    PaintComboBox(engine, windowIndex, 1, false, false);
    EXPECT_TRUE(grey(windowPixel(list, 40, 0))) << "a dark outline";
    EXPECT_TRUE(grey(windowPixel(list, 141, h / 2))) << "the button's own outline";

    SendMessageA(list, WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
    EXPECT_TRUE(accentLike(windowPixel(list, 40, 0)));
    EXPECT_TRUE(accentLike(windowPixel(list, 141, h / 2)));
    EXPECT_EQ(record().hotControlKind, 3);
    SendMessageA(list, WM_MOUSELEAVE, 0, 0);
    EXPECT_TRUE(grey(windowPixel(list, 40, 0)));

    SetFocus(list);
    EXPECT_TRUE(record().combos[0].focused);
    EXPECT_TRUE(accentLike(windowPixel(list, 40, 0))) << "focus shows at once";
    EXPECT_TRUE(grey(windowPixel(list, 141, h / 2))) << "focus leaves the button";
    SetFocus(window);
    EXPECT_FALSE(record().combos[0].focused);
}

TEST_F(ComboBoxes, HotLookOutlivesTheSystemsPaintsUntilTheMouseLeaves) {
    HWND list = combo(CBS_DROPDOWNLIST, 20);
    skin();
    SendMessageA(list, WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
    ASSERT_TRUE(accentLike(windowPixel(list, 40, 0)));
    RedrawWindow(list, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_UPDATENOW);
    EXPECT_TRUE(accentLike(windowPixel(list, 40, 0))) << "a repaint keeps the hot outline";
    SendMessageA(list, WM_MOUSELEAVE, 0, 0);
    RedrawWindow(list, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_UPDATENOW);
    EXPECT_TRUE(grey(windowPixel(list, 40, 0))) << "after leaving, paints are plain";
}

TEST_F(ComboBoxes, DropDownListTextIsDrawnAndTheArrowSitsInTheButton) {
    HWND list = combo(CBS_DROPDOWNLIST, 20);
    SendMessageA(list, CB_SETCURSEL, 0, 0);
    skin();
    RECT area;
    GetWindowRect(list, &area);
    const int h = area.bottom - area.top;
    PaintComboBox(engine, windowIndex, 1, false);
    int dark = 0;
    for (int x = 2; x < 40; ++x)
        for (int y = 3; y < h - 3; ++y) dark += GetRValue(windowPixel(list, x, y)) < 100;
    EXPECT_GT(dark, 10) << "the selected text in black";
    int arrow = 0;
    for (int x = 142; x < 157; ++x)
        for (int y = 3; y < h - 3; ++y) arrow += GetRValue(windowPixel(list, x, y)) < 100;
    EXPECT_GE(arrow, 6) << "the arrow's near-black rows in the button";
    EXPECT_LE(arrow, 20);
}

TEST_F(ComboBoxes, ChildEditIsPunchedOutAndKeepsItsText) {
    HWND drop = combo(CBS_DROPDOWN, 20);
    skin();
    HWND edit = FindWindowExA(drop, nullptr, "Edit", nullptr);
    ASSERT_NE(edit, nullptr);
    SetWindowTextA(edit, "MMMMMMMM");
    UpdateWindow(edit);
    const RECT inEdit = ChildRectInParent(engine, edit);
    RECT client;
    GetClientRect(edit, &client);
    int textBefore = 0;
    HDC dc = GetDC(edit);
    for (int x = 0; x < client.right; ++x) textBefore += GetRValue(GetPixel(dc, x, client.bottom / 2)) < 100;
    ReleaseDC(edit, dc);
    ASSERT_GT(textBefore, 0);

    PaintComboBox(engine, windowIndex, 1, true);
    int textAfter = 0, key = 0;
    for (int x = inEdit.left; x < inEdit.right; ++x) {
        const COLORREF c = windowPixel(drop, x, (inEdit.top + inEdit.bottom) / 2);
        textAfter += GetRValue(c) < 100;
        key += c == RGB(255, 0, 255);
    }
    EXPECT_EQ(key, 0) << "the key colour never reaches the screen";
    EXPECT_EQ(textAfter, textBefore) << "the edit's text is left as the edit drew it";
    EXPECT_TRUE(accentLike(windowPixel(drop, 2, 0))) << "around it the box is painted";
}

TEST_F(ComboBoxes, SimpleComboBoxHasNoButton) {
    HWND simple = child("ComboBox", CBS_SIMPLE, 10, 20, 160, 120);
    skin();
    PaintComboBox(engine, windowIndex, 1, true);
    EXPECT_TRUE(accentLike(windowPixel(simple, 40, 0)));
    EXPECT_FALSE(accentLike(windowPixel(simple, 150, 10))) << "no drop-down button";
}

TEST_F(ComboBoxes, DestroyedComboLeavesNoPropertyOrBrush) {
    engine.settings.transparentControls = true;
    HWND drop = combo(CBS_DROPDOWN, 20);
    HWND list = combo(CBS_DROPDOWNLIST, 60);
    skin();
    HWND edit = FindWindowExA(drop, nullptr, "Edit", nullptr);
    InvalidateRect(edit, nullptr, TRUE);
    UpdateWindow(edit);
    const HGDIOBJ brush = GetPropA(edit, prop::colorBrush);
    ASSERT_NE(brush, nullptr) << "the combo box answers its edit's colour message";
    DestroyWindow(drop);
    EXPECT_EQ(GetObjectType(brush), 0u);
    ASSERT_EQ(record().edits.size(), 1u);
    EXPECT_EQ(record().edits[0].hwnd, nullptr) << "the combo's edit went with it";
    ASSERT_EQ(record().combos.size(), 2u);
    EXPECT_EQ(record().combos[0].hwnd, nullptr);
    EXPECT_EQ(record().combos[1].hwnd, list);
    EXPECT_EQ(intProperty(list, prop::index), 2);
}

}  // namespace
