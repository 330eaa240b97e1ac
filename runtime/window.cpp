#include "runtime/window.h"

#include <commctrl.h>
#include <windowsx.h>

#include <algorithm>

#include "runtime/browser_pane.h"
#include "runtime/datetime.h"
#include "runtime/hypertext_pane.h"

namespace rt {

namespace {

const char kWindowClass[] = "LzWindow";

struct ControlEntry {
    std::string name;
    HWND hwnd;
    ControlEvents events;
    size_t byteLimit = 0;  // edit boxes: most bytes of text; 0 = no limit
};

// Everything the runtime keeps for one loaded window; owned by the window and deleted
// at WM_NCDESTROY together with the fonts it made for its controls, one per design.
struct WindowState {
    WindowEvents events;
    std::vector<ControlEntry> controls;
    std::vector<std::pair<FontDesign, HFONT>> fonts;
    bool ready = false;  // events wait until the controls exist
    bool startup = false;
    bool forwardingWheel = false;
};

WindowState* StateOf(HWND hwnd) {
    return reinterpret_cast<WindowState*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
}

const ControlEntry* EntryOf(WindowState* state, HWND control) {
    for (const ControlEntry& entry : state->controls)
        if (entry.hwnd == control) return &entry;
    return nullptr;
}

// The edit control may count its limit in characters (Wine does), which lets a GBK text
// grow to twice the bytes its field holds: text past the limit is cut at a character
// boundary.
void KeepWithinByteLimit(HWND edit, size_t limit) {
    if (limit == 0) return;
    std::string text = WindowText(edit);
    if (text.size() <= limit) return;
    size_t keep = 0;
    for (size_t i = 0; i < text.size();) {
        i += IsDBCSLeadByte(static_cast<BYTE>(text[i])) && i + 1 < text.size() ? 2 : 1;
        if (i > limit) break;
        keep = i;
    }
    SetWindowTextA(edit, text.substr(0, keep).c_str());
    SendMessageA(edit, EM_SETSEL, keep, keep);
}

void OnCommand(HWND hwnd, WindowState* state, WPARAM wParam, LPARAM lParam) {
    const ControlEntry* entry = EntryOf(state, reinterpret_cast<HWND>(lParam));
    if (!entry) return;
    if (HIWORD(wParam) == EN_CHANGE) return KeepWithinByteLimit(entry->hwnd, entry->byteLimit);
    if (HIWORD(wParam) != BN_CLICKED) return;
    // A copy: the handler may destroy the window, and the entry with it.
    std::function<void(HWND)> clicked = entry->events.clicked;
    if (clicked) clicked(hwnd);
}

void OnDestroy(HWND hwnd, WindowState* state) {
    if (state->events.willBeDestroyed) state->events.willBeDestroyed(hwnd);
    if (state->startup) PostQuitMessage(0);
}

void OnNcDestroy(HWND hwnd, WindowState* state) {
    SetWindowLongPtrA(hwnd, GWLP_USERDATA, 0);
    for (const auto& [design, font] : state->fonts) DeleteObject(font);
    delete state;
}

// The wheel goes to the focused control, but users expect what is under the mouse to
// scroll. A control that does not want it passes it up here; the flag stops a control
// that passes it up again from bouncing it back and forth.
void OnMouseWheel(HWND hwnd, WindowState* state, WPARAM wParam, LPARAM lParam) {
    if (state->forwardingWheel) return;
    POINT point{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    ScreenToClient(hwnd, &point);
    HWND child = ChildWindowFromPointEx(hwnd, point, CWP_SKIPINVISIBLE | CWP_SKIPTRANSPARENT);
    if (!child || child == hwnd) return;
    state->forwardingWheel = true;
    SendMessageA(child, WM_MOUSEWHEEL, wParam, lParam);
    state->forwardingWheel = false;
}

// A minimised window has no size of its own to keep to a minimum or lay out by: its
// restore brings another WM_SIZE with the size it had.
void OnSize(HWND hwnd, WindowState* state, WPARAM kind) {
    if (kind == SIZE_MINIMIZED || !state->ready || !state->events.sizeChanged) return;
    state->events.sizeChanged(hwnd);
}

// Labels and the check box show the window's own background behind their text.
LRESULT OnCtlColorStatic(HDC dc) {
    SetBkMode(dc, TRANSPARENT);
    return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
}

LRESULT CALLBACK WindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    WindowState* state = StateOf(hwnd);
    if (!state) return DefWindowProcA(hwnd, msg, wParam, lParam);
    switch (msg) {
    case WM_COMMAND:
        OnCommand(hwnd, state, wParam, lParam);
        return 0;
    case WM_SIZE:
        OnSize(hwnd, state, wParam);
        return 0;
    case WM_MOUSEWHEEL:
        OnMouseWheel(hwnd, state, wParam, lParam);
        return 0;
    case WM_CTLCOLORSTATIC:
        return OnCtlColorStatic(reinterpret_cast<HDC>(wParam));
    case WM_DESTROY:
        OnDestroy(hwnd, state);
        return 0;
    case WM_NCDESTROY:
        OnNcDestroy(hwnd, state);
        return 0;
    }
    return DefWindowProcA(hwnd, msg, wParam, lParam);
}

LRESULT CALLBACK EditCharProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR id, DWORD_PTR ref) {
    if (msg == WM_CHAR) {
        // A copy: the handler may destroy the window that owns the original.
        std::function<void(HWND, int)> handler = *reinterpret_cast<const std::function<void(HWND, int)>*>(ref);
        handler(hwnd, static_cast<int>(wParam));
        if (!IsWindow(hwnd)) return 0;
    }
    if (msg == WM_NCDESTROY) RemoveWindowSubclass(hwnd, EditCharProc, id);
    return DefSubclassProc(hwnd, msg, wParam, lParam);
}

void RegisterOnce() {
    static bool done = [] {
        INITCOMMONCONTROLSEX icc{sizeof icc, ICC_DATE_CLASSES | ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES};
        InitCommonControlsEx(&icc);
        WNDCLASSA wc{};
        // A double click in a skinned title bar maximises the window.
        wc.style = CS_DBLCLKS;
        wc.lpfnWndProc = WindowProc;
        wc.hInstance = GetModuleHandleA(nullptr);
        wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
        wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
        wc.lpszClassName = kWindowClass;
        return RegisterClassA(&wc) != 0;
    }();
    (void)done;
}

HFONT MakeFont(const FontDesign& font) {
    if (font.face.empty())
        return CreateFontA(-12, 0, 0, 0, FW_NORMAL, 0, 0, 0, GB2312_CHARSET, 0, 0, 0, 0, "宋体");
    return CreateFontA(font.height, 0, 0, 0, FW_NORMAL, 0, 0, 0, font.charSet, 0, 0, 0, 0, font.face.c_str());
}

// Controls designed with the same font share one.
HFONT FontFor(WindowState* state, const FontDesign& design) {
    for (const auto& [made, font] : state->fonts)
        if (made.face == design.face && made.height == design.height && made.charSet == design.charSet) return font;
    HFONT font = MakeFont(design);
    state->fonts.emplace_back(design, font);
    return font;
}

struct NativeControl {
    const char* className;
    DWORD style;
    DWORD exStyle;
};

NativeControl NativeFor(const ControlDesign& c) {
    switch (c.kind) {
    case ControlKind::TransparentLabel:
        return {"STATIC", SS_LEFT, WS_EX_TRANSPARENT};
    case ControlKind::DateBox:
        return {DATETIMEPICK_CLASSA, WS_TABSTOP | DTS_SHORTDATEFORMAT, 0};
    case ControlKind::CheckBox:
        // The designed box is two lines high: a long text wraps instead of being cut.
        return {"BUTTON", WS_TABSTOP | BS_AUTOCHECKBOX | BS_MULTILINE, 0};
    case ControlKind::PushButton:
        return {"BUTTON", WS_TABSTOP | BS_PUSHBUTTON, 0};
    case ControlKind::EditBox:
        if (c.multiLine)
            return {"EDIT", WS_TABSTOP | WS_VSCROLL | ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN, WS_EX_CLIENTEDGE};
        return {"EDIT", WS_TABSTOP | ES_AUTOHSCROLL, WS_EX_CLIENTEDGE};
    default:
        return {"STATIC", 0, 0};
    }
}

HWND CreateControl(HWND window, WindowState* state, const ControlDesign& c, int id) {
    if (c.kind == ControlKind::HypertextPane) {
        HWND pane = CreateHypertextPane(window, c.x, c.y, c.width, c.height, id);
        SetHypertextContent(pane, c.text, c.styleSheet);
        return pane;
    }
    if (c.kind == ControlKind::BrowserPane) return CreateBrowserPane(window, c.x, c.y, c.width, c.height, id);
    NativeControl native = NativeFor(c);
    HWND hwnd = CreateWindowExA(native.exStyle, native.className, c.text.c_str(), WS_CHILD | WS_VISIBLE | native.style,
                                c.x, c.y, c.width, c.height, window,
                                reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleA(nullptr), nullptr);
    if (!hwnd) return nullptr;
    SendMessageA(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(FontFor(state, c.font)), FALSE);
    if (c.kind == ControlKind::EditBox) SendMessageA(hwnd, EM_LIMITTEXT, c.textLimit, 0);
    return hwnd;
}

void WireEvents(const ControlEntry& entry, ControlKind kind) {
    const ControlEvents& ev = entry.events;
    if (kind == ControlKind::HypertextPane && ev.linkClicked) SetLinkClickedHandler(entry.hwnd, ev.linkClicked);
    if (kind == ControlKind::BrowserPane && ev.beforeNavigate)
        SetBeforeNavigateHandler(entry.hwnd, [handler = ev.beforeNavigate, pane = entry.hwnd] { return handler(pane); });
    if (kind == ControlKind::EditBox && ev.charInput)
        SetWindowSubclass(entry.hwnd, EditCharProc, 1, reinterpret_cast<DWORD_PTR>(&ev.charInput));
}

ControlEvents EventsFor(const WindowEvents& events, const std::string& name) {
    for (const auto& [controlName, controlEvents] : events.controls)
        if (controlName == name) return controlEvents;
    return {};
}

void CreateControls(HWND window, WindowState* state, const WindowDesign& design) {
    // Entries are never added after this, so the event objects the edit subclasses
    // point at stay where they are.
    state->controls.reserve(design.controls.size());
    int id = 1000;
    for (const ControlDesign& c : design.controls) {
        HWND hwnd = CreateControl(window, state, c, id++);
        if (!hwnd) continue;
        size_t byteLimit = c.kind == ControlKind::EditBox ? static_cast<size_t>(std::max(0, c.textLimit)) : 0;
        state->controls.push_back({c.name, hwnd, EventsFor(state->events, c.name), byteLimit});
        WireEvents(state->controls.back(), c.kind);
    }
}

DWORD WindowStyle(const WindowDesign& design) {
    // The system menu has nothing to show without a caption, but it lets Alt+F4 close
    // the window.
    DWORD style = WS_POPUP | WS_CLIPCHILDREN | WS_SYSMENU;
    if (design.minimizeBox) style |= WS_MINIMIZEBOX;
    if (design.maximizeBox) style |= WS_MAXIMIZEBOX;
    return style;
}

bool DispatchToDialog(MSG& msg) {
    HWND root = msg.hwnd ? GetAncestor(msg.hwnd, GA_ROOT) : nullptr;
    return root && IsDialogMessageA(root, &msg);
}

void Dispatch(MSG& msg) {
    if (DispatchToDialog(msg)) return;
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
}

}  // namespace

