#pragma once
// The window side of the HTML view, shared by the hypertext pane and the browser pane:
// painting through a back buffer, the vertical scroll bar and the mouse wheel, the hand
// cursor and the hover style over links, keyboard focus moving between links, and a
// link's activation by click or Enter.
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "runtime/html/fonts.h"
#include "runtime/html/layout.h"
#include "runtime/html/markup.h"
#include "runtime/html/paint.h"
#include "runtime/html/style.h"
#include "runtime/pane_link.h"

namespace html {

class View {
public:
    // Called with a copy of the link: the handler may replace the page or destroy the
    // window, and the view touches nothing of its own after calling it.
    using ActivateHandler = std::function<void(const Link& link)>;

    explicit View(HWND window);
    ~View();
    View(const View&) = delete;
    View& operator=(const View&) = delete;

    // Shows a page from its top: the markup, styled by the sheet given and then by the
    // page's own style blocks. The storage of the page before is reused, and the sheet
    // is read again only when its text changed.
    void show(const std::string& markup, const std::string& styleSheet);
    void setActivateHandler(ActivateHandler handler) { onActivate_ = std::move(handler); }
    // Scrolls to the anchor named so (by name or id); false when the page has none.
    bool scrollToAnchor(const std::string& name);

    // Answers the messages the view handles; false leaves the message to the caller.
    bool handle(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);

    std::vector<rt::PaneLink> links() const;
    const Layout& layout() const { return layout_; }
    int scrollY() const { return scrollY_; }
    // Every GDI object the view holds now, for leak checks.
    std::vector<HGDIOBJ> gdiObjects() const;

private:
    void onSize();
    void onPaint();
    void onPrintClient(HDC dc);
    void onVScroll(int code);
    void onWheel(int delta);
    void onMouseMove(int x, int y);
    void onMouseLeave();
    bool onSetCursor(int hitTest);
    void onButtonDown(int x, int y);
    void onButtonUp(int x, int y);
    bool onKeyDown(WPARAM key);
    LRESULT dialogCode(const MSG* message) const;
    void onSetFocus();

    void layOut();
    void updateScrollBar(int pageHeight);
    void render();
    void invalidate();
    SIZE clientSize() const;
    int linkAt(int x, int y) const;
    int linkUnderCursor() const;
    void setHover(int link);
    void scrollTo(int y);
    void scrollIntoView(int link);
    int nextFocusable(int from, int direction) const;
    void moveFocus(int direction);
    void activate(int link);

    HWND window_;
    Document doc_;
    std::string sheetText_;
    StyleSheet sheet_;
    std::vector<Style> styles_;
    Layout layout_;
    FontCache fonts_;
    BackBuffer buffer_;
    ActivateHandler onActivate_;

    int scrollY_ = 0;
    int wheelRemainder_ = 0;
    int hover_ = -1;
    int pressed_ = -1;
    int focusLink_ = -1;
    bool keyboardCues_ = false;  // the focus rectangle shows once the keyboard has been used
    bool trackingMouse_ = false;
    bool changingScrollBar_ = false;
};

// The view of a pane window, or nullptr.
View* ViewOf(HWND window);

// Creates a pane window, registering its window class on first use.
HWND CreatePaneWindow(const char* className, WNDPROC procedure, HWND parent, int x, int y, int width, int height,
                      int id);

// The window procedure of a pane whose state is a `State` holding a `view`: the state is
// made at WM_NCCREATE and deleted at WM_NCDESTROY; the view answers what it handles.
template <class State>
LRESULT CALLBACK PaneWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto state = reinterpret_cast<State*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (message == WM_NCCREATE) {
        state = new State(window);
        SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(state));
    } else if (message == WM_NCDESTROY) {
        SetWindowLongPtrA(window, GWLP_USERDATA, 0);
        delete state;
        return DefWindowProcA(window, message, wParam, lParam);
    }
    LRESULT result = 0;
    if (state && state->view.handle(message, wParam, lParam, result)) return result;
    return DefWindowProcA(window, message, wParam, lParam);
}

// The state of a pane of the class named, or nullptr for any other window.
template <class State>
State* PaneState(HWND window, const char* className) {
    char name[64] = "";
    if (!window || !GetClassNameA(window, name, sizeof name) || lstrcmpiA(name, className) != 0) return nullptr;
    return reinterpret_cast<State*>(GetWindowLongPtrA(window, GWLP_USERDATA));
}

}  // namespace html
