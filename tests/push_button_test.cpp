// Skinned push buttons in a real skinned window: which children the installer takes,
// the entry and properties it leaves, the procedure it replaces and keeps, what a
// destroyed button leaves behind, the faces read back pixel by pixel, and the clicks a
// double click gives.
#include <gtest/gtest.h>

#include <algorithm>

#include "skin/controls/button_faces.h"
#include "skin/controls/button_procedure.h"
#include "skin/controls/control_subclass.h"
#include "skin/controls/control_installers.h"
#include "skin/engine/memory_surface.h"
#include "tests/support/skinned_controls.h"

using namespace skin;

namespace {

LONG_PTR buttonProcedure() { return reinterpret_cast<LONG_PTR>(&ButtonProcedure); }

class PushButtons : public ::testing::Test, public SkinnedControls {};

TEST_F(PushButtons, TakesPlainPushButtonsAndLeavesEveryOtherKind) {
    struct Case {
        DWORD style;
        bool taken;
    } cases[] = {
        {BS_PUSHBUTTON, true},   {BS_DEFPUSHBUTTON, true},   {BS_USERBUTTON, true},
        {BS_CHECKBOX, false},    {BS_AUTOCHECKBOX, false},   {BS_RADIOBUTTON, false},
        {BS_AUTORADIOBUTTON, false}, {BS_GROUPBOX, false},   {BS_OWNERDRAW, false},
        {BS_AUTO3STATE, false},
    };
    std::vector<HWND> buttons;
    for (const Case& c : cases) buttons.push_back(add("BUTTON", "钮", c.style));
    HWND label = add("STATIC", "标签", 0);
    const LONG_PTR staticProc = procedureOf(label);
    skin();

    for (size_t i = 0; i < buttons.size(); ++i) {
        SCOPED_TRACE(cases[i].style);
        const int entry = entryIndexOf(record().buttons, buttons[i]);
        const bool pushEntry = entry && record().buttons[entry - 1].kind == PushButton;
        EXPECT_EQ(pushEntry, cases[i].taken);
        if (cases[i].taken) {
            EXPECT_EQ(GetWindowLongA(buttons[i], GWL_STYLE) & 0x0F, BS_OWNERDRAW);
        }
    }
    EXPECT_EQ(procedureOf(label), staticProc);
    EXPECT_EQ(GetPropA(label, prop::ownerIndex), nullptr);
}

TEST_F(PushButtons, EntryAndPropertiesNameTheButtonAndTheProcedureItReplaced) {
    add("BUTTON", "取消", BS_PUSHBUTTON);
    HWND button = add("BUTTON", "确定", BS_PUSHBUTTON);
    HFONT font = CreateFontA(-14, 0, 0, 0, FW_BOLD, 0, 0, 0, GB2312_CHARSET, 0, 0, 0, 0, "宋体");
    SendMessageA(button, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    const LONG_PTR systemProc = procedureOf(button);
    skin();

    ASSERT_EQ(record().buttons.size(), 2u);
    const ButtonRecord& entry = record().buttons[1];
    EXPECT_EQ(entry.hwnd, button);
    EXPECT_EQ(entry.kind, PushButton);
    EXPECT_EQ(entry.caption, "确定");
    EXPECT_FALSE(entry.fontName.empty());
    EXPECT_EQ(entry.fontSize, 14);
    EXPECT_EQ(entry.fontStyle & 1, 1);  // bold
    EXPECT_EQ(reinterpret_cast<LONG_PTR>(entry.previousProc), systemProc);
    EXPECT_EQ(procedureOf(button), buttonProcedure());
    EXPECT_EQ(intProperty(button, prop::index), 2);
    EXPECT_EQ(intProperty(button, prop::ownerIndex), index);
    EXPECT_EQ(reinterpret_cast<LONG_PTR>(GetPropA(button, prop::previousProc)), systemProc);

    SetWindowTextA(button, "好");
    EXPECT_EQ(record().buttons[1].caption, "好");
    DestroyWindow(button);
    DeleteObject(font);
}

TEST_F(PushButtons, InstallingAgainTakesNothingAndKeepsTheFirstProcedure) {
    HWND button = add("BUTTON", "确定", BS_PUSHBUTTON);
    const LONG_PTR systemProc = procedureOf(button);
    skin();
    InstallPushButtons(engine, index, window);
    InstallCheckAndRadioButtons(engine, index, window);

    ASSERT_EQ(record().buttons.size(), 1u);
    EXPECT_EQ(reinterpret_cast<LONG_PTR>(record().buttons[0].previousProc), systemProc);
    EXPECT_EQ(reinterpret_cast<LONG_PTR>(GetPropA(button, prop::previousProc)), systemProc);
}

TEST_F(PushButtons, ControlSkinningOffLeavesEveryButtonAlone) {
    HWND button = add("BUTTON", "确定", BS_PUSHBUTTON);
    const LONG_PTR systemProc = procedureOf(button);
    engine.settings.controlSkinning = false;
    skin();

    EXPECT_TRUE(record().buttons.empty());
    EXPECT_EQ(procedureOf(button), systemProc);
    EXPECT_EQ(GetWindowLongA(button, GWL_STYLE) & 0x0F, BS_PUSHBUTTON);
    EXPECT_TRUE(propertyNames(button).empty());
}

// Sits between the button and the system's procedure: at WM_NCDESTROY, which the skin
// passes on last, it sees what the skin left on the button.
WNDPROC systemButtonProc = nullptr;
std::vector<std::string> namesAtEnd;
LONG_PTR procedureAtEnd = 0;

LRESULT CALLBACK innerProc(HWND button, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCDESTROY) {
        namesAtEnd = propertyNames(button);
        procedureAtEnd = procedureOf(button);
    }
    return CallWindowProcA(systemButtonProc, button, message, wParam, lParam);
}

TEST_F(PushButtons, ADestroyedButtonLeavesNoPropertyNoEntryAndNoSnapshot) {
    HWND button = add("BUTTON", "确定", BS_PUSHBUTTON);
    systemButtonProc =
        reinterpret_cast<WNDPROC>(SetWindowLongPtrA(button, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(innerProc)));
    namesAtEnd = {"not reached"};
    skin();
    SendMessageA(button, WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
    SendMessageA(button, WM_MOUSELEAVE, 0, 0);
    pump();
    EXPECT_EQ(engine.snapshots().size(), 0);

    DestroyWindow(button);
    EXPECT_TRUE(namesAtEnd.empty()) << namesAtEnd.front();
    EXPECT_EQ(procedureAtEnd, reinterpret_cast<LONG_PTR>(innerProc));
    EXPECT_EQ(record().buttons[0].hwnd, nullptr);

    // A new button, which may well get the same handle, is installed anew.
    HWND next = add("BUTTON", "再来", BS_PUSHBUTTON);
    InstallPushButtons(engine, index, window);
    EXPECT_EQ(entryIndexOf(record().buttons, next), 1);
    EXPECT_EQ(procedureOf(next), buttonProcedure());
}

TEST_F(PushButtons, ADoubleClickSendsOneCommand) {
    HWND button = add("BUTTON", "确定", BS_PUSHBUTTON);
    skin();
    const LPARAM inside = MAKELPARAM(10, 10);
    SendMessageA(button, WM_LBUTTONDOWN, MK_LBUTTON, inside);
    SendMessageA(button, WM_LBUTTONUP, 0, inside);
    SendMessageA(button, WM_LBUTTONDBLCLK, MK_LBUTTON, inside);
    SendMessageA(button, WM_LBUTTONUP, 0, inside);
    pump();

    ASSERT_EQ(commandsSeen().size(), 1u);
    EXPECT_EQ(commandsSeen()[0].code, BN_CLICKED);
    EXPECT_EQ(commandsSeen()[0].id, GetDlgCtrlID(button));
}

COLORREF clientPixel(HWND control, int x, int y) {
    HDC dc = GetDC(control);
    const COLORREF color = GetPixel(dc, x, y);
    ReleaseDC(control, dc);
    return color;
}

// A mark the skin never paints: where it stays, nothing was repainted.
void markPixel(HWND control, int x, int y) {
    HDC dc = GetDC(control);
    SetPixel(dc, x, y, RGB(255, 0, 255));
    ReleaseDC(control, dc);
}

TEST_F(PushButtons, TheHoverLookIsPaintedOnceOnArrivalAndAgainAfterLeaving) {
    HWND button = add("BUTTON", "确定", BS_PUSHBUTTON);
    skin();
    const int edgeY = 13;
    const LPARAM inside = MAKELPARAM(10, 10);
    EXPECT_NE(clientPixel(button, 0, edgeY), accent) << "not hot before the mouse comes";

    SendMessageA(button, WM_MOUSEMOVE, 0, inside);
    EXPECT_EQ(clientPixel(button, 0, edgeY), accent) << "the mouse arriving paints the hover edge";
    markPixel(button, 0, edgeY);
    SendMessageA(button, WM_MOUSEMOVE, 0, MAKELPARAM(30, 12));
    EXPECT_EQ(clientPixel(button, 0, edgeY), RGB(255, 0, 255)) << "moving within the button repaints nothing";

    SendMessageA(button, WM_MOUSELEAVE, 0, 0);
    const COLORREF left = clientPixel(button, 0, edgeY);
    EXPECT_NE(left, accent) << "leaving repaints the plain look";
    EXPECT_NE(left, RGB(255, 0, 255));
    SendMessageA(button, WM_MOUSEMOVE, 0, inside);
    EXPECT_EQ(clientPixel(button, 0, edgeY), accent) << "coming back is an arrival again";
}

// The face of a 90 x 26 button painted into a memory surface of our own.
class PushButtonFaces : public PushButtons {
protected:
    void SetUp() override {
        button = add("BUTTON", "", BS_PUSHBUTTON, 10, 40, width, height);
        skin();
    }
    MemorySurface paint(UINT state) {
        MemorySurface surface = createMemorySurface(width, height);
        PaintPushButtonFace(engine, button, surface.dc, state, RECT{0, 0, width, height});
        surfaces.push_back(surface);
        return surface;
    }
    void TearDown() override {
        for (const MemorySurface& surface : surfaces) releaseMemorySurface(surface);
        EXPECT_EQ(engine.snapshots().size(), 0);
    }
    static constexpr int width = 90, height = 26;
    HWND button = nullptr;
    std::vector<MemorySurface> surfaces;
};


TEST_F(PushButtonFaces, HoverAndFocusTurnTheEdgeToTheirColours) {
    const COLORREF normal = GetPixel(paint(0).dc, 0, height / 2);
    const COLORREF hover = GetPixel(paint(stateHover).dc, 0, height / 2);
    const COLORREF focus = GetPixel(paint(stateFocus).dc, 0, height / 2);
    const COLORREF hoverOverFocus = GetPixel(paint(stateHover | stateFocus).dc, 0, height / 2);

    EXPECT_LT(redness(normal), 10) << std::hex << normal;
    EXPECT_EQ(hover, accent) << std::hex << hover;  // the accent, opaque
    EXPECT_EQ(hoverOverFocus, accent) << std::hex << hoverOverFocus;
    // The glow is cyan, whatever the accent is, and brighter than the plain edge.
    EXPECT_GT(GetBValue(focus), GetRValue(focus) + 40) << std::hex << focus;
    EXPECT_GT(GetGValue(focus), GetGValue(normal)) << std::hex << focus;
    // The plate inside stays the same under the mouse but for its accent wash.
    EXPECT_GT(redness(GetPixel(surfaces[1].dc, 5, height / 2)), redness(GetPixel(surfaces[0].dc, 5, height / 2)));
}

TEST_F(PushButtonFaces, APressedButtonIsInsetByTwoPixels) {
    const MemorySurface up = paint(0), down = paint(stateSelected);
    // Within two pixels of the edge nothing changes; inside, the accent comes in.
    for (int x : {0, 1}) EXPECT_EQ(GetPixel(up.dc, x, height / 2), GetPixel(down.dc, x, height / 2)) << x;
    for (int y : {0, 1}) EXPECT_EQ(GetPixel(up.dc, width / 2, y), GetPixel(down.dc, width / 2, y)) << y;
    EXPECT_GT(redness(GetPixel(down.dc, 4, 4)), redness(GetPixel(up.dc, 4, 4)) + 10);
    EXPECT_NE(GetPixel(up.dc, 4, height - 5), GetPixel(down.dc, 4, height - 5));
}

TEST_F(PushButtonFaces, ADisabledButtonIsGreyWhateverTheBackground) {
    const COLORREF middle = GetPixel(paint(stateDisabled).dc, 6, height / 2);
    EXPECT_NEAR(GetRValue(middle), 0xB8, 16) << std::hex << middle;
    EXPECT_NEAR(GetGValue(middle), GetRValue(middle), 6);
    EXPECT_NEAR(GetBValue(middle), GetRValue(middle), 6);
    // The plain face shows the dark background through.
    EXPECT_LT(GetRValue(GetPixel(paint(0).dc, 6, height / 2)), 0x90);
}

TEST_F(PushButtonFaces, TheCaptionIsDrawnInTheTextColourInTheMiddle) {
    SetWindowTextA(button, "国国国");
    setIntProperty(button, prop::textColor, RGB(0, 0, 255));
    const MemorySurface face = paint(0);
    auto blueInRow = [&](int y, int from, int to) {
        int count = 0;
        for (int x = from; x < to; ++x) {
            const COLORREF c = GetPixel(face.dc, x, y);
            if (GetBValue(c) > 200 && GetRValue(c) < 80) ++count;
        }
        return count;
    };
    int middle = 0;
    for (int y = 6; y < height - 4; ++y) middle += blueInRow(y, 20, width - 20);
    EXPECT_GT(middle, 20);
    EXPECT_EQ(blueInRow(height / 2, 0, 12), 0);
}

}  // namespace
