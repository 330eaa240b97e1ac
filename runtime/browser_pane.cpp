// Placeholder until the HTML view lands: keeps the content and the handler.
#include "runtime/browser_pane.h"

#include <memory>

namespace rt {

const char kBrowserPaneClass[] = "LzBrowserPane";

namespace {
struct PaneState {
    std::string markup;  // the address
    BeforeNavigateHandler onNavigate;
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

HWND CreateBrowserPane(HWND parent, int x, int y, int width, int height, int id) {
    static ATOM atom = [] {
        WNDCLASSA wc{};
        wc.lpfnWndProc = PaneProc;
        wc.hInstance = GetModuleHandleA(nullptr);
        wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
        wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
        wc.lpszClassName = kBrowserPaneClass;
        return RegisterClassA(&wc);
    }();
    (void)atom;
    HWND pane = CreateWindowExA(0, kBrowserPaneClass, "", WS_CHILD | WS_VISIBLE | WS_TABSTOP, x, y, width,
                                height, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                                GetModuleHandleA(nullptr), nullptr);
    if (pane) SetWindowLongPtrA(pane, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(new PaneState));
    return pane;
}

void SetBrowserAddress(HWND pane, const std::string& address) {
    PaneState* s = State(pane);
    if (!s) return;
    std::string previous = s->markup;
    s->markup = address;
    if (s->onNavigate && !s->onNavigate()) s->markup = previous;
}
std::string BrowserAddress(HWND pane) { PaneState* s = State(pane); return s ? s->markup : std::string(); }
void SetBeforeNavigateHandler(HWND pane, BeforeNavigateHandler handler) {
    if (PaneState* s = State(pane)) s->onNavigate = std::move(handler);
}

}  // namespace rt
