#pragma once
// Layout: block and inline flow of a styled document into lines of text runs, wrapped
// at spaces and between CJK characters to a given width.
#include <climits>
#include <string>
#include <utility>
#include <vector>

#include "runtime/html/markup.h"
#include "runtime/html/style.h"

namespace html {

struct FontMetrics {
    int ascent = 0;
    int descent = 0;
};

// Measures text in the font a style asks for: GDI fonts in the view, a fixed-width
// stand-in in tests.
class TextMeasurer {
public:
    virtual ~TextMeasurer() = default;
    virtual FontMetrics metrics(const Style& style) = 0;
    // extents[k] = the width of text[0..k], for k in [0, length).
    virtual void measure(const Style& style, const wchar_t* text, int length, int* extents) = 0;
};

struct Box {
    int left = 0, top = 0, right = 0, bottom = 0;
};

struct Run {
    int x = 0, y = 0, width = 0, height = 0;  // in page coordinates
    int baseline = 0;
    int textStart = 0, textLength = 0;  // in Layout::text
    int node = -1;  // the node whose style draws the run
    int link = -1;  // index in Layout::links, or -1
};

struct Line {
    int top = 0, height = 0;
    int firstRun = 0, endRun = 0;  // runs [firstRun, endRun), list markers included
};

struct HorizontalRule {
    int x = 0, y = 0, width = 0;
    int node = -1;
};

struct Link {
    int node = -1;  // the anchor
    bool hasEvent = false;
    std::string eventText;  // GBK, as written in the event attribute
    std::string href;       // GBK; empty when the anchor has none
};

struct Layout {
    int width = 0;
    int height = 0;  // of the whole page
    std::wstring text;
    std::vector<Run> runs;
    std::vector<Line> lines;  // top to bottom
    std::vector<HorizontalRule> rules;
    std::vector<Link> links;  // in document order
};

constexpr int kRuleHeight = 2;

Layout LayOut(const Document& doc, const std::vector<Style>& styles, int width, TextMeasurer& measurer);
// The same into `out`, whose storage is reused. Layout stops once a line ends below
// `stopBelow`: then `out` holds the page down to there and a height beyond it, which is
// all a caller asking "does it fit?" needs.
void LayOut(const Document& doc, const std::vector<Style>& styles, int width, TextMeasurer& measurer, Layout& out,
            int stopBelow = INT_MAX);

// The link whose text is at a point of the page, or -1.
int LinkAt(const Layout& layout, int x, int y);
// The lines that meet the band [top, bottom) of the page: indexes [first, second).
std::pair<int, int> LinesBetween(const Layout& layout, int top, int bottom);
// Where a link's text stands, one box per run; empty when the link shows nothing.
std::vector<Box> LinkBoxes(const Layout& layout, int link);

}  // namespace html
