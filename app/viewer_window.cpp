#include "app/viewer_window.h"

#include "app/skin_hookup.h"
#include "app/window_designs.h"
#include "app/window_rules.h"
#include "runtime/browser_pane.h"
#include "runtime/services.h"
#include "runtime/window.h"

namespace {

// Web links open in the system's browser; everything else loads in the viewer.
bool OnViewerNavigate(HWND pane) {
    if (rt::BrowserAddress(pane).compare(0, 7, "http://") != 0) return true;
    rt::ShellOpen(rt::BrowserAddress(pane));
    return false;
}

void OnViewerSizeChanged(HWND window) {
    EnforceMinimumSize(window, {MemoViewerWindowDesign.minWidth, MemoViewerWindowDesign.minHeight});
    RECT pane = ViewerPaneRect(rt::ClientSize(window));
    rt::MoveControl(rt::FindControl(window, "超文本浏览框1"), pane.left, pane.top, pane.right - pane.left,
                    pane.bottom - pane.top);
}

}  // namespace

HWND LoadViewerWindow(HWND parent) {
    rt::WindowEvents events;
    events.created = [](HWND window) { ApplySkin(window); };
    events.sizeChanged = OnViewerSizeChanged;
    events.controls = {{"超文本浏览框1", {.beforeNavigate = OnViewerNavigate}}};
    return rt::LoadWindow(MemoViewerWindowDesign, events, parent);
}

void ShowMemoInViewer(HWND viewer, const std::string& caption, const std::string& pagePath) {
    HWND pane = rt::FindControl(viewer, "超文本浏览框1");
    rt::SetWindowTextTo(viewer, caption);
    rt::SetBrowserAddress(pane, pagePath);
}
