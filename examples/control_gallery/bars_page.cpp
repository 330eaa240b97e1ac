// Track bars and progress bars at several positions, and the list-like controls: a list
// box, a list view, a tree view, an IP-address field and a date picker.
#include "examples/control_gallery/gallery_page.h"

#include <commctrl.h>

namespace gallery {

namespace {

// Each page numbers its controls in its own thousand: GetDlgItem finds the first of
// equal numbers.
enum BarIds : int {
    firstTrackBar = 3001,  // three across, at the start, halfway and the end
    uprightTrackBar = 3004,
    firstProgressBar = 3005,  // four across, empty to full
    uprightProgressBar = 3009,
    listBox,
    listView,
    treeView,
    addressField,
    datePicker,
};

void addTrackBar(HWND window, int x, int y, int width, int height, DWORD style, int pos, int id) {
    HWND bar = AddControl(window, TRACKBAR_CLASSA, "", style, x, y, width, height, id);
    SendMessageA(bar, TBM_SETRANGE, FALSE, MAKELPARAM(0, 100));
    SendMessageA(bar, TBM_SETPOS, TRUE, pos);
}

void addProgressBar(HWND window, int x, int y, int width, int height, DWORD style, int pos, int id) {
    HWND bar = AddControl(window, PROGRESS_CLASSA, "", style, x, y, width, height, id);
    SendMessageA(bar, PBM_SETRANGE32, 0, 100);
    SendMessageA(bar, PBM_SETPOS, pos, 0);
}

void createBars(HWND window, int x, int y) {
    const int positions[] = {0, 50, 100};
    for (int i = 0; i < 3; ++i) addTrackBar(window, x, y + 34 * i, 200, 30, TBS_AUTOTICKS, positions[i], firstTrackBar + i);
    addTrackBar(window, x + 220, y, 30, 100, TBS_VERT | TBS_BOTH, 30, uprightTrackBar);
    const int shares[] = {0, 30, 75, 100};
    for (int i = 0; i < 4; ++i) addProgressBar(window, x, y + 112 + 24 * i, 200, 18, 0, shares[i], firstProgressBar + i);
    addProgressBar(window, x + 270, y, 18, 100, PBS_VERTICAL, 60, uprightProgressBar);
}

void fillListBox(HWND window, int x, int y) {
    HWND list = AddControl(window, "ListBox", "", WS_BORDER | WS_VSCROLL | LBS_NOTIFY, x, y, 150, 96, listBox);
    for (const char* item : {"今天的备忘", "每天的提醒", "明天开会", "买菜", "给家里打电话", "交水电费", "读书"})
        SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item));
    SendMessageA(list, LB_SETCURSEL, 1, 0);
}

void fillListView(HWND window, int x, int y) {
    HWND view = AddControl(window, WC_LISTVIEWA, "", LVS_REPORT, x, y, 150, 96, listView, WS_EX_CLIENTEDGE);
    char title[] = "标题", day[] = "日期";
    LVCOLUMNA column{LVCF_TEXT | LVCF_WIDTH, 0, 80, title};
    SendMessageA(view, LVM_INSERTCOLUMNA, 0, reinterpret_cast<LPARAM>(&column));
    column.cx = 66;
    column.pszText = day;
    SendMessageA(view, LVM_INSERTCOLUMNA, 1, reinterpret_cast<LPARAM>(&column));
    const char* rows[][2] = {{"开会", "12月11日"}, {"买菜", "每天"}, {"读书", "12月12日"}};
    for (int row = 0; row < 3; ++row) {
        LVITEMA item{LVIF_TEXT, row, 0, 0, 0, const_cast<char*>(rows[row][0])};
        SendMessageA(view, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item));
        item.iSubItem = 1;
        item.pszText = const_cast<char*>(rows[row][1]);
        SendMessageA(view, LVM_SETITEMTEXTA, row, reinterpret_cast<LPARAM>(&item));
    }
}

HTREEITEM addTreeItem(HWND tree, HTREEITEM parent, const char* text) {
    TVINSERTSTRUCTA insert{};
    insert.hParent = parent;
    insert.hInsertAfter = TVI_LAST;
    insert.item.mask = TVIF_TEXT;
    insert.item.pszText = const_cast<char*>(text);
    return reinterpret_cast<HTREEITEM>(SendMessageA(tree, TVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&insert)));
}

void fillTreeView(HWND window, int x, int y) {
    HWND tree = AddControl(window, WC_TREEVIEWA, "", TVS_HASLINES | TVS_HASBUTTONS | TVS_LINESATROOT, x, y, 150, 110,
                           treeView, WS_EX_CLIENTEDGE);
    HTREEITEM work = addTreeItem(tree, TVI_ROOT, "工作");
    addTreeItem(tree, work, "周会");
    addTreeItem(tree, work, "报告");
    HTREEITEM home = addTreeItem(tree, TVI_ROOT, "家里");
    addTreeItem(tree, home, "买菜");
    SendMessageA(tree, TVM_EXPAND, TVE_EXPAND, reinterpret_cast<LPARAM>(work));
    SendMessageA(tree, TVM_EXPAND, TVE_EXPAND, reinterpret_cast<LPARAM>(home));
}

void createLists(HWND window, int x, int y) {
    fillListBox(window, x, y);
    fillListView(window, x + 160, y);
    fillTreeView(window, x, y + 110);
    HWND address = AddControl(window, WC_IPADDRESSA, "", 0, x + 160, y + 110, 150, 22, addressField);
    SendMessageA(address, IPM_SETADDRESS, 0, MAKEIPADDRESS(127, 0, 0, 1));
    AddControl(window, DATETIMEPICK_CLASSA, "", DTS_SHORTDATEFORMAT, x + 160, y + 144, 150, 24, datePicker);
}

void createPage(HWND window, const RECT& area) {
    createBars(window, area.left, area.top);
    createLists(window, area.left, area.top + 220);
}

}  // namespace

GalleryPage BarsPage() {
    GalleryPage page;
    page.create = createPage;
    page.states = {
        {"trackbar-hover", [](HWND window) { MoveCursorOver(window, firstTrackBar + 1); }},
        {"list-hover", [](HWND window) { MoveCursorOver(window, listBox); }},
        {"list-focus", [](HWND window) { SetFocus(GetDlgItem(window, listBox)); }},
        {"datepicker-focus", [](HWND window) { SetFocus(GetDlgItem(window, datePicker)); }},
    };
    return page;
}

}  // namespace gallery
