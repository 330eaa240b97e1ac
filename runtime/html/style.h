#pragma once
// Style sheets and computed styles: the CSS subset the program's pages use, with the
// defaults a browser gives the common elements.
#include <cstdint>
#include <string>
#include <vector>

#include "runtime/html/markup.h"

namespace html {

struct Declaration {
    std::string property;  // lower-case
    std::string value;
};

enum class Pseudo { None, Link, Hover, Never };

struct Selector {
    std::string tag;  // empty: any element
    std::string id;
    std::string className;
    Pseudo pseudo = Pseudo::None;
    int specificity() const;
};

struct StyleRule {
    Selector selector;
    std::vector<Declaration> declarations;
};

struct StyleSheet {
    std::vector<StyleRule> rules;  // in source order; a selector list gives one rule each
};

// Never fails: rules it cannot read are skipped.
StyleSheet ParseStyleSheet(const std::string& text);
// The declarations of a style attribute.
std::vector<Declaration> ParseDeclarations(const std::string& text);

enum class Display { Inline, Block, ListItem, None };
enum class VerticalAlign { Baseline, Top, Bottom, Sub, Super };
enum class TextAlign { Left, Center, Right };

struct Style {
    // inherited
    int fontSize = 16;  // pixels
    uint32_t color = 0;  // a Windows colour value: 0x00BBGGRR
    std::string fontFamily;  // GBK; empty: the view's default face
    int fontWeight = 400;
    bool italic = false;
    bool underline = false;
    bool lineThrough = false;
    TextAlign textAlign = TextAlign::Left;
    bool preserveSpaces = false;
    // not inherited
    Display display = Display::Inline;
    VerticalAlign verticalAlign = VerticalAlign::Baseline;  // shared by an inline element's content
    int marginTop = 0, marginRight = 0, marginBottom = 0, marginLeft = 0;
};

// True when the two styles lay text out alike, so that one may replace the other
// without a new layout (a hover that only recolours or underlines).
bool SameGeometry(const Style& a, const Style& b);

// A link is an anchor that the user can activate: one with an href or an event text.
bool IsLink(const Document& doc, int node);

// The style of every node (text nodes take their parent's), by node index. `hoveredLink`
// is the anchor node under the mouse, or -1.
std::vector<Style> ComputeStyles(const Document& doc, const StyleSheet& sheet, int hoveredLink);
// The same into `styles`, whose storage is reused.
void ComputeStyles(const Document& doc, const StyleSheet& sheet, int hoveredLink, std::vector<Style>& styles);

// Computes the styles of `root` and of everything inside it again, after the hovered link
// changed. True when any of them now lays out differently, so the page needs a new layout.
bool RestyleSubtree(const Document& doc, const StyleSheet& sheet, int hoveredLink, int root, std::vector<Style>& styles);

// Colour names, "#rgb" and "#rrggbb" and "rgb(r, g, b)"; false when it is none of them.
bool ParseColor(const std::string& text, uint32_t& color);

}  // namespace html
