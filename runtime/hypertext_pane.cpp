// Placeholder until the HTML view lands: keeps the content and the handler.
#include "runtime/hypertext_pane.h"

#include <memory>

namespace rt {

const char kHypertextPaneClass[] = "LzHypertextPane";

namespace {
struct PaneState {
    std::string markup, styleSheet;
    LinkClickedHandler onLink;
};
PaneState* State(HWND pane) { return reinterpret_cast<PaneState*>(GetWindowLongPtrA(pane, GWLP_USERDATA)); }

LRESULT CALLBACK PaneProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_NCDESTROY) {
        delete State(hwnd);
        SetWindowLongPtrA(hwnd, GWLP_USERDATA, 0);
    }
    return DefWindowProcA(hwnd, msg, wParam, lParam);
}
}  // namespace

HWND CreateHypertextPane(HWND parent, int x, int y, int width, int height, int id) {
    static ATOM atom = [] {
        WNDCLASSA wc{};
        wc.lpfnWndProc = PaneProc;
        wc.hInstance = GetModuleHandleA(nullptr);
        wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
        wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
        wc.lpszClassName = kHypertextPaneClass;
        return RegisterClassA(&wc);
    }();
    (void)atom;
    HWND pane = CreateWindowExA(0, kHypertextPaneClass, "", WS_CHILD | WS_VISIBLE | WS_TABSTOP, x, y, width,
                                height, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                                GetModuleHandleA(nullptr), nullptr);
    if (pane) SetWindowLongPtrA(pane, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(new PaneState));
    return pane;
}

void SetHypertextContent(HWND pane, const std::string& markup, const std::string& styleSheet) {
    if (PaneState* s = State(pane)) {
        s->markup = markup;
        s->styleSheet = styleSheet;
    }
}
void SetHypertextMarkup(HWND pane, const std::string& markup) {
    if (PaneState* s = State(pane)) s->markup = markup;
}
std::string HypertextMarkup(HWND pane) { PaneState* s = State(pane); return s ? s->markup : std::string(); }
std::string HypertextStyleSheet(HWND pane) { PaneState* s = State(pane); return s ? s->styleSheet : std::string(); }
void SetLinkClickedHandler(HWND pane, LinkClickedHandler handler) {
    if (PaneState* s = State(pane)) s->onLink = std::move(handler);
}

}  // namespace rt
