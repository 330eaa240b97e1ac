#pragma once
// The hypertext pane: shows GBK markup with a style sheet and raises a link-clicked
// event with the `event` attribute of the anchor the user activates (click, or Enter on
// the link that Tab moved the focus to). An anchor whose href is a web address is then
// opened with the shell.
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "runtime/pane_link.h"

namespace rt {

extern const char kHypertextPaneClass[];

using LinkClickedHandler = std::function<void(const std::string& eventText)>;

HWND CreateHypertextPane(HWND parent, int x, int y, int width, int height, int id);
void SetHypertextContent(HWND pane, const std::string& markup, const std::string& styleSheet);
// Replaces the markup and keeps the style sheet.
void SetHypertextMarkup(HWND pane, const std::string& markup);
std::string HypertextMarkup(HWND pane);
std::string HypertextStyleSheet(HWND pane);
void SetLinkClickedHandler(HWND pane, LinkClickedHandler handler);

// The links the pane shows now, in document order, with where each one stands.
std::vector<PaneLink> HypertextLinks(HWND pane);

}  // namespace rt
