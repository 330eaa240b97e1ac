#include "runtime/html/style.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <unordered_map>

namespace html {
namespace {

// What a browser gives the elements before any page style applies. The pane shows
// pages without a style sheet too (a memo body typed with plain tags).
const char kDefaultStyleSheet[] = R"(
body {display:block; margin:6px; font-size:16px; font-family:"宋体"}
div, center, p, h1, h2, h3, h4, h5, h6, ul, ol, dl, dt, dd, hr, pre, blockquote, address, form, table, tr {display:block}
head, title, script, style, meta, link {display:none}
li {display:list-item}
center {text-align:center}
p {margin:1em 0}
h1 {font-size:2em; margin:.67em 0; font-weight:bold}
h2 {font-size:1.5em; margin:.83em 0; font-weight:bold}
h3 {font-size:1.17em; margin:1em 0; font-weight:bold}
h4 {font-size:1em; margin:1.33em 0; font-weight:bold}
h5 {font-size:.83em; margin:1.67em 0; font-weight:bold}
h6 {font-size:.67em; margin:2.33em 0; font-weight:bold}
b, strong, th {font-weight:bold}
i, em, cite, var, dfn, address {font-style:italic}
u, ins {text-decoration:underline}
s, strike, del {text-decoration:line-through}
big {font-size:larger}
small {font-size:smaller}
sub {vertical-align:sub; font-size:smaller}
sup {vertical-align:super; font-size:smaller}
ul, ol {margin:1em 0 1em 2.5em}
dd {margin-left:2.5em}
blockquote {margin:1em 2.5em}
hr {margin:.5em 0}
pre {white-space:pre; margin:1em 0; font-family:monospace}
tt, code, kbd, samp {font-family:monospace}
a:link {color:blue; text-decoration:underline}
)";

bool IsSpace(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\f'; }

std::string Lower(std::string text) {
    for (char& c : text)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return text;
}

std::string Trim(const std::string& text) {
    size_t begin = 0, end = text.size();
    while (begin < end && IsSpace(text[begin])) ++begin;
    while (end > begin && IsSpace(text[end - 1])) --end;
    return text.substr(begin, end - begin);
}

// --- reading style sheet text ---------------------------------------------------------

// Walks CSS text a character at a time, skipping comments and keeping quoted strings
// and GBK double-byte characters whole (a GBK second byte can be "{" or "}").
class CssReader {
public:
    explicit CssReader(const std::string& text) : s_(text) {}

    bool atEnd() const { return i_ >= s_.size(); }
    char peek() const { return s_[i_]; }
    void advance() { ++i_; }

    void skipSpace() {
        while (!atEnd()) {
            if (IsSpace(peek())) ++i_;
            else if (s_.compare(i_, 2, "/*") == 0) skipComment();
            else if (s_.compare(i_, 4, "<!--") == 0) i_ += 4;  // old pages hide styles in comments
            else if (s_.compare(i_, 3, "-->") == 0) i_ += 3;
            else return;
        }
    }

    // The text up to the first of `stops` outside strings and comments (not consumed).
    std::string readUntil(const char* stops) {
        std::string out;
        while (!atEnd() && !std::strchr(stops, peek())) {
            if (s_.compare(i_, 2, "/*") == 0) {
                skipComment();
                out += ' ';
                continue;
            }
            size_t length = lengthOfCharacterAt(i_);
            out.append(s_, i_, length);
            i_ += length;
        }
        return out;
    }

    // Skips a block in braces, nested ones included; the reader stands on "{".
    void skipBlock() {
        int depth = 0;
        do {
            readUntil("{}");
            if (atEnd()) return;
            depth += peek() == '{' ? 1 : -1;
            advance();
        } while (depth > 0);
    }

private:
    void skipComment() {
        size_t end = s_.find("*/", i_ + 2);
        i_ = end == std::string::npos ? s_.size() : end + 2;
    }

    size_t lengthOfCharacterAt(size_t at) const {
        char c = s_[at];
        if (c == '"' || c == '\'') {
            size_t end = s_.find(c, at + 1);
            return end == std::string::npos ? s_.size() - at : end + 1 - at;
        }
        bool lead = static_cast<unsigned char>(c) >= 0x81;
        return lead && at + 1 < s_.size() ? 2 : 1;
    }

    const std::string& s_;
    size_t i_ = 0;
};

std::vector<std::string> SplitOutsideStrings(const std::string& text, const char* separator) {
    std::vector<std::string> parts;
    CssReader reader(text);
    while (true) {
        parts.push_back(reader.readUntil(separator));
        if (reader.atEnd()) return parts;
        reader.advance();
    }
}

bool IsNameChar(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '-' || c == '_' ||
           static_cast<unsigned char>(c) >= 0x80;
}

std::string ReadName(const std::string& text, size_t& i) {
    size_t start = i;
    while (i < text.size() && IsNameChar(text[i])) ++i;
    return text.substr(start, i - start);
}

Pseudo PseudoNamed(const std::string& name) {
    if (name == "link") return Pseudo::Link;
    if (name == "hover") return Pseudo::Hover;
    return Pseudo::Never;  // :visited, :active, :focus... never apply here
}

// A simple selector: tag, #id, .class and one pseudo-class. Combinators are not read;
// a rule using them is skipped rather than applied too widely.
bool ParseSelector(const std::string& text, Selector& selector) {
    size_t i = 0;
    if (i < text.size() && text[i] == '*') ++i;
    else selector.tag = Lower(ReadName(text, i));
    while (i < text.size()) {
        char mark = text[i++];
        std::string name = ReadName(text, i);
        if (name.empty()) return false;
        if (mark == '#' && selector.id.empty()) selector.id = name;
        else if (mark == '.' && selector.className.empty()) selector.className = Lower(name);
        else if (mark == ':' && selector.pseudo == Pseudo::None) selector.pseudo = PseudoNamed(Lower(name));
        else return false;
    }
    return !text.empty();
}

void AddRules(StyleSheet& sheet, const std::string& selectors, const std::vector<Declaration>& declarations) {
    for (const std::string& part : SplitOutsideStrings(selectors, ",")) {
        StyleRule rule;
        if (ParseSelector(Trim(part), rule.selector)) {
            rule.declarations = declarations;
            sheet.rules.push_back(std::move(rule));
        }
    }
}

// --- values -----------------------------------------------------------------------------

struct NamedColor {
    const char* name;
    uint32_t rgb;  // 0xRRGGBB as written in CSS
};

const NamedColor kColors[] = {
    {"black", 0x000000},  {"white", 0xFFFFFF},   {"red", 0xFF0000},    {"green", 0x008000},  {"blue", 0x0000FF},
    {"yellow", 0xFFFF00}, {"orange", 0xFFA500},  {"gray", 0x808080},   {"grey", 0x808080},   {"silver", 0xC0C0C0},
    {"maroon", 0x800000}, {"purple", 0x800080},  {"fuchsia", 0xFF00FF}, {"magenta", 0xFF00FF}, {"lime", 0x00FF00},
    {"olive", 0x808000},  {"navy", 0x000080},    {"teal", 0x008080},   {"aqua", 0x00FFFF},   {"cyan", 0x00FFFF},
    {"pink", 0xFFC0CB},   {"brown", 0xA52A2A},   {"gold", 0xFFD700},   {"darkgreen", 0x006400},
    {"darkblue", 0x00008B}, {"darkred", 0x8B0000}, {"darkgray", 0xA9A9A9}, {"lightgray", 0xD3D3D3},
};

uint32_t FromRgb(uint32_t rgb) { return ((rgb >> 16) & 0xFF) | (rgb & 0xFF00) | ((rgb & 0xFF) << 16); }

bool ParseHexColor(const std::string& hex, uint32_t& color) {
    if (hex.size() != 3 && hex.size() != 6) return false;
    if (hex.find_first_not_of("0123456789abcdef") != std::string::npos) return false;
    uint32_t value = std::strtoul(hex.c_str(), nullptr, 16);
    if (hex.size() == 3)  // #abc is #aabbcc
        value = ((value & 0xF00) << 12 | (value & 0xF00) << 8) | ((value & 0xF0) << 8 | (value & 0xF0) << 4) |
                ((value & 0xF) << 4 | (value & 0xF));
    color = FromRgb(value);
    return true;
}

bool ParseRgbFunction(const std::string& text, uint32_t& color) {
    if (text.compare(0, 4, "rgb(") != 0 || text.back() != ')') return false;
    std::vector<std::string> parts = SplitOutsideStrings(text.substr(4, text.size() - 5), ",");
    if (parts.size() != 3) return false;
    uint32_t rgb = 0;
    for (const std::string& part : parts) {
        std::string value = Trim(part);
        if (value.empty()) return false;
        double channel = std::atof(value.c_str());
        if (value.back() == '%') channel = channel * 255 / 100;
        rgb = rgb << 8 | static_cast<uint32_t>(std::lround(std::min(255.0, std::max(0.0, channel))));
    }
    color = FromRgb(rgb);
    return true;
}

struct Length {
    double value = 0;
    enum Unit { Px, Pt, Em, Percent } unit = Px;
};

bool ParseLength(const std::string& text, Length& length) {
    char* end = nullptr;
    length.value = std::strtod(text.c_str(), &end);
    if (end == text.c_str()) return false;
    std::string unit = Trim(end);
    if (unit.empty() || unit == "px") length.unit = Length::Px;
    else if (unit == "pt") length.unit = Length::Pt;
    else if (unit == "em") length.unit = Length::Em;
    else if (unit == "%") length.unit = Length::Percent;
    else return false;
    return true;
}

// Pages are laid out at 96 dots per inch, the screen resolution the windows are designed for.
double ToPixels(const Length& length, double emBase) {
    switch (length.unit) {
    case Length::Pt: return length.value * 96 / 72;
    case Length::Em: return length.value * emBase;
    case Length::Percent: return length.value * emBase / 100;
    case Length::Px: break;
    }
    return length.value;
}

bool ParseFontSize(const std::string& value, int parentSize, int& size) {
    static const struct {
        const char* name;
        int pixels;
    } keywords[] = {{"xx-small", 9}, {"x-small", 10}, {"small", 13}, {"medium", 16},
                    {"large", 18},   {"x-large", 24}, {"xx-large", 32}};
    double pixels = -1;
    for (const auto& keyword : keywords)
        if (value == keyword.name) pixels = keyword.pixels;
    if (value == "larger") pixels = parentSize * 1.2;
    if (value == "smaller") pixels = parentSize / 1.2;
    Length length;
    if (pixels < 0 && ParseLength(value, length)) pixels = ToPixels(length, parentSize);
    if (pixels < 0) return false;
    // Bounded so that a typing slip cannot ask GDI for a font the size of a house.
    size = static_cast<int>(std::lround(std::min(500.0, std::max(1.0, pixels))));
    return true;
}

// <font size="1".."7"> and "+1"/"-2" relative to the default 3.
bool FontSizeAttribute(const std::string& value, int& size) {
    static const int pixels[] = {10, 13, 16, 18, 24, 32, 48};
    if (value.empty()) return false;
    int number = std::atoi(value.c_str());
    if (value[0] == '+' || value[0] == '-') number += 3;
    else if (value[0] < '0' || value[0] > '9') return false;
    size = pixels[std::min(7, std::max(1, number)) - 1];
    return true;
}

std::string FirstFontFamily(const std::string& value) {
    std::string family = Trim(SplitOutsideStrings(value, ",").front());
    if (family.size() >= 2 && (family[0] == '"' || family[0] == '\'') && family.back() == family[0])
        family = family.substr(1, family.size() - 2);
    if (Lower(family) == "monospace") return "新宋体";
    if (Lower(family) == "serif" || Lower(family) == "sans-serif") return "";
    return family;
}

// --- the cascade --------------------------------------------------------------------------

// Margins wait for the element's final font size, which their "em" refers to.
struct PendingMargins {
    Length sides[4];  // top, right, bottom, left
    bool given[4] = {false, false, false, false};
};

void SetMargins(const std::string& value, PendingMargins& margins) {
    std::vector<Length> lengths;
    for (const std::string& part : SplitOutsideStrings(value, " ")) {
        Length length;
        if (Trim(part).empty()) continue;
        if (!ParseLength(Trim(part), length) && Trim(part) != "auto") return;
        lengths.push_back(length);
    }
    static const int from[5][4] = {{0, 0, 0, 0}, {0, 0, 0, 0}, {0, 1, 0, 1}, {0, 1, 2, 1}, {0, 1, 2, 3}};
    if (lengths.empty() || lengths.size() > 4) return;
    for (int side = 0; side < 4; ++side) {
        margins.sides[side] = lengths[from[lengths.size()][side]];
        margins.given[side] = true;
    }
}

void SetMargin(int side, const std::string& value, PendingMargins& margins) {
    Length length;
    if (!ParseLength(value, length) && value != "auto") return;
    margins.sides[side] = length;
    margins.given[side] = true;
}

struct Cascade {
    Style& style;
    PendingMargins margins;
    int parentFontSize;
};

void ApplyTextDecoration(const std::string& value, Style& style) {
    if (value.find("none") != std::string::npos) style.underline = style.lineThrough = false;
    if (value.find("underline") != std::string::npos) style.underline = true;
    if (value.find("line-through") != std::string::npos) style.lineThrough = true;
}

void ApplyVerticalAlign(const std::string& value, Style& style) {
    static const struct {
        const char* name;
        VerticalAlign align;
    } names[] = {{"baseline", VerticalAlign::Baseline}, {"top", VerticalAlign::Top},
                 {"text-top", VerticalAlign::Top},      {"bottom", VerticalAlign::Bottom},
                 {"text-bottom", VerticalAlign::Bottom}, {"sub", VerticalAlign::Sub},
                 {"super", VerticalAlign::Super},       {"middle", VerticalAlign::Baseline}};
    for (const auto& name : names)
        if (value == name.name) style.verticalAlign = name.align;
}

void ApplyDisplay(const std::string& value, Style& style) {
    if (value == "block") style.display = Display::Block;
    else if (value == "inline" || value == "inline-block") style.display = Display::Inline;
    else if (value == "list-item") style.display = Display::ListItem;
    else if (value == "none") style.display = Display::None;
}

void ApplyTextAlign(const std::string& value, Style& style) {
    if (value == "center" || value == "middle") style.textAlign = TextAlign::Center;
    else if (value == "right") style.textAlign = TextAlign::Right;
    else if (value == "left" || value == "justify") style.textAlign = TextAlign::Left;
}

void ApplyFontWeight(const std::string& value, Style& style) {
    if (value == "bold" || value == "bolder") style.fontWeight = 700;
    else if (value == "normal" || value == "lighter") style.fontWeight = 400;
    else if (int weight = std::atoi(value.c_str()); weight >= 100 && weight <= 900) style.fontWeight = weight;
}

void Apply(const Declaration& d, Cascade& c) {
    const std::string& p = d.property;
    std::string value = Lower(d.value);
    Style& s = c.style;
    if (p == "font-size") ParseFontSize(value, c.parentFontSize, s.fontSize);
    else if (p == "color") ParseColor(value, s.color);
    else if (p == "font-family") s.fontFamily = FirstFontFamily(d.value);
    else if (p == "font-weight") ApplyFontWeight(value, s);
    else if (p == "font-style") s.italic = value == "italic" || value == "oblique";
    else if (p == "text-decoration") ApplyTextDecoration(value, s);
    else if (p == "vertical-align") ApplyVerticalAlign(value, s);
    else if (p == "text-align") ApplyTextAlign(value, s);
    else if (p == "display") ApplyDisplay(value, s);
    else if (p == "white-space") s.preserveSpaces = value == "pre" || value == "pre-wrap";
    else if (p == "margin") SetMargins(value, c.margins);
    else if (p == "margin-top") SetMargin(0, value, c.margins);
    else if (p == "margin-right") SetMargin(1, value, c.margins);
    else if (p == "margin-bottom") SetMargin(2, value, c.margins);
    else if (p == "margin-left") SetMargin(3, value, c.margins);
}

// What old-fashioned attributes say, weaker than any style sheet rule.
void ApplyAttributes(const Document& doc, int node, Cascade& c) {
    if (const std::string* align = doc.attribute(node, "align")) ApplyTextAlign(Lower(Trim(*align)), c.style);
    if (!NameIs(doc.nodes[node].tag, "font")) return;
    if (const std::string* color = doc.attribute(node, "color")) {
        std::string value = Lower(Trim(*color));
        if (!ParseColor(value, c.style.color)) ParseHexColor(value, c.style.color);  // color=ff0000
    }
    if (const std::string* size = doc.attribute(node, "size")) FontSizeAttribute(Trim(*size), c.style.fontSize);
    if (const std::string* face = doc.attribute(node, "face")) c.style.fontFamily = FirstFontFamily(*face);
}

bool HasClass(const std::string& classes, const std::string& name) {
    for (const std::string& part : SplitOutsideStrings(Lower(classes), " "))
        if (part == name) return true;
    return false;
}

bool Matches(const Selector& selector, const Document& doc, int node, int hoveredLink) {
    if (!selector.tag.empty() && selector.tag != doc.nodes[node].tag) return false;
    if (!selector.id.empty()) {
        const std::string* id = doc.attribute(node, "id");
        if (!id || *id != selector.id) return false;
    }
    if (!selector.className.empty()) {
        const std::string* classes = doc.attribute(node, "class");
        if (!classes || !HasClass(*classes, selector.className)) return false;
    }
    switch (selector.pseudo) {
    case Pseudo::None: return true;
    case Pseudo::Link: return IsLink(doc, node);
    case Pseudo::Hover: return node == hoveredLink;
    case Pseudo::Never: break;
    }
    return false;
}

void ApplySheet(const StyleSheet& sheet, const Document& doc, int node, int hoveredLink, Cascade& c) {
    std::vector<const StyleRule*> matching;
    for (const StyleRule& rule : sheet.rules)
        if (Matches(rule.selector, doc, node, hoveredLink)) matching.push_back(&rule);
    std::stable_sort(matching.begin(), matching.end(), [](const StyleRule* a, const StyleRule* b) {
        return a->selector.specificity() < b->selector.specificity();
    });
    for (const StyleRule* rule : matching)
        for (const Declaration& d : rule->declarations) Apply(d, c);
}

Style InheritedFrom(const Style& parent) {
    Style style;
    style.fontSize = parent.fontSize;
    style.color = parent.color;
    style.fontFamily = parent.fontFamily;
    style.fontWeight = parent.fontWeight;
    style.italic = parent.italic;
    style.underline = parent.underline;
    style.lineThrough = parent.lineThrough;
    style.textAlign = parent.textAlign;
    style.preserveSpaces = parent.preserveSpaces;
    // A raised or lowered inline element carries its content with it.
    if (parent.display == Display::Inline) style.verticalAlign = parent.verticalAlign;
    return style;
}

void ResolveMargins(const PendingMargins& margins, Style& style) {
    int* sides[4] = {&style.marginTop, &style.marginRight, &style.marginBottom, &style.marginLeft};
    for (int side = 0; side < 4; ++side)
        if (margins.given[side] && margins.sides[side].unit != Length::Percent)
            *sides[side] = static_cast<int>(std::lround(ToPixels(margins.sides[side], style.fontSize)));
}

const StyleSheet& DefaultStyleSheet() {
    static const StyleSheet sheet = ParseStyleSheet(kDefaultStyleSheet);
    return sheet;
}

Style ElementStyle(const Document& doc, int node, const Style& parent, const StyleSheet& sheet, int hoveredLink) {
    Style style = InheritedFrom(parent);
    Cascade c{style, {}, parent.fontSize};
    ApplySheet(DefaultStyleSheet(), doc, node, hoveredLink, c);
    ApplyAttributes(doc, node, c);
    ApplySheet(sheet, doc, node, hoveredLink, c);
    if (const std::string* inlineStyle = doc.attribute(node, "style"))
        for (const Declaration& d : ParseDeclarations(*inlineStyle)) Apply(d, c);
    if (node == 0 && style.display == Display::None) style.display = Display::Block;  // the page itself always shows
    if (style.display != Display::Inline) style.verticalAlign = VerticalAlign::Baseline;  // blocks are not raised
    ResolveMargins(c.margins, style);
    return style;
}

// The style of a node whose parent's style is already in `styles`: parents come before
// their children in the node list.
Style NodeStyle(const Document& doc, const StyleSheet& sheet, int hoveredLink, int i,
                const std::vector<Style>& styles) {
    const Node& node = doc.nodes[i];
    if (node.parent < 0) return ElementStyle(doc, 0, Style(), sheet, hoveredLink);
    if (node.isText) return InheritedFrom(styles[node.parent]);
    return ElementStyle(doc, i, styles[node.parent], sheet, hoveredLink);
}

void StyleRange(const Document& doc, const StyleSheet& sheet, int hoveredLink, int begin, int end,
                std::vector<Style>& styles) {
    for (int i = begin; i < end; ++i) styles[i] = NodeStyle(doc, sheet, hoveredLink, i, styles);
}

// An element's style follows from its parent's style, its tag, whether it is a link, and
// the few attributes that select rules or style it. Elements alike in all of these (the
// paragraphs of a page, the bold words in them) are styled once and the rest copy it.
class LikeElements {
public:
    explicit LikeElements(size_t nodes) : model_(nodes, -1) {}

    // The earlier element styled like `node`, or -1; from then on `node` stands for its
    // likes. The hovered link and what it holds are styled on their own.
    int modelFor(const Document& doc, int node, int hoveredLink) {
        const Node& n = doc.nodes[node];
        int parentModel = model_[n.parent];
        if (node == hoveredLink || parentModel < 0) return -1;
        makeKey(doc, node, parentModel);
        auto found = firstOfKey_.emplace(key_, node);
        model_[node] = found.first->second;
        return found.second ? -1 : found.first->second;
    }

    void standsAlone(int node) { model_[node] = node; }

private:
    // Every part goes in with its length, so that no two different elements can meet
    // in one key whatever bytes their values hold.
    void makeKey(const Document& doc, int node, int parentModel) {
        static constexpr std::string_view kStylingAttributes[] = {"id",    "class", "style", "align",
                                                                  "color", "size",  "face"};
        const Node& n = doc.nodes[node];
        key_.clear();
        appendNumber(parentModel);
        appendNumber(IsLink(doc, node) ? 1 : 0);
        appendText(n.tag);
        for (const Attribute& a : n.attributes)
            for (std::string_view name : kStylingAttributes)
                if (NameIs(a.name, name)) {
                    appendText(a.name);
                    appendText(a.value);
                }
    }

    void appendNumber(size_t number) { key_.append(reinterpret_cast<const char*>(&number), sizeof number); }
    void appendText(const std::string& text) {
        appendNumber(text.size());
        key_.append(text);
    }

    std::vector<int> model_;  // per node: the element it is styled like, itself included; -1 unknown
    std::unordered_map<std::string, int> firstOfKey_;
    std::string key_;
};

}  // namespace

int Selector::specificity() const {
    return (id.empty() ? 0 : 100) + (className.empty() ? 0 : 10) + (pseudo == Pseudo::None ? 0 : 10) +
           (tag.empty() ? 0 : 1);
}

StyleSheet ParseStyleSheet(const std::string& text) {
    StyleSheet sheet;
    CssReader reader(text);
    while (true) {
        reader.skipSpace();
        if (reader.atEnd()) return sheet;
        if (reader.peek() == '@') {  // @media, @import, @charset: not for this view
            reader.readUntil(";{");
            if (reader.atEnd()) return sheet;
            if (reader.peek() == '{') reader.skipBlock();
            else reader.advance();
            continue;
        }
        std::string selectors = reader.readUntil("{}");
        if (reader.atEnd()) return sheet;
        if (reader.peek() == '}') {  // a stray brace
            reader.advance();
            continue;
        }
        reader.advance();
        std::string body = reader.readUntil("}");
        if (!reader.atEnd()) reader.advance();
        AddRules(sheet, selectors, ParseDeclarations(body));
    }
}

std::vector<Declaration> ParseDeclarations(const std::string& text) {
    std::vector<Declaration> declarations;
    for (const std::string& part : SplitOutsideStrings(text, ";")) {
        size_t colon = part.find(':');
        if (colon == std::string::npos) continue;
        Declaration d{Lower(Trim(part.substr(0, colon))), Trim(part.substr(colon + 1))};
        size_t important = Lower(d.value).find("!important");
        if (important != std::string::npos) d.value = Trim(d.value.substr(0, important));
        if (!d.property.empty() && !d.value.empty()) declarations.push_back(std::move(d));
    }
    return declarations;
}

bool SameGeometry(const Style& a, const Style& b) {
    return a.fontSize == b.fontSize && a.fontFamily == b.fontFamily && a.fontWeight == b.fontWeight &&
           a.italic == b.italic && a.textAlign == b.textAlign && a.preserveSpaces == b.preserveSpaces &&
           a.display == b.display && a.verticalAlign == b.verticalAlign && a.marginTop == b.marginTop &&
           a.marginRight == b.marginRight && a.marginBottom == b.marginBottom && a.marginLeft == b.marginLeft;
}

bool IsLink(const Document& doc, int node) {
    return NameIs(doc.nodes[node].tag, "a") && (doc.attribute(node, "href") || doc.attribute(node, "event"));
}

std::vector<Style> ComputeStyles(const Document& doc, const StyleSheet& sheet, int hoveredLink) {
    std::vector<Style> styles;
    ComputeStyles(doc, sheet, hoveredLink, styles);
    return styles;
}

// Each style is made in its place rather than made by default and then overwritten,
// which on a long page is most of the cost of the storage.
void ComputeStyles(const Document& doc, const StyleSheet& sheet, int hoveredLink, std::vector<Style>& styles) {
    styles.clear();
    styles.reserve(doc.nodes.size());
    LikeElements likes(doc.nodes.size());
    for (int i = 0; i < static_cast<int>(doc.nodes.size()); ++i) {
        if (i == 0 || doc.nodes[i].isText) {
            styles.push_back(NodeStyle(doc, sheet, hoveredLink, i, styles));
            if (i == 0) likes.standsAlone(0);
            continue;
        }
        int model = likes.modelFor(doc, i, hoveredLink);
        styles.push_back(model >= 0 ? styles[model] : NodeStyle(doc, sheet, hoveredLink, i, styles));
    }
}

bool RestyleSubtree(const Document& doc, const StyleSheet& sheet, int hoveredLink, int root, std::vector<Style>& styles) {
    // A node's descendants follow it in the node list, up to its last descendant.
    int last = root;
    while (doc.nodes[last].lastChild >= 0) last = doc.nodes[last].lastChild;
    std::vector<Style> before(styles.begin() + root, styles.begin() + last + 1);
    StyleRange(doc, sheet, hoveredLink, root, last + 1, styles);
    for (int i = root; i <= last; ++i)
        if (!SameGeometry(before[i - root], styles[i])) return true;
    return false;
}

bool ParseColor(const std::string& text, uint32_t& color) {
    std::string value = Lower(Trim(text));
    if (value.empty()) return false;
    if (value[0] == '#') return ParseHexColor(value.substr(1), color);
    if (ParseRgbFunction(value, color)) return true;
    for (const NamedColor& named : kColors) {
        if (value != named.name) continue;
        color = FromRgb(named.rgb);
        return true;
    }
    return false;
}

}  // namespace html
