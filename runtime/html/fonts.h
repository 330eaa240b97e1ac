#pragma once
// The GDI fonts of a view: one per distinct look, made on first use through the system's
// font mapper and deleted with the cache. The cache also measures text for the layout
// with those same fonts.
#include <windows.h>

#include <map>
#include <tuple>
#include <vector>

#include "runtime/html/layout.h"
#include "runtime/html/style.h"

namespace html {

class FontCache : public TextMeasurer {
public:
    FontCache();
    ~FontCache() override;
    FontCache(const FontCache&) = delete;
    FontCache& operator=(const FontCache&) = delete;

    HFONT font(const Style& style);
    FontMetrics metrics(const Style& style) override;
    void measure(const Style& style, const wchar_t* text, int length, int* extents) override;

    // Every GDI object the cache holds now, for leak checks.
    std::vector<HGDIOBJ> objects() const;

private:
    using Key = std::tuple<std::string, int, int, bool, bool, bool>;
    struct Entry {
        HFONT font = nullptr;
        FontMetrics metrics;
        // The advance width of every character met so far, in blocks by its high byte.
        // GDI draws with the same integer advances, and a table look-up is far cheaper
        // than an extent call for every piece of text.
        std::vector<std::vector<int>> widths = std::vector<std::vector<int>>(256);
    };
    Entry& entry(const Style& style);
    void selectForMeasuring(HFONT font);
    int& widthOf(Entry& entry, wchar_t c);
    void learnFrom(Entry& entry, const wchar_t* text, int length, int* extents);
    bool measureWithExtents(Entry& entry, const wchar_t* text, int length, int* extents);

    std::map<Key, Entry> fonts_;
    std::map<Key, Entry>::iterator last_ = fonts_.end();  // the look asked for last
    HDC measuringDc_ = nullptr;
    HGDIOBJ originalFont_ = nullptr;
};

}  // namespace html