HWND LoadWindow(const WindowDesign& design, const WindowEvents& events, HWND parent, bool startupWindow) {
    RegisterOnce();
    int x = (GetSystemMetrics(SM_CXSCREEN) - design.width) / 2;
    int y = (GetSystemMetrics(SM_CYSCREEN) - design.height) / 2;
    HWND window = CreateWindowExA(WS_EX_CONTROLPARENT, kWindowClass, design.caption.c_str(), WindowStyle(design), x, y,
                                  design.width, design.height, parent, nullptr, GetModuleHandleA(nullptr), nullptr);
    if (!window) return nullptr;
    auto* state = new WindowState{events, {}, {}, false, startupWindow};
    SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(state));
    CreateControls(window, state, design);
    state->ready = true;
    if (events.created) events.created(window);
    // The created handler may have ended the program or destroyed the window.
    if (!IsWindow(window)) return nullptr;
    if (events.sizeChanged) events.sizeChanged(window);
    ShowWindow(window, SW_SHOW);
    UpdateWindow(window);
    // Like a dialog, a new window starts with the keyboard on its first control.
    if (HWND first = GetNextDlgTabItem(window, nullptr, FALSE)) SetFocus(first);
    return window;
}

void RunMessageLoop() {
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) Dispatch(msg);
}

