#pragma once
// A link as a pane shows it, for automation and tests: its anchor's texts and where
// its text begins on the screen.
#include <windows.h>

#include <string>

namespace rt {

struct PaneLink {
    bool hasEvent = false;
    std::string eventText;  // GBK, as in the anchor's event attribute
    std::string href;       // empty when the anchor has none
    RECT box{};             // its first piece of text, client coordinates; empty when it shows none
};

}  // namespace rt
