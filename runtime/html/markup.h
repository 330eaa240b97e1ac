#pragma once
// The markup side of the HTML view: a tolerant parser that turns GBK markup into a
// small element tree. Text is decoded to UTF-16 because the view draws with the wide
// GDI calls (numeric character references outside GBK still show); attribute values
// stay GBK bytes because the program compares event texts byte for byte.
#include <string>
#include <string_view>
#include <vector>

namespace html {

struct Attribute {
    std::string name;   // lower-case
    std::string value;  // GBK, character references decoded
};

struct Node {
    bool isText = false;
    std::string tag;  // lower-case element name; "body" for the root, empty for text
    std::vector<Attribute> attributes;
    std::wstring text;  // text nodes only
    int parent = -1;
    int firstChild = -1;
    int lastChild = -1;
    int nextSibling = -1;
};

struct Document {
    // nodes[0] is the root. It stands for <body>, which the program's markup leaves out;
    // a <body> tag in the markup only lends the root its attributes.
    std::vector<Node> nodes;
    // The contents of every <style> block in document order.
    std::string styleText;

    // The attribute's value, or nullptr when the node has no such attribute.
    const std::string* attribute(int node, std::string_view name) const;
};

// Tag and attribute names are compared at every node: compared so, a name of another
// length costs no call at all.
inline bool NameIs(const std::string& name, std::string_view wanted) { return std::string_view(name) == wanted; }

// Never fails: whatever cannot be read as markup is shown as text or dropped.
Document ParseMarkup(const std::string& markup);
// The same into `doc`, whose storage is reused: a page shown again costs no new memory.
void ParseMarkup(const std::string& markup, Document& doc);

// GBK text with character references (&amp; &#20013; &#x4E2D; ...) to UTF-16.
std::wstring DecodeText(const std::string& gbk);
std::wstring FromGbk(const std::string& gbk);
std::string ToGbk(const std::wstring& text);

// Nesting deeper than this is flattened: the parser keeps adding to the deepest element.
// It bounds the recursion of every later stage.
constexpr int kMaxDepth = 200;

}  // namespace html
