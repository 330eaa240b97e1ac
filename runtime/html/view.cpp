#include "runtime/html/view.h"

#include <windowsx.h>

#include <algorithm>
#include <climits>

namespace html {
namespace {

const char kViewProperty[] = "LzHtmlView";

bool IsUnderScreenPoint(HWND window, LPARAM screenPoint) {
    RECT r;
    GetWindowRect(window, &r);
    return PtInRect(&r, POINT{GET_X_LPARAM(screenPoint), GET_Y_LPARAM(screenPoint)}) != FALSE;
}

constexpr int kLineStep = 20;      // pixels per scroll-bar arrow click and per wheel line
constexpr int kFocusMargin = 4;    // room kept around a link scrolled into view

bool ShiftIsDown() { return GetKeyState(VK_SHIFT) < 0; }

int WheelLines() {
    UINT lines = 3;
    SystemParametersInfoA(SPI_GETWHEELSCROLLLINES, 0, &lines, 0);
    return static_cast<int>(lines);
}

}  // namespace

View::View(HWND window) : window_(window) { SetPropA(window, kViewProperty, this); }

View::~View() { RemovePropA(window_, kViewProperty); }

void View::show(const std::string& markup, const std::string& styleSheet) {
    ParseMarkup(markup, doc_);
    std::string sheetText = styleSheet + "\n" + doc_.styleText;
    if (sheetText != sheetText_) {
        sheet_ = ParseStyleSheet(sheetText);
        sheetText_ = std::move(sheetText);
    }
    ComputeStyles(doc_, sheet_, -1, styles_);
    hover_ = pressed_ = focusLink_ = -1;
    scrollY_ = 0;
    layOut();
}

bool View::scrollToAnchor(const std::string& name) {
    for (size_t node = 0; node < doc_.nodes.size(); ++node) {
        const std::string* anchorName = doc_.attribute(static_cast<int>(node), "name");
        const std::string* id = doc_.attribute(static_cast<int>(node), "id");
        if ((!anchorName || *anchorName != name) && (!id || *id != name)) continue;
        // The first text at or after the anchor: nodes and runs are both in document order.
        for (const Line& line : layout_.lines) {
            if (layout_.runs[line.endRun - 1].node < static_cast<int>(node)) continue;
            scrollTo(line.top);
            return true;
        }
        return true;
    }
    return false;
}

bool View::handle(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    result = 0;
    switch (message) {
    case WM_SIZE: onSize(); return true;
    case WM_PAINT: onPaint(); return true;
    case WM_PRINTCLIENT: onPrintClient(reinterpret_cast<HDC>(wParam)); return true;
    case WM_ERASEBKGND: result = 1; return true;  // the back buffer covers everything
    case WM_VSCROLL: onVScroll(LOWORD(wParam)); return true;
    case WM_MOUSEWHEEL:
        // The wheel comes to the focused pane wherever the mouse is. Away from the mouse
        // it goes on to the window, which hands it to the control under the mouse.
        if (!IsUnderScreenPoint(window_, lParam)) return false;
        onWheel(GET_WHEEL_DELTA_WPARAM(wParam));
        return true;
    case WM_MOUSEMOVE: onMouseMove(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)); return true;
    case WM_MOUSELEAVE: onMouseLeave(); return true;
    case WM_SETCURSOR:
        if (!onSetCursor(LOWORD(lParam))) return false;
        result = TRUE;
        return true;
    case WM_LBUTTONDOWN: onButtonDown(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)); return true;
    // A double click must not open a link twice: its second press starts no click.
    case WM_LBUTTONDBLCLK: pressed_ = -1; return true;
    case WM_LBUTTONUP: onButtonUp(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)); return true;
    case WM_KEYDOWN: return onKeyDown(wParam);
    case WM_GETDLGCODE: result = dialogCode(reinterpret_cast<const MSG*>(lParam)); return true;
    case WM_SETFOCUS: onSetFocus(); return true;
    case WM_KILLFOCUS: invalidate(); return true;
    }
    return false;
}

// --- size, layout and painting ---------------------------------------------------------------

void View::onSize() {
    if (changingScrollBar_) return;  // layOut() is showing or hiding the bar and carries on itself
    layOut();
}

