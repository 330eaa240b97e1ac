#include "runtime/browser_pane.h"

#include "runtime/files.h"
#include "runtime/html/address.h"
#include "runtime/html/view.h"
#include "runtime/services.h"

namespace rt {

const char kBrowserPaneClass[] = "LzBrowserPane";

namespace {

void Navigate(HWND window, const std::string& target);

bool IsBlank(const std::string& address) { return address.empty() || lstrcmpiA(address.c_str(), "about:blank") == 0; }

std::string Escaped(const std::string& text) {
    std::string out;
    for (char c : text) {
        if (c == '&') out += "&amp;";
        else if (c == '<') out += "&lt;";
        else if (c == '>') out += "&gt;";
        else out += c;
    }
    return out;
}

// What the pane shows instead of a blank page when an address cannot be read.
std::string FailurePage(const std::string& reason, const std::string& address) {
    return "<style>body {font-family:\"微软雅黑\"; font-size:12pt; color:#333333} h3 {color:#ff9900}</style>"
           "<h3>无法显示该页</h3><p>" + reason + "<br>" + Escaped(address) + "</p>";
}

// Pages are GBK; one that says it is UTF-8 (a byte-order mark, or a charset in its head)
// is turned into GBK so that it shows too.
std::string AsGbk(const std::string& page) {
    bool bom = page.compare(0, 3, "\xEF\xBB\xBF") == 0;
    std::string head = page.substr(0, 2048);
    CharLowerBuffA(&head[0], static_cast<DWORD>(head.size()));
    if (!bom && head.find("charset=utf-8") == std::string::npos && head.find("charset=\"utf-8") == std::string::npos)
        return page;
    std::string body = bom ? page.substr(3) : page;
    int length = MultiByteToWideChar(CP_UTF8, 0, body.data(), static_cast<int>(body.size()), nullptr, 0);
    std::wstring wide(length, L'\0');
    MultiByteToWideChar(CP_UTF8, 0, body.data(), static_cast<int>(body.size()), &wide[0], length);
    return html::ToGbk(wide);
}

std::string ReadPage(const std::string& address) {
    std::string page;
    if (IsBlank(address)) return page;
    if (html::IsWebAddress(address)) return HttpReadFile(address, page) ? AsGbk(page) : FailurePage("无法读取该网页：", address);
    return ReadFileBytes(html::FilePathOf(address), page) ? AsGbk(page) : FailurePage("找不到该文件：", address);
}

struct BrowserPane {
    explicit BrowserPane(HWND window) : window(window), view(window) {
        view.setActivateHandler([this](const html::Link& link) { follow(link); });
    }

    // A web page brings its own styles only.
    void load() { view.show(ReadPage(address), std::string()); }

    // Only an href leads anywhere in a browser; an in-page anchor just scrolls.
    void follow(const html::Link& link) {
        const std::string& href = link.href;
        if (href.empty() || html::StartsWithNoCase(href, "javascript:")) return;
        if (href[0] == '#') {
            view.scrollToAnchor(href.substr(1));
            return;
        }
        Navigate(window, html::ResolveAddress(address, href));
    }

    HWND window;
    html::View view;
    std::string address;  // the page shown; during before-navigate, the one about to be loaded
    BeforeNavigateHandler onBeforeNavigate;
    unsigned navigations = 0;
};

BrowserPane* Pane(HWND pane) { return html::PaneState<BrowserPane>(pane, kBrowserPaneClass); }

void Navigate(HWND window, const std::string& target) {
    BrowserPane* pane = Pane(window);
    if (!pane) return;
    std::string previous = pane->address;
    unsigned navigation = ++pane->navigations;
    pane->address = target;
    BeforeNavigateHandler handler = pane->onBeforeNavigate;  // a copy: the handler may close the window
    bool proceed = !handler || handler();
    pane = Pane(window);
    if (!pane || pane->navigations != navigation) return;  // closed, or sent elsewhere by the handler itself
    if (!proceed) {
        pane->address = previous;
        return;
    }
    if (html::HasOtherScheme(target) && !IsBlank(target)) {  // mailto: and the like belong to other programs
        pane->address = previous;
        ShellOpen(target);
        return;
    }
    pane->load();
}

}  // namespace

HWND CreateBrowserPane(HWND parent, int x, int y, int width, int height, int id) {
    return html::CreatePaneWindow(kBrowserPaneClass, html::PaneWindowProc<BrowserPane>, parent, x, y, width, height,
                                  id);
}

void SetBrowserAddress(HWND pane, const std::string& address) { Navigate(pane, address); }

std::string BrowserAddress(HWND pane) {
    BrowserPane* p = Pane(pane);
    return p ? p->address : std::string();
}

void SetBeforeNavigateHandler(HWND pane, BeforeNavigateHandler handler) {
    if (BrowserPane* p = Pane(pane)) p->onBeforeNavigate = std::move(handler);
}

std::vector<PaneLink> BrowserLinks(HWND pane) {
    BrowserPane* p = Pane(pane);
    return p ? p->view.links() : std::vector<PaneLink>();
}

}  // namespace rt
