// Push buttons, check boxes and radio buttons in every look they have.
#include "examples/control_gallery/gallery_page.h"

namespace gallery {

namespace {

enum ButtonIds : int {
    normalButton = 1001,
    hoverButton,
    focusButton,
    pressedButton,
    disabledButton,
    defaultButton,
    plainCheck,
    checkedCheck,
    hoverCheck,
    disabledCheck,
    plainRadio,
    checkedRadio,
    hoverRadio,
};

void createButtons(HWND window, const RECT& area) {
    const int x = area.left, y = area.top;
    AddControl(window, "BUTTON", "普通", BS_PUSHBUTTON, x, y, 90, 28, normalButton);
    AddControl(window, "BUTTON", "悬停", BS_PUSHBUTTON, x + 100, y, 90, 28, hoverButton);
    AddControl(window, "BUTTON", "焦点", BS_PUSHBUTTON | WS_TABSTOP, x + 200, y, 90, 28, focusButton);
    AddControl(window, "BUTTON", "按下", BS_PUSHBUTTON, x, y + 38, 90, 28, pressedButton);
    AddControl(window, "BUTTON", "禁用", BS_PUSHBUTTON | WS_DISABLED, x + 100, y + 38, 90, 28, disabledButton);
    AddControl(window, "BUTTON", "默认", BS_DEFPUSHBUTTON, x + 200, y + 38, 90, 28, defaultButton);

    AddControl(window, "BUTTON", "复选框", BS_AUTOCHECKBOX, x, y + 86, 140, 20, plainCheck);
    HWND checked = AddControl(window, "BUTTON", "已选中", BS_AUTOCHECKBOX, x + 150, y + 86, 140, 20, checkedCheck);
    SendMessageA(checked, BM_SETCHECK, BST_CHECKED, 0);
    AddControl(window, "BUTTON", "悬停复选框", BS_AUTOCHECKBOX, x, y + 114, 140, 20, hoverCheck);
    AddControl(window, "BUTTON", "禁用复选框", BS_AUTOCHECKBOX | WS_DISABLED, x + 150, y + 114, 140, 20,
               disabledCheck);

    AddControl(window, "BUTTON", "单选按钮", BS_AUTORADIOBUTTON | WS_GROUP, x, y + 152, 140, 20, plainRadio);
    HWND radio = AddControl(window, "BUTTON", "已选单选", BS_AUTORADIOBUTTON, x + 150, y + 152, 140, 20, checkedRadio);
    SendMessageA(radio, BM_SETCHECK, BST_CHECKED, 0);
    AddControl(window, "BUTTON", "悬停单选", BS_AUTORADIOBUTTON, x, y + 180, 140, 20, hoverRadio);
}

}  // namespace

GalleryPage ButtonsPage() {
    GalleryPage page;
    page.create = createButtons;
    page.states = {
        {"button-hover", [](HWND window) { MoveCursorOver(window, hoverButton); }},
        {"button-focus", [](HWND window) { SetFocus(GetDlgItem(window, focusButton)); }},
        {"button-pressed", [](HWND window) { SendMessageA(GetDlgItem(window, pressedButton), BM_SETSTATE, TRUE, 0); }},
        {"check-hover", [](HWND window) { MoveCursorOver(window, hoverCheck); }},
        {"radio-hover", [](HWND window) { MoveCursorOver(window, hoverRadio); }},
    };
    return page;
}

}  // namespace gallery