SIZE View::clientSize() const {
    RECT client{};
    GetClientRect(window_, &client);
    return {client.right, client.bottom};
}

// Lays the page out to the client width, with a scroll bar only when the page is taller
// than the pane. The bar narrows the page, so the bar's present state is the first guess
// and the page is laid out a second time only when the guess was wrong. A trial without
// the bar stops as soon as the page outgrows the pane, so that a long page shown in a
// new pane is laid out about once, not twice.
void View::layOut() {
    SIZE client = clientSize();
    bool barShown = (GetWindowLongA(window_, GWL_STYLE) & WS_VSCROLL) != 0;
    int barWidth = GetSystemMetrics(SM_CXVSCROLL);
    int fullWidth = client.cx + (barShown ? barWidth : 0);
    if (fullWidth <= barWidth) {  // too narrow to show anything: a one-pixel layout would be all lines
        setHover(-1);               // while the links are still there to restyle
        layout_ = Layout();
        pressed_ = focusLink_ = -1;
        return;
    }
    bool needBar = barShown;
    LayOut(doc_, styles_, needBar ? fullWidth - barWidth : fullWidth, fonts_, layout_, needBar ? INT_MAX : client.cy);
    if ((layout_.height > client.cy) != needBar) {
        needBar = !needBar;
        LayOut(doc_, styles_, needBar ? fullWidth - barWidth : fullWidth, fonts_, layout_);
    }
    if (needBar != barShown) {
        changingScrollBar_ = true;
        ShowScrollBar(window_, SB_VERT, needBar);
        changingScrollBar_ = false;
    }
    client = clientSize();
    buffer_.resize(client.cx, client.cy);
    scrollTo(scrollY_);
    if (needBar) updateScrollBar(client.cy);
    invalidate();
}

// Under Wine every SetScrollInfo repaints the themed bar at once, and with FALSE the
// same cost comes back in the next WM_NCPAINT: a few milliseconds, many times what the
// page itself takes. So the bar is told only what it does not already show.
void View::updateScrollBar(int pageHeight) {
    SCROLLINFO wanted{sizeof wanted, SIF_RANGE | SIF_PAGE | SIF_POS, 0, std::max(0, layout_.height - 1),
                      static_cast<UINT>(std::max(0, pageHeight)), scrollY_, 0};
    SCROLLINFO shown{sizeof shown, SIF_RANGE | SIF_PAGE | SIF_POS};
    bool same = GetScrollInfo(window_, SB_VERT, &shown) && shown.nMin == wanted.nMin && shown.nMax == wanted.nMax &&
                shown.nPage == wanted.nPage && shown.nPos == wanted.nPos;
    if (!same) SetScrollInfo(window_, SB_VERT, &wanted, TRUE);
}

void View::render() {
    if (!buffer_.dc()) return;
    PaintArea area;
    area.width = buffer_.width();
    area.height = buffer_.height();
    area.scrollY = scrollY_;
    area.focusLink = GetFocus() == window_ && keyboardCues_ ? focusLink_ : -1;
    PaintPage(buffer_.dc(), layout_, styles_, fonts_, area);
}

void View::onPaint() {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(window_, &ps);
    render();
    if (buffer_.dc()) BitBlt(dc, 0, 0, buffer_.width(), buffer_.height(), buffer_.dc(), 0, 0, SRCCOPY);
    EndPaint(window_, &ps);
}

void View::onPrintClient(HDC dc) {
    render();
    if (buffer_.dc()) BitBlt(dc, 0, 0, buffer_.width(), buffer_.height(), buffer_.dc(), 0, 0, SRCCOPY);
}

void View::invalidate() { InvalidateRect(window_, nullptr, FALSE); }

// --- scrolling ---------------------------------------------------------------------------------

void View::scrollTo(int y) {
    int most = std::max(0, layout_.height - static_cast<int>(clientSize().cy));
    int target = std::min(std::max(0, y), most);
    if (target == scrollY_) return;
    scrollY_ = target;
    SetScrollPos(window_, SB_VERT, scrollY_, TRUE);
    invalidate();
}

