// Edit boxes and combo boxes in every look they have: plain, under the mouse, focused,
// disabled, a multi-line body with its scroll bar, and a combo box of each style.
#include <string>

#include "examples/control_gallery/gallery_page.h"

namespace gallery {

namespace {

enum EditIds : int {
    plainEdit = 2001,
    hoverEdit,
    focusEdit,
    disabledEdit,
    bodyEdit,
    simpleCombo,
    dropDownCombo,
    dropDownListCombo,
};

void fillCombo(HWND combo, int selected) {
    for (const char* item : {"每天", "每周", "每月", "每年"}) SendMessageA(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item));
    SendMessageA(combo, CB_SETCURSEL, static_cast<WPARAM>(selected), 0);
}

// Edits are made as the memo program makes them: with a client edge, which is the ring
// the skin paints. (Wine's edit draws a WS_BORDER line inside its own client area, which
// leaves the skin no ring to paint.)
HWND addEdit(HWND window, const char* text, DWORD style, int x, int y, int width, int height, int id) {
    return AddControl(window, "EDIT", text, style, x, y, width, height, id, WS_EX_CLIENTEDGE);
}

void createEdits(HWND window, const RECT& area) {
    const int x = area.left, y = area.top;
    addEdit(window, "普通编辑框", ES_AUTOHSCROLL, x, y, 150, 24, plainEdit);
    addEdit(window, "悬停编辑框", ES_AUTOHSCROLL, x + 160, y, 150, 24, hoverEdit);
    addEdit(window, "焦点编辑框", ES_AUTOHSCROLL | WS_TABSTOP, x, y + 34, 150, 24, focusEdit);
    addEdit(window, "禁用编辑框", ES_AUTOHSCROLL | WS_DISABLED, x + 160, y + 34, 150, 24, disabledEdit);
    std::string body;
    for (int line = 1; line <= 12; ++line) body += "第" + std::to_string(line) + "行 备忘内容\r\n";
    addEdit(window, body.c_str(), ES_MULTILINE | ES_AUTOVSCROLL | WS_VSCROLL, x, y + 68, 310, 90, bodyEdit);
    fillCombo(AddControl(window, "COMBOBOX", "", CBS_DROPDOWNLIST | WS_VSCROLL, x, y + 170, 150, 200, dropDownListCombo), 0);
    fillCombo(AddControl(window, "COMBOBOX", "", CBS_DROPDOWN | WS_VSCROLL, x + 160, y + 170, 150, 200, dropDownCombo), 1);
    fillCombo(AddControl(window, "COMBOBOX", "", CBS_SIMPLE, x, y + 206, 150, 90, simpleCombo), 2);
}

// An edit shows its focus ring from its next paint on (typing gives one at once).
void showFocusedEdit(HWND window) {
    HWND edit = GetDlgItem(window, focusEdit);
    SetFocus(edit);
    RedrawWindow(edit, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_UPDATENOW);
}

}  // namespace

GalleryPage EditsPage() {
    GalleryPage page;
    page.create = createEdits;
    page.states = {
        {"edit-hover", [](HWND window) { MoveCursorOver(window, hoverEdit); }},
        {"edit-focus", showFocusedEdit},
        {"combo-hover", [](HWND window) { MoveCursorOver(window, dropDownListCombo); }},
        {"combo-focus", [](HWND window) { SetFocus(GetDlgItem(window, dropDownListCombo)); }},
    };
    return page;
}

}  // namespace gallery
