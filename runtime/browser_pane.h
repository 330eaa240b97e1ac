#pragma once
// The browser pane: navigates to the address it is given and raises a before-navigate
// event before every navigation, during which BrowserAddress() reads the address about
// to be loaded. A handler answering false cancels the navigation.
#include <windows.h>

#include <functional>
#include <string>

namespace rt {

extern const char kBrowserPaneClass[];

using BeforeNavigateHandler = std::function<bool()>;

HWND CreateBrowserPane(HWND parent, int x, int y, int width, int height, int id);
void SetBrowserAddress(HWND pane, const std::string& address);
std::string BrowserAddress(HWND pane);
void SetBeforeNavigateHandler(HWND pane, BeforeNavigateHandler handler);

}  // namespace rt