void View::onVScroll(int code) {
    int page = std::max(kLineStep, static_cast<int>(clientSize().cy) - kLineStep);
    SCROLLINFO info{sizeof info, SIF_TRACKPOS};
    switch (code) {
    case SB_LINEUP: return scrollTo(scrollY_ - kLineStep);
    case SB_LINEDOWN: return scrollTo(scrollY_ + kLineStep);
    case SB_PAGEUP: return scrollTo(scrollY_ - page);
    case SB_PAGEDOWN: return scrollTo(scrollY_ + page);
    case SB_TOP: return scrollTo(0);
    case SB_BOTTOM: return scrollTo(INT_MAX);
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION:
        GetScrollInfo(window_, SB_VERT, &info);  // the 32-bit position, not the 16 bits of wParam
        return scrollTo(info.nTrackPos);
    }
}

void View::onWheel(int delta) {
    wheelRemainder_ += delta;
    int notches = wheelRemainder_ / WHEEL_DELTA;
    wheelRemainder_ -= notches * WHEEL_DELTA;
    int lines = WheelLines();
    int step = lines == static_cast<int>(WHEEL_PAGESCROLL) ? static_cast<int>(clientSize().cy) : lines * kLineStep;
    scrollTo(scrollY_ - notches * step);
    setHover(linkUnderCursor());  // the page moved under the mouse
}

// --- mouse ----------------------------------------------------------------------------------------

int View::linkAt(int x, int y) const { return LinkAt(layout_, x, y + scrollY_); }

int View::linkUnderCursor() const {
    POINT cursor;
    GetCursorPos(&cursor);
    ScreenToClient(window_, &cursor);
    SIZE client = clientSize();
    if (cursor.x < 0 || cursor.y < 0 || cursor.x >= client.cx || cursor.y >= client.cy) return -1;
    return linkAt(cursor.x, cursor.y);
}

void View::onMouseMove(int x, int y) {
    if (!trackingMouse_) {
        TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, window_, 0};
        trackingMouse_ = TrackMouseEvent(&track) != FALSE;
    }
    setHover(linkAt(x, y));
}

void View::onMouseLeave() {
    trackingMouse_ = false;
    setHover(-1);
}

// Restyles the link left and the link entered; only a hover style that changes sizes
// needs a new layout.
void View::setHover(int link) {
    if (link == hover_) return;
    int left = hover_;
    hover_ = link;
    int hoveredNode = link >= 0 ? layout_.links[link].node : -1;
    bool moved = false;
    for (int changed : {left, link})
        if (changed >= 0) moved |= RestyleSubtree(doc_, sheet_, hoveredNode, layout_.links[changed].node, styles_);
    if (moved) return layOut();
    invalidate();
}

bool View::onSetCursor(int hitTest) {
    if (hitTest != HTCLIENT || linkUnderCursor() < 0) return false;
    SetCursor(LoadCursor(nullptr, IDC_HAND));
    return true;
}

void View::onButtonDown(int x, int y) {
    if (GetFocus() != window_) SetFocus(window_);
    pressed_ = linkAt(x, y);
    if (pressed_ < 0) return;
    focusLink_ = pressed_;
    keyboardCues_ = false;
    invalidate();
}

void View::onButtonUp(int x, int y) {
    int link = linkAt(x, y);
    bool clicked = link >= 0 && link == pressed_;
    pressed_ = -1;
    if (clicked) activate(link);
}

// --- keyboard ---------------------------------------------------------------------------------------

bool View::onKeyDown(WPARAM key) {
    int page = std::max(kLineStep, static_cast<int>(clientSize().cy) - kLineStep);
    switch (key) {
    case VK_TAB: moveFocus(ShiftIsDown() ? -1 : 1); return true;
    case VK_RETURN:
        if (focusLink_ >= 0) activate(focusLink_);
        return true;
    case VK_UP: scrollTo(scrollY_ - kLineStep); return true;
    case VK_DOWN: scrollTo(scrollY_ + kLineStep); return true;
    case VK_PRIOR: scrollTo(scrollY_ - page); return true;
    case VK_NEXT: scrollTo(scrollY_ + page); return true;
    case VK_HOME: scrollTo(0); return true;
    case VK_END: scrollTo(INT_MAX); return true;
    }
    return false;
}

