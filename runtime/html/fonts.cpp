#include "runtime/html/fonts.h"

#include <algorithm>
#include <cstring>

namespace html {
namespace {

// The face of text that no style names a family for, as in Chinese browsers.
const char kDefaultFace[] = "宋体";

// GetTextExtentExPoint is asked for at most this many characters at once.
constexpr int kMeasureChunk = 4096;
constexpr int kUnknownWidth = -1;

bool IsSurrogate(wchar_t c) { return c >= 0xD800 && c <= 0xDFFF; }

HFONT CreateStyleFont(const Style& style) {
    LOGFONTA lf{};
    lf.lfHeight = -style.fontSize;  // the em size in pixels, as CSS means it
    lf.lfWeight = style.fontWeight;
    lf.lfItalic = style.italic;
    lf.lfUnderline = style.underline;
    lf.lfStrikeOut = style.lineThrough;
    lf.lfCharSet = DEFAULT_CHARSET;
    lf.lfOutPrecision = OUT_TT_PRECIS;
    lf.lfQuality = CLEARTYPE_QUALITY;
    const std::string& face = style.fontFamily.empty() ? std::string(kDefaultFace) : style.fontFamily;
    std::strncpy(lf.lfFaceName, face.c_str(), LF_FACESIZE - 1);
    return CreateFontIndirectA(&lf);
}

// A line is at least 1.2 em high, as "line-height: normal" is in browsers; the extra
// room is shared above and below the text.
FontMetrics LineMetrics(const TEXTMETRICW& tm, int fontSize) {
    int leading = std::max<int>(tm.tmExternalLeading, (fontSize * 6 + 4) / 5 - (tm.tmAscent + tm.tmDescent));
    return {tm.tmAscent + leading / 2, tm.tmDescent + leading - leading / 2};
}

}  // namespace

FontCache::FontCache() : measuringDc_(CreateCompatibleDC(nullptr)) {
    originalFont_ = GetCurrentObject(measuringDc_, OBJ_FONT);
}

FontCache::~FontCache() {
    SelectObject(measuringDc_, originalFont_);
    for (auto& item : fonts_) DeleteObject(item.second.font);
    DeleteDC(measuringDc_);
}

// Text of one look comes in long stretches, so the look asked for last is tried first,
// before a key is made and searched for.
FontCache::Entry& FontCache::entry(const Style& style) {
    auto look = std::tie(style.fontFamily, style.fontSize, style.fontWeight, style.italic, style.underline,
                         style.lineThrough);
    if (last_ != fonts_.end() && last_->first == look) return last_->second;
    Key key(look);
    last_ = fonts_.find(key);
    if (last_ != fonts_.end()) return last_->second;
    Entry made;
    made.font = CreateStyleFont(style);
    selectForMeasuring(made.font);
    TEXTMETRICW tm{};
    GetTextMetricsW(measuringDc_, &tm);
    made.metrics = LineMetrics(tm, style.fontSize);
    last_ = fonts_.emplace(key, made).first;
    return last_->second;
}

void FontCache::selectForMeasuring(HFONT font) {
    if (GetCurrentObject(measuringDc_, OBJ_FONT) != font) SelectObject(measuringDc_, font);
}

HFONT FontCache::font(const Style& style) { return entry(style).font; }

FontMetrics FontCache::metrics(const Style& style) { return entry(style).metrics; }

int& FontCache::widthOf(Entry& entry, wchar_t c) {
    std::vector<int>& block = entry.widths[c >> 8];
    if (block.empty()) block.assign(256, kUnknownWidth);
    return block[c & 0xFF];
}

// Text whose every character has been seen in this font is summed from the table; other
// text is measured by GDI, which teaches the table its characters.
void FontCache::measure(const Style& style, const wchar_t* text, int length, int* extents) {
    Entry& e = entry(style);
    int x = 0;
    for (int i = 0; i < length; ++i) {
        int width = IsSurrogate(text[i]) ? kUnknownWidth : widthOf(e, text[i]);
        if (width == kUnknownWidth) return learnFrom(e, text, length, extents);
        x += width;
        extents[i] = x;
    }
}

void FontCache::learnFrom(Entry& e, const wchar_t* text, int length, int* extents) {
    if (!measureWithExtents(e, text, length, extents)) return;
    for (int i = 0; i < length; ++i)  // a surrogate half has no width of its own
        if (!IsSurrogate(text[i])) widthOf(e, text[i]) = extents[i] - (i > 0 ? extents[i - 1] : 0);
}

// The text measured whole by GDI, in pieces it takes at once; false (and no widths) when
// GDI could not measure it.
bool FontCache::measureWithExtents(Entry& e, const wchar_t* text, int length, int* extents) {
    selectForMeasuring(e.font);
    int offset = 0;
    for (int start = 0; start < length; start += kMeasureChunk) {
        int count = std::min(kMeasureChunk, length - start);
        SIZE size{};
        if (!GetTextExtentExPointW(measuringDc_, text + start, count, 0, nullptr, extents + start, &size)) {
            std::fill(extents, extents + length, 0);
            return false;
        }
        for (int i = start; i < start + count; ++i) extents[i] += offset;
        offset = extents[start + count - 1];
    }
    return true;
}

std::vector<HGDIOBJ> FontCache::objects() const {
    std::vector<HGDIOBJ> objects{measuringDc_};
    for (const auto& item : fonts_) objects.push_back(item.second.font);
    return objects;
}

}  // namespace html
