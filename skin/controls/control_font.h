#pragma once
// The font a skinned control's caption is drawn in, read once when it is installed.
#include <windows.h>

#include <string>

namespace skin {

struct ControlFont {
    std::string name;  // GBK; empty when GDI+ cannot read the font
    int size = 0;      // as GDI+ reports it, truncated toward zero
    int style = 0;     // GDI+ style bits
};

// The font the control draws with: its WM_GETFONT font, else its DC's.
ControlFont ReadControlFont(HWND control);

// What a caption is drawn in when the control's font cannot be read: the program's font.
ControlFont captionFontOf(HWND control);

}  // namespace skin