// Under IsDialogMessage the pane keeps Tab while there is another link to move to, and
// Enter while a link has the focus; otherwise the dialog manager moves on.
LRESULT View::dialogCode(const MSG* message) const {
    LRESULT code = DLGC_WANTARROWS;
    if (!message || message->message != WM_KEYDOWN) return code;
    if (message->wParam == VK_TAB && nextFocusable(focusLink_, ShiftIsDown() ? -1 : 1) >= 0) code |= DLGC_WANTTAB;
    if (message->wParam == VK_RETURN && focusLink_ >= 0) code |= DLGC_WANTMESSAGE;
    return code;
}

// Tabbing into the pane focuses its first link, or its last one with Shift.
void View::onSetFocus() {
    if (GetKeyState(VK_TAB) < 0) {
        focusLink_ = nextFocusable(-1, ShiftIsDown() ? -1 : 1);
        keyboardCues_ = true;
        if (focusLink_ >= 0) scrollIntoView(focusLink_);
    }
    invalidate();
}

int View::nextFocusable(int from, int direction) const {
    int count = static_cast<int>(layout_.links.size());
    int link = from < 0 ? (direction > 0 ? 0 : count - 1) : from + direction;
    for (; link >= 0 && link < count; link += direction)
        if (!LinkBoxes(layout_, link).empty()) return link;
    return -1;
}

void View::moveFocus(int direction) {
    int next = nextFocusable(focusLink_, direction);
    if (next < 0) {  // past the last link: on to the next control, or round again when there is none
        HWND parent = GetParent(window_);
        HWND other = parent ? GetNextDlgTabItem(parent, window_, direction < 0) : nullptr;
        if (other && other != window_) {
            SetFocus(other);
            return;
        }
        next = nextFocusable(-1, direction);
    }
    focusLink_ = next;
    keyboardCues_ = true;
    if (next >= 0) scrollIntoView(next);
    invalidate();
}

void View::scrollIntoView(int link) {
    std::vector<Box> boxes = LinkBoxes(layout_, link);
    if (boxes.empty()) return;
    int height = clientSize().cy;
    if (boxes.front().top < scrollY_) scrollTo(boxes.front().top - kFocusMargin);
    else if (boxes.front().bottom > scrollY_ + height) scrollTo(boxes.front().bottom - height + kFocusMargin);
}

void View::activate(int link) {
    // Copies, because the handler may replace this page or destroy the window.
    Link chosen = layout_.links[link];
    ActivateHandler handler = onActivate_;
    if (handler) handler(chosen);
}

// --- queries -------------------------------------------------------------------------------------------

std::vector<rt::PaneLink> View::links() const {
    std::vector<rt::PaneLink> links(layout_.links.size());
    for (size_t i = 0; i < links.size(); ++i) {
        links[i].hasEvent = layout_.links[i].hasEvent;
        links[i].eventText = layout_.links[i].eventText;
        links[i].href = layout_.links[i].href;
    }
    std::vector<bool> placed(links.size(), false);
    for (const Run& run : layout_.runs) {  // the first run of a link is where its text begins
        if (run.link < 0 || placed[run.link]) continue;
        placed[run.link] = true;
        links[run.link].box = {run.x, run.y - scrollY_, run.x + run.width, run.y + run.height - scrollY_};
    }
    return links;
}

std::vector<HGDIOBJ> View::gdiObjects() const {
    std::vector<HGDIOBJ> objects = fonts_.objects();
    for (HGDIOBJ object : buffer_.objects()) objects.push_back(object);
    return objects;
}

View* ViewOf(HWND window) { return window ? static_cast<View*>(GetPropA(window, kViewProperty)) : nullptr; }

HWND CreatePaneWindow(const char* className, WNDPROC procedure, HWND parent, int x, int y, int width, int height,
                      int id) {
    HINSTANCE instance = GetModuleHandleA(nullptr);
    WNDCLASSA existing;
    if (!GetClassInfoA(instance, className, &existing)) {
        WNDCLASSA wc{};
        wc.style = CS_DBLCLKS;
        wc.lpfnWndProc = procedure;
        wc.hInstance = instance;
        wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
        wc.lpszClassName = className;
        RegisterClassA(&wc);
    }
    return CreateWindowExA(0, className, "", WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_CLIPSIBLINGS, x, y, width, height,
                           parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance, nullptr);
}

}  // namespace html
