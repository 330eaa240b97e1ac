#include "runtime/html/markup.h"

#include <windows.h>

#include <algorithm>
#include <cstring>
#include <string_view>

namespace html {
namespace {

// The program's text is GBK whatever the system's code page is.
constexpr UINT kGbk = 936;

// A double-byte character; its second byte is never one of the markup's own characters.
bool IsGbkPairAt(std::string_view s, size_t i) {
    auto lead = static_cast<unsigned char>(s[i]);
    if (lead < 0x81 || lead == 0xFF || i + 1 >= s.size()) return false;
    auto trail = static_cast<unsigned char>(s[i + 1]);
    return trail >= 0x40 && trail <= 0xFE && trail != 0x7F;
}
bool IsSpace(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\f'; }
bool IsAsciiLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
char Lower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

bool IsOneOf(const std::string& tag, std::initializer_list<std::string_view> names) {
    for (std::string_view name : names)
        if (NameIs(tag, name)) return true;
    return false;
}

bool IsVoid(const std::string& tag) {
    return IsOneOf(tag, {"br", "hr", "img", "meta", "link", "input", "col", "area", "base", "wbr", "param", "embed"});
}
// Elements whose content is not markup: styles are collected, the rest is dropped.
bool IsRawText(const std::string& tag) { return IsOneOf(tag, {"style", "script", "title"}); }
// A block start ends an open paragraph, as browsers do.
bool ClosesParagraph(const std::string& tag) {
    return IsOneOf(tag, {"p", "div", "h1", "h2", "h3", "h4", "h5", "h6", "ul", "ol", "dl", "pre", "blockquote", "hr",
                         "center", "table", "form", "address"});
}
bool IsHeading(const std::string& tag) { return tag.size() == 2 && tag[0] == 'h' && tag[1] >= '1' && tag[1] <= '6'; }
// Tags that only frame a document; their content belongs to the root.
bool IsDocumentFrame(const std::string& tag) { return IsOneOf(tag, {"html", "head", "body"}); }

// --- character references -------------------------------------------------------

struct NamedReference {
    const char* name;
    wchar_t code;
    bool legacy;  // also recognised without the closing semicolon
};

const NamedReference kReferences[] = {
    {"nbsp", 0xA0, true},    {"lt", '<', true},        {"gt", '>', true},        {"amp", '&', true},
    {"quot", '"', true},     {"apos", '\'', false},    {"copy", 0xA9, true},     {"reg", 0xAE, true},
    {"times", 0xD7, false},  {"divide", 0xF7, false},  {"middot", 0xB7, false},  {"deg", 0xB0, false},
    {"plusmn", 0xB1, false}, {"yen", 0xA5, false},     {"laquo", 0xAB, false},   {"raquo", 0xBB, false},
    {"hellip", 0x2026, false}, {"mdash", 0x2014, false}, {"ndash", 0x2013, false}, {"lsquo", 0x2018, false},
    {"rsquo", 0x2019, false}, {"ldquo", 0x201C, false}, {"rdquo", 0x201D, false}, {"bull", 0x2022, false},
    {"trade", 0x2122, false}, {"ensp", 0x2002, false},  {"emsp", 0x2003, false},  {"thinsp", 0x2009, false},
};

void AppendCodePoint(std::wstring& out, unsigned long code) {
    if (code == 0 || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) code = 0xFFFD;
    if (code < 0x10000) {
        out += static_cast<wchar_t>(code);
        return;
    }
    code -= 0x10000;
    out += static_cast<wchar_t>(0xD800 + (code >> 10));
    out += static_cast<wchar_t>(0xDC00 + (code & 0x3FF));
}

// Reads "&#123;" or "&#x1F;" at s[at] == '&'; returns the length read, 0 when it is none.
size_t ReadNumericReference(std::string_view s, size_t at, std::wstring& out) {
    size_t i = at + 2;
    bool hex = i < s.size() && (s[i] == 'x' || s[i] == 'X');
    if (hex) ++i;
    unsigned long code = 0;
    size_t digits = 0;
    for (; i < s.size(); ++i, ++digits) {
        char c = s[i];
        int value = (c >= '0' && c <= '9') ? c - '0'
                    : hex && c >= 'a' && c <= 'f' ? c - 'a' + 10
                    : hex && c >= 'A' && c <= 'F' ? c - 'A' + 10
                                                  : -1;
        if (value < 0) break;
        if (code <= 0x10FFFF) code = code * (hex ? 16 : 10) + value;  // larger stays out of range
    }
    if (digits == 0) return 0;
    if (i < s.size() && s[i] == ';') ++i;
    AppendCodePoint(out, code);
    return i - at;
}

size_t ReadNamedReference(std::string_view s, size_t at, std::wstring& out) {
    size_t end = at + 1;
    while (end < s.size() && end - at <= 8 && (IsAsciiLetter(s[end]) || (s[end] >= '0' && s[end] <= '9'))) ++end;
    std::string_view name = s.substr(at + 1, end - at - 1);
    bool closed = end < s.size() && s[end] == ';';
    for (const NamedReference& ref : kReferences) {
        if (name != ref.name || (!closed && !ref.legacy)) continue;
        out += ref.code;
        return end - at + (closed ? 1 : 0);
    }
    return 0;
}

size_t ReadReference(std::string_view s, size_t at, std::wstring& out) {
    if (at + 1 < s.size() && s[at + 1] == '#') return ReadNumericReference(s, at, out);
    return ReadNamedReference(s, at, out);
}

// No GBK byte sequence decodes to more UTF-16 units than it has bytes, so one
// conversion into room for that many does instead of a measuring call first.
void AppendGbk(std::wstring& out, const char* bytes, size_t length) {
    if (length == 0) return;
    size_t start = out.size();
    out.resize(start + length);
    int count = MultiByteToWideChar(kGbk, 0, bytes, static_cast<int>(length), &out[start], static_cast<int>(length));
    out.resize(start + count);
}

void AppendDecoded(std::wstring& out, std::string_view gbk) {
    size_t plainStart = 0;
    for (size_t i = 0; i < gbk.size(); ++i) {
        if (IsGbkPairAt(gbk, i)) {
            ++i;
            continue;
        }
        if (gbk[i] != '&') continue;
        std::wstring reference;
        size_t length = ReadReference(gbk, i, reference);
        if (length == 0) continue;
        AppendGbk(out, gbk.data() + plainStart, i - plainStart);
        out += reference;
        plainStart = i + length;
        i = plainStart - 1;
    }
    AppendGbk(out, gbk.data() + plainStart, gbk.size() - plainStart);
}

// Elements start at "<" and a letter, and every text node but the first follows a tag,
// so twice the tags bound the nodes; so does half the bytes, since the shortest element
// is "<b>" and the shortest text one byte. Never wrong for long: it only sizes storage.
size_t NodesAtMost(const std::string& markup) {
    size_t tags = 0;
    for (size_t at = markup.find('<'); at != std::string::npos; at = markup.find('<', at + 1))
        if (at + 1 < markup.size() && (IsAsciiLetter(markup[at + 1]) || markup[at + 1] == '/')) ++tags;
    return std::min(2 * tags, markup.size() / 2) + 2;
}

// --- tree building ------------------------------------------------------------------

class TreeBuilder {
public:
    explicit TreeBuilder(Document& doc) : doc_(doc) {
        doc_.styleText.clear();
        newNode().tag = "body";
        open_.push_back(0);
    }

    // What is left of the nodes of the page before goes.
    void finish() { doc_.nodes.resize(count_); }

    void text(const std::string& markup, size_t begin, size_t end) {
        if (begin >= end) return;
        std::string_view gbk(markup.data() + begin, end - begin);
        int current = open_.back();
        int last = doc_.nodes[current].lastChild;
        if (last >= 0 && doc_.nodes[last].isText) {  // a dropped tag or comment between two texts
            AppendDecoded(doc_.nodes[last].text, gbk);
            return;
        }
        Node& node = append();
        node.isText = true;
        AppendDecoded(node.text, gbk);
    }

    void startTag(const std::string& tag, std::vector<Attribute> attributes, bool selfClosing) {
        if (IsDocumentFrame(tag)) return lendToRoot(attributes);
        closeImplied(tag);
        int index = static_cast<int>(count_);
        Node& node = append();
        node.tag = tag;
        node.attributes = std::move(attributes);
        bool opens = !IsVoid(tag) && !selfClosing && static_cast<int>(open_.size()) < kMaxDepth;
        if (opens) open_.push_back(index);
    }

    void endTag(const std::string& tag) {
        if (NameIs(tag, "br")) return startTag("br", {}, true);  // browsers read </br> as <br>
        for (size_t i = open_.size(); i-- > 1;) {
            if (doc_.nodes[open_[i]].tag != tag) continue;
            open_.resize(i);
            return;
        }
    }

private:
    // The next node: a new one, or one of the page before, whose text keeps the room it
    // had, so that showing a page again allocates next to nothing.
    Node& newNode() {
        if (count_ == doc_.nodes.size()) {
            doc_.nodes.emplace_back();
        } else {
            Node& reused = doc_.nodes[count_];
            std::wstring room = std::move(reused.text);
            room.clear();
            reused = Node();
            reused.text = std::move(room);
        }
        return doc_.nodes[count_++];
    }

    // A new last child of the innermost open element.
    Node& append() {
        int parent = open_.back();
        int index = static_cast<int>(count_);
        Node& node = newNode();
        node.parent = parent;
        Node& p = doc_.nodes[parent];
        if (p.lastChild >= 0) doc_.nodes[p.lastChild].nextSibling = index;
        else p.firstChild = index;
        p.lastChild = index;
        return node;
    }

    void lendToRoot(std::vector<Attribute>& attributes) {
        for (Attribute& a : attributes)
            if (!doc_.attribute(0, a.name)) doc_.nodes[0].attributes.push_back(std::move(a));
    }

    // Closes what a new element cannot stand inside: a paragraph before a block, an
    // item before the next item, a heading before a heading, a link before a link.
    void closeImplied(const std::string& tag) {
        if (ClosesParagraph(tag)) closeNearest("p", {"div", "center", "li", "td", "th", "blockquote"});
        if (NameIs(tag, "li")) closeNearest("li", {"ul", "ol"});
        if (NameIs(tag, "a")) closeNearest("a", {});
        if (IsHeading(tag) && IsHeading(doc_.nodes[open_.back()].tag)) open_.pop_back();
    }

    void closeNearest(std::string_view tag, std::initializer_list<std::string_view> boundaries) {
        for (size_t i = open_.size(); i-- > 1;) {
            const std::string& open = doc_.nodes[open_[i]].tag;
            if (NameIs(open, tag)) {
                open_.resize(i);
                return;
            }
            for (std::string_view boundary : boundaries)
                if (NameIs(open, boundary)) return;
        }
    }

    Document& doc_;
    size_t count_ = 0;  // the nodes of this page: doc_.nodes[0, count_)
    std::vector<int> open_;  // the open elements, root first
};

// --- tokenizing -----------------------------------------------------------------------

class Tokenizer {
public:
    Tokenizer(const std::string& s, TreeBuilder& tree) : s_(s), tree_(tree) {}

    void run(std::string& styleText) {
        size_t textStart = 0;
        size_t i = 0;
        while (i < s_.size()) {
            if (s_[i] != '<') {
                i += IsGbkPairAt(s_, i) ? 2 : 1;
                continue;
            }
            size_t next = markupAt(i, textStart, styleText);
            if (next == i) {  // a "<" that starts nothing is text
                ++i;
                continue;
            }
            textStart = i = next;
        }
        tree_.text(s_, textStart, s_.size());
    }

private:
    // Reads the comment, declaration or tag at s_[at] == '<'; returns where reading goes
    // on, or `at` when there is none. Text before it is handed to the tree first.
    size_t markupAt(size_t at, size_t textStart, std::string& styleText) {
        char next = at + 1 < s_.size() ? s_[at + 1] : '\0';
        bool endTag = next == '/' && at + 2 < s_.size() && IsAsciiLetter(s_[at + 2]);
        if (s_.compare(at, 4, "<!--") == 0) {
            tree_.text(s_, textStart, at);
            return skipPast(at + 4, "-->");
        }
        if (next == '!' || next == '?') {
            tree_.text(s_, textStart, at);
            return skipPast(at + 2, ">");
        }
        if (!IsAsciiLetter(next) && !endTag) return at;
        std::string tag;
        std::vector<Attribute> attributes;
        bool selfClosing = false;
        size_t end = readTag(at + (endTag ? 2 : 1), tag, attributes, selfClosing);
        if (end == std::string::npos) {
            // The markup ends inside this tag: show the rest as typed. Reading on from the
            // next "<" would scan to the end again for every one of them.
            tree_.text(s_, textStart, s_.size());
            return s_.size();
        }
        tree_.text(s_, textStart, at);
        if (endTag) {
            tree_.endTag(tag);
            return end;
        }
        if (IsRawText(tag) && !selfClosing) return readRawText(tag, end, styleText);
        tree_.startTag(tag, std::move(attributes), selfClosing);
        return end;
    }

    size_t skipPast(size_t from, const char* terminator) {
        size_t found = s_.find(terminator, from);
        return found == std::string::npos ? s_.size() : found + std::strlen(terminator);
    }

    // Reads a tag name and its attributes from s_[from]; returns the position after ">",
    // or npos when the markup ends inside the tag.
    size_t readTag(size_t from, std::string& tag, std::vector<Attribute>& attributes, bool& selfClosing) {
        size_t i = from;
        while (i < s_.size() && !IsSpace(s_[i]) && s_[i] != '>' && s_[i] != '/') tag += Lower(s_[i++]);
        while (i < s_.size()) {
            char c = s_[i];
            if (c == '>') return i + 1;
            if (IsSpace(c)) {
                ++i;
                continue;
            }
            if (c == '/') {
                selfClosing = i + 1 < s_.size() && s_[i + 1] == '>';
                ++i;
                continue;
            }
            selfClosing = false;
            i = readAttribute(i, attributes);
            if (i == std::string::npos) return i;
        }
        return std::string::npos;
    }

    size_t readAttribute(size_t i, std::vector<Attribute>& attributes) {
        Attribute a;
        while (i < s_.size() && !IsSpace(s_[i]) && s_[i] != '>' && s_[i] != '=' && (s_[i] != '/' || a.name.empty()))
            a.name += Lower(s_[i++]);
        if (a.name.empty()) a.name += s_[i++];  // a stray "=": kept as a name so reading moves on
        size_t afterName = i;
        while (i < s_.size() && IsSpace(s_[i])) ++i;
        if (i >= s_.size() || s_[i] != '=') {
            attributes.push_back(std::move(a));
            return afterName;
        }
        ++i;
        while (i < s_.size() && IsSpace(s_[i])) ++i;
        if (i >= s_.size()) return std::string::npos;
        size_t valueStart = i;
        size_t valueEnd;
        if (s_[i] == '"' || s_[i] == '\'') {
            valueEnd = s_.find(s_[i], i + 1);
            if (valueEnd == std::string::npos) return valueEnd;
            ++valueStart;
            i = valueEnd + 1;
        } else {
            while (i < s_.size() && !IsSpace(s_[i]) && s_[i] != '>') ++i;
            valueEnd = i;
        }
        a.value.assign(s_, valueStart, valueEnd - valueStart);
        if (a.value.find('&') != std::string::npos) a.value = ToGbk(DecodeText(a.value));
        if (!doesRepeat(attributes, a.name)) attributes.push_back(std::move(a));
        return i;
    }

    static bool doesRepeat(const std::vector<Attribute>& attributes, const std::string& name) {
        for (const Attribute& a : attributes)
            if (a.name == name) return true;  // the first one counts, as in browsers
        return false;
    }

    // The content of <style>, <script>... runs to its end tag, whatever it holds.
    size_t readRawText(const std::string& tag, size_t from, std::string& styleText) {
        size_t end = findEndTag(tag, from);
        if (NameIs(tag, "style")) styleText.append(s_, from, end - from).append("\n");
        if (end == s_.size()) return end;
        size_t close = s_.find('>', end);
        return close == std::string::npos ? s_.size() : close + 1;
    }

    size_t findEndTag(const std::string& tag, size_t from) const {
        for (size_t i = s_.find("</", from); i != std::string::npos; i = s_.find("</", i + 2)) {
            size_t k = 0;
            while (k < tag.size() && i + 2 + k < s_.size() && Lower(s_[i + 2 + k]) == tag[k]) ++k;
            if (k < tag.size()) continue;
            char after = i + 2 + k < s_.size() ? s_[i + 2 + k] : '>';
            if (after == '>' || after == '/' || IsSpace(after)) return i;
        }
        return s_.size();
    }

    const std::string& s_;
    TreeBuilder& tree_;
};

}  // namespace

const std::string* Document::attribute(int node, std::string_view name) const {
    for (const Attribute& a : nodes[node].attributes)
        if (NameIs(a.name, name)) return &a.value;
    return nullptr;
}

Document ParseMarkup(const std::string& markup) {
    Document doc;
    ParseMarkup(markup, doc);
    return doc;
}

void ParseMarkup(const std::string& markup, Document& doc) {
    // Reserved, not grown by doubling: a long page would touch several times its final
    // size in fresh memory. What is reserved and never written costs no memory.
    doc.nodes.reserve(NodesAtMost(markup));
    TreeBuilder tree(doc);
    Tokenizer(markup, tree).run(doc.styleText);
    tree.finish();
}

std::wstring DecodeText(const std::string& gbk) {
    std::wstring out;
    AppendDecoded(out, gbk);
    return out;
}

std::wstring FromGbk(const std::string& gbk) {
    std::wstring out;
    AppendGbk(out, gbk.data(), gbk.size());
    return out;
}

std::string ToGbk(const std::wstring& text) {
    if (text.empty()) return std::string();
    int length = static_cast<int>(text.size());
    int count = WideCharToMultiByte(kGbk, 0, text.data(), length, nullptr, 0, nullptr, nullptr);
    std::string out(count, '\0');
    WideCharToMultiByte(kGbk, 0, text.data(), length, &out[0], count, nullptr, nullptr);
    return out;
}

}  // namespace html
