// Skinned check boxes and radio buttons in a real skinned window: which buttons the
// installer takes and which it leaves, the entry and properties, the procedure kept, what
// a destroyed one leaves, and the marks read back from the control itself.
#include <gtest/gtest.h>

#include <algorithm>

#include "skin/controls/button_procedure.h"
#include "skin/controls/control_subclass.h"
#include "skin/controls/check_button.h"
#include "skin/controls/control_installers.h"
#include "tests/support/skinned_controls.h"

using namespace skin;

namespace {

class CheckButtons : public ::testing::Test, public SkinnedControls {};

TEST_F(CheckButtons, TakesCheckBoxesAndAutomaticRadioButtonsOnly) {
    struct Case {
        DWORD style;
        int kind;  // 0: left alone, or left to the push-button installer
    } cases[] = {
        {BS_CHECKBOX, CheckBox},       {BS_AUTOCHECKBOX, CheckBox}, {BS_PUSHBOX, CheckBox},
        {BS_AUTORADIOBUTTON, RadioButton}, {BS_RADIOBUTTON, 0},    {BS_3STATE, 0},
        {BS_AUTO3STATE, 0},            {BS_GROUPBOX, 0},            {BS_OWNERDRAW, 0},
        {BS_PUSHBUTTON, PushButton},
    };
    std::vector<HWND> buttons;
    std::vector<DWORD> styles;
    for (const Case& c : cases) {
        buttons.push_back(add("BUTTON", "选", c.style));
        styles.push_back(GetWindowLongA(buttons.back(), GWL_STYLE));
    }
    skin();

    for (size_t i = 0; i < buttons.size(); ++i) {
        SCOPED_TRACE(cases[i].style);
        const int entry = entryIndexOf(record().buttons, buttons[i]);
        EXPECT_EQ(entry != 0, cases[i].kind != 0 || cases[i].style == BS_PUSHBUTTON);
        if (!entry) {
            EXPECT_TRUE(propertyNames(buttons[i]).empty());
            continue;
        }
        EXPECT_EQ(record().buttons[entry - 1].kind, cases[i].kind);
        if (cases[i].kind != PushButton) {
            EXPECT_EQ(static_cast<DWORD>(GetWindowLongA(buttons[i], GWL_STYLE)), styles[i]);
        }
    }
}

TEST_F(CheckButtons, EntryHoldsTheStateTheContainerAndTheProcedureItReplaced) {
    HWND box = add("BUTTON", "每天", BS_AUTOCHECKBOX);
    HWND radio = add("BUTTON", "一次", BS_AUTORADIOBUTTON, 10, 80);
    SendMessageA(box, BM_SETCHECK, BST_CHECKED, 0);
    const LONG_PTR systemProc = procedureOf(box);
    skin();

    ASSERT_EQ(record().buttons.size(), 2u);
    const ButtonRecord& boxEntry = record().buttons[0];
    EXPECT_EQ(boxEntry.hwnd, box);
    EXPECT_EQ(boxEntry.kind, CheckBox);
    EXPECT_TRUE(boxEntry.checked);
    EXPECT_EQ(boxEntry.container, window);
    EXPECT_EQ(boxEntry.caption, "每天");
    EXPECT_FALSE(boxEntry.fontName.empty());
    EXPECT_GT(boxEntry.fontSize, 0);
    EXPECT_EQ(reinterpret_cast<LONG_PTR>(boxEntry.previousProc), systemProc);
    EXPECT_EQ(procedureOf(box), reinterpret_cast<LONG_PTR>(&ButtonProcedure));
    EXPECT_EQ(intProperty(box, prop::index), 1);
    EXPECT_EQ(intProperty(box, prop::ownerIndex), index);
    EXPECT_EQ(reinterpret_cast<LONG_PTR>(GetPropA(box, prop::previousProc)), systemProc);

    EXPECT_EQ(record().buttons[1].kind, RadioButton);
    EXPECT_FALSE(record().buttons[1].checked);
    EXPECT_EQ(intProperty(radio, prop::index), 2);

    InstallCheckAndRadioButtons(engine, index, window);
    EXPECT_EQ(record().buttons.size(), 2u);
    EXPECT_EQ(reinterpret_cast<LONG_PTR>(GetPropA(box, prop::previousProc)), systemProc);
}

TEST_F(CheckButtons, ControlSkinningOffLeavesThemAlone) {
    HWND box = add("BUTTON", "每天", BS_AUTOCHECKBOX);
    const LONG_PTR systemProc = procedureOf(box);
    engine.settings.controlSkinning = false;
    skin();
    EXPECT_TRUE(record().buttons.empty());
    EXPECT_EQ(procedureOf(box), systemProc);
}

TEST_F(CheckButtons, TheWholeWindowGoingLeavesNoEntryNoSnapshot) {
    HWND box = add("BUTTON", "每天", BS_AUTOCHECKBOX);
    skin();
    SendMessageA(box, BM_SETCHECK, BST_CHECKED, 0);
    SendMessageA(box, WM_MOUSEMOVE, 0, MAKELPARAM(3, 3));
    pump();
    DestroyWindow(window);
    EXPECT_EQ(engine.registry().size(), 0);
    EXPECT_EQ(engine.snapshots().size(), 0);
}

// Marks read back from the control's own DC, where the painters put them.
class CheckMarks : public CheckButtons {
protected:
    COLORREF at(HWND control, int x, int y) {
        HDC dc = GetDC(control);
        const COLORREF c = GetPixel(dc, x, y);
        ReleaseDC(control, dc);
        return c;
    }
};

TEST_F(CheckMarks, ACheckedBoxShowsItsTickAndFrameAtOnce) {
    // 21 high: the 13-pixel box starts 4 pixels down.
    HWND box = add("BUTTON", "", BS_AUTOCHECKBOX, 10, 40, 120, 21);
    skin();
    pump();
    const COLORREF frameBefore = at(box, 0, 4 + 6), tickBefore = at(box, 9, 4 + 3);
    EXPECT_EQ(tickBefore, RGB(0xF4, 0xF1, 0xEC)) << std::hex << tickBefore;  // the ramp, k = 10

    SendMessageA(box, BM_SETCHECK, BST_CHECKED, 0);  // repaints at once, nothing pumped
    EXPECT_EQ(at(box, 9, 4 + 3), RGB(36, 110, 117));
    EXPECT_EQ(at(box, 5, 4 + 9), RGB(36, 110, 117));
    EXPECT_EQ(at(box, 0, 4 + 6), RGB(24, 81, 132));
    EXPECT_NE(frameBefore, RGB(24, 81, 132));

    SendMessageA(box, BM_SETCHECK, BST_UNCHECKED, 0);
    EXPECT_EQ(at(box, 9, 4 + 3), tickBefore);
}

TEST_F(CheckMarks, HoverWashesTheBoxAndTheDiscInTheAccent) {
    HWND box = add("BUTTON", "", BS_AUTOCHECKBOX, 10, 40, 120, 21);
    HWND radio = add("BUTTON", "", BS_AUTORADIOBUTTON, 10, 80, 120, 21);
    skin();
    pump();
    const COLORREF boxPlain = at(box, 4, 4 + 4), discPlain = at(radio, 6, 10);

    SendMessageA(box, WM_MOUSEMOVE, 0, MAKELPARAM(3, 3));
    EXPECT_GT(redness(at(box, 4, 4 + 4)), redness(boxPlain) + 20) << std::hex << at(box, 4, 8);
    SendMessageA(box, WM_MOUSELEAVE, 0, 0);
    EXPECT_EQ(at(box, 4, 4 + 4), boxPlain);

    SendMessageA(radio, WM_MOUSEMOVE, 0, MAKELPARAM(3, 3));
    EXPECT_GT(redness(at(radio, 6, 10)), redness(discPlain) + 20) << std::hex << at(radio, 6, 10);
}

TEST_F(CheckMarks, ACheckedRadioButtonShowsItsDot) {
    HWND radio = add("BUTTON", "", BS_AUTORADIOBUTTON, 10, 40, 120, 20);
    skin();
    pump();
    // Dot box (5, 7, 6, 6): its rim is teal, the disc around it white.
    const COLORREF before = at(radio, 8, 9);
    SendMessageA(radio, BM_SETCHECK, BST_CHECKED, 0);
    const COLORREF dotRim = at(radio, 6, 10);
    EXPECT_LT(GetRValue(dotRim), 90) << std::hex << dotRim;
    EXPECT_GT(GetGValue(dotRim), GetRValue(dotRim) + 30) << std::hex << dotRim;
    EXPECT_NE(at(radio, 8, 9), before);
}

TEST_F(CheckMarks, TheCaptionStandsRightOfTheMarkInTheTextColour) {
    HWND box = add("BUTTON", "国国", BS_AUTOCHECKBOX, 10, 40, 120, 21);
    setIntProperty(box, prop::textColor, RGB(0, 0, 255));
    skin();
    InvalidateRect(box, nullptr, TRUE);
    UpdateWindow(box);
    int blueLeft = 0, blueRight = 0;
    for (int y = 0; y < 21; ++y)
        for (int x = 0; x < 60; ++x) {
            const COLORREF c = at(box, x, y);
            if (GetBValue(c) > 200 && GetRValue(c) < 80) ++(x < 17 ? blueLeft : blueRight);
        }
    EXPECT_EQ(blueLeft, 0);
    EXPECT_GT(blueRight, 20);
}

}  // namespace
