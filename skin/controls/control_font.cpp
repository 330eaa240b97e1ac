#include "gdiplus/font.h"
#include "skin/controls/control_font.h"

namespace skin {

ControlFont ReadControlFont(HWND control) {
    ControlFont read;
    HFONT handle = reinterpret_cast<HFONT>(SendMessageA(control, WM_GETFONT, 0, 0));
    HDC dc = GetDC(control);
    gdip::Font font;
    gdip::FontFamily family;
    if (font.create(dc, handle)) {
        read.size = static_cast<int>(font.size());
        read.style = font.style();
        if (font.family(family)) read.name = family.name();
    }
    ReleaseDC(control, dc);
    return read;
}

ControlFont captionFontOf(HWND control) {
    ControlFont font = ReadControlFont(control);
    if (font.name.empty()) font.name = "宋体";
    if (font.size == 0) font.size = 12;
    return font;
}

}  // namespace skin
