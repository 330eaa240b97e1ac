#include "gdiplus/font.h"

#include "gdiplus/flat_api.h"
#include "gdiplus/wide_text.h"

namespace gdip {

int detail::deleteFontFamily(Gdiplus::GpFontFamily* family) {
    return flat::invoke(flat::GdipDeleteFontFamily(), family);
}

int detail::deleteFont(Gdiplus::GpFont* font) { return flat::invoke(flat::GdipDeleteFont(), font); }

bool FontFamily::create(const std::string& name) {
    const std::wstring wide = toWide(name);
    Gdiplus::GpFontFamily* created = nullptr;
    // A null collection stands for the installed fonts.
    return adopt(flat::call(flat::GdipCreateFontFamilyFromName(), wide.c_str(), nullptr, &created), created);
}

std::string FontFamily::name() const {
    WCHAR name[LF_FACESIZE] = {};
    if (flat::call(flat::GdipGetFamilyName(), native_, name, 0) != Ok) return {};
    return fromWide(name);
}

bool Font::create(const std::string& familyName, float size, int style, int unit) {
    FontFamily family;
    // Without the family there is nothing to make the font from; its status
    // (FontFamilyNotFound) is the one the caller sees.
    if (!family.create(familyName)) return false;
    Gdiplus::GpFont* created = nullptr;
    return adopt(flat::call(flat::GdipCreateFont(), family.handle(), size, style, unit, &created), created);
}

bool Font::create(HDC dc, HFONT font) {
    Gdiplus::GpFont* created = nullptr;
    LOGFONTA logFont{};
    if (font && GetObjectA(font, sizeof logFont, &logFont)) {
        return adopt(flat::call(flat::GdipCreateFontFromLogfontA(), dc, &logFont, &created), created);
    }
    return adopt(flat::call(flat::GdipCreateFontFromDC(), dc, &created), created);
}

bool Font::family(FontFamily& family) const {
    Gdiplus::GpFontFamily* found = nullptr;
    return family.adopt(flat::call(flat::GdipGetFamily(), native_, &found), found);
}

int Font::style() const { return flat::read<INT>(flat::GdipGetFontStyle(), native_); }

float Font::size() const { return flat::read<float>(flat::GdipGetFontSize(), native_); }

}  // namespace gdip