HWND FindControl(HWND window, const std::string& name) {
    WindowState* state = StateOf(window);
    if (!state) return nullptr;
    for (const ControlEntry& entry : state->controls)
        if (entry.name == name) return entry.hwnd;
    return nullptr;
}

std::string WindowText(HWND window) {
    int length = GetWindowTextLengthA(window);
    std::string text(length + 1, '\0');
    text.resize(GetWindowTextA(window, text.data(), length + 1));
    return text;
}

void SetWindowTextTo(HWND window, const std::string& text) { SetWindowTextA(window, text.c_str()); }

SIZE WindowSize(HWND window) {
    RECT r{};
    GetWindowRect(window, &r);
    return {r.right - r.left, r.bottom - r.top};
}

SIZE ClientSize(HWND window) {
    RECT r{};
    GetClientRect(window, &r);
    return {r.right, r.bottom};
}

void ResizeWindow(HWND window, int width, int height) {
    SetWindowPos(window, nullptr, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void MoveControl(HWND control, int x, int y, int width, int height) { MoveWindow(control, x, y, width, height, TRUE); }

void AppendEditText(HWND edit, const std::string& text) {
    int end = GetWindowTextLengthA(edit);
    SendMessageA(edit, EM_SETSEL, end, end);
    SendMessageA(edit, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(text.c_str()));
}

bool IsChecked(HWND checkBox) { return SendMessageA(checkBox, BM_GETCHECK, 0, 0) == BST_CHECKED; }

DateTime DateBoxValue(HWND dateBox) {
    SYSTEMTIME st{};
    SendMessageA(dateBox, DTM_GETSYSTEMTIME, 0, reinterpret_cast<LPARAM>(&st));
    return {st.wYear, st.wMonth, st.wDay, st.wHour, st.wMinute, st.wSecond};
}

void SetDateBoxValue(HWND dateBox, const DateTime& value) {
    SYSTEMTIME st{};
    st.wYear = static_cast<WORD>(value.year);
    st.wMonth = static_cast<WORD>(value.month);
    st.wDay = static_cast<WORD>(value.day);
    st.wHour = static_cast<WORD>(value.hour);
    st.wMinute = static_cast<WORD>(value.minute);
    st.wSecond = static_cast<WORD>(value.second);
    SendMessageA(dateBox, DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(&st));
}

}  // namespace rt
