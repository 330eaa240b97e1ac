#pragma once
// The browser pane: navigates to the address it is given and raises a before-navigate
// event before every navigation (the first one and every link followed), during which
// BrowserAddress() reads the address about to be loaded. A handler answering false
// cancels the navigation. Plain paths and file: URLs load local GBK pages, styled by
// their own <style> blocks; http:// and https:// pages come through the runtime's HTTP
// read. Links resolve against the page they are on.
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "runtime/pane_link.h"

namespace rt {

extern const char kBrowserPaneClass[];

using BeforeNavigateHandler = std::function<bool()>;

HWND CreateBrowserPane(HWND parent, int x, int y, int width, int height, int id);
void SetBrowserAddress(HWND pane, const std::string& address);
std::string BrowserAddress(HWND pane);
void SetBeforeNavigateHandler(HWND pane, BeforeNavigateHandler handler);

// The links the page shows now, in document order, with where each one stands.
std::vector<PaneLink> BrowserLinks(HWND pane);

}  // namespace rt
