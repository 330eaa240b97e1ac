#include "runtime/hypertext_pane.h"

#include "runtime/html/view.h"
#include "runtime/services.h"
#include "runtime/html/address.h"

namespace rt {

const char kHypertextPaneClass[] = "LzHypertextPane";

namespace {

struct HypertextPane {
    explicit HypertextPane(HWND window) : view(window) {
        view.setActivateHandler([this](const html::Link& link) { activate(link); });
    }

    void show() { view.show(markup, styleSheet); }

    // The event first; the handler may replace the page or close the window, so what
    // follows uses copies only.
    void activate(const html::Link& link) {
        LinkClickedHandler handler = onLinkClicked;
        std::string href = link.href;
        if (link.hasEvent && handler) handler(link.eventText);
        if (html::IsWebAddress(href)) ShellOpen(href);
    }

    html::View view;
    std::string markup, styleSheet;
    LinkClickedHandler onLinkClicked;
};

HypertextPane* Pane(HWND pane) { return html::PaneState<HypertextPane>(pane, kHypertextPaneClass); }

}  // namespace

HWND CreateHypertextPane(HWND parent, int x, int y, int width, int height, int id) {
    return html::CreatePaneWindow(kHypertextPaneClass, html::PaneWindowProc<HypertextPane>, parent, x, y, width,
                                  height, id);
}

void SetHypertextContent(HWND pane, const std::string& markup, const std::string& styleSheet) {
    HypertextPane* p = Pane(pane);
    if (!p) return;
    p->markup = markup;
    p->styleSheet = styleSheet;
    p->show();
}

void SetHypertextMarkup(HWND pane, const std::string& markup) {
    HypertextPane* p = Pane(pane);
    if (!p) return;
    p->markup = markup;
    p->show();
}

std::string HypertextMarkup(HWND pane) {
    HypertextPane* p = Pane(pane);
    return p ? p->markup : std::string();
}

std::string HypertextStyleSheet(HWND pane) {
    HypertextPane* p = Pane(pane);
    return p ? p->styleSheet : std::string();
}

void SetLinkClickedHandler(HWND pane, LinkClickedHandler handler) {
    if (HypertextPane* p = Pane(pane)) p->onLinkClicked = std::move(handler);
}

std::vector<PaneLink> HypertextLinks(HWND pane) {
    HypertextPane* p = Pane(pane);
    return p ? p->view.links() : std::vector<PaneLink>();
}

}  // namespace rt
