#pragma once
// GDI+ fonts and font families. Names are the program's GBK text.
#include <windows.h>

#include <string>

#include "gdiplus/native_object.h"

namespace gdip {

namespace detail {
int deleteFontFamily(Gdiplus::GpFontFamily* family);
int deleteFont(Gdiplus::GpFont* font);
}  // namespace detail

class FontFamily : public NativeObject<Gdiplus::GpFontFamily, detail::deleteFontFamily> {
public:
    // A family of the installed fonts.
    bool create(const std::string& name);
    // The family name; empty when it cannot be read.
    std::string name() const;
};

class Font : public NativeObject<Gdiplus::GpFont, detail::deleteFont> {
public:
    // style: bits 1 bold, 2 italic, 4 underline, 8 strikeout; unit: 2 pixel, 3 point.
    // A family name that is not installed fails with FontFamilyNotFound and leaves the
    // font empty.
    bool create(const std::string& familyName, float size, int style, int unit);
    // The font selected by a Windows font handle, or the DC's own font when the handle is
    // null or names no font.
    bool create(HDC dc, HFONT font);

    // Puts this font's family into `family`.
    bool family(FontFamily& family) const;
    int style() const;
    float size() const;
};

}  // namespace gdip
