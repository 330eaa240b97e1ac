#include "runtime/html/layout.h"

#include <algorithm>
#include <cwchar>

namespace html {
namespace {

bool IsCollapsibleSpace(wchar_t c) { return c == L' ' || c == L'\t' || c == L'\r' || c == L'\n' || c == L'\f'; }

// Characters a line may break before and after: CJK ideographs, kana, hangul, CJK
// punctuation and full-width forms.
bool IsCjk(wchar_t c) {
    return (c >= 0x1100 && c <= 0x11FF) || (c >= 0x2E80 && c <= 0x9FFF) || (c >= 0xAC00 && c <= 0xD7AF) ||
           (c >= 0xD800 && c <= 0xDFFF) || (c >= 0xF900 && c <= 0xFAFF) || (c >= 0xFE30 && c <= 0xFE4F) ||
           (c >= 0xFF00 && c <= 0xFFEF);
}

// Letters, digits, spaces and ideographs, most of any text, are none of the marks below;
// the test spares a search of the lists for each of them.
bool IsPlainCharacter(wchar_t c) {
    return (c >= L'a' && c <= L'z') || (c >= L'A' && c <= L'Z') || (c >= L'0' && c <= L'9') || c == L' ' ||
           (c >= 0x4E00 && c <= 0x9FFF);
}

// Punctuation that must not begin a line, and brackets that must not end one.
bool NoBreakBefore(wchar_t c) {
    return !IsPlainCharacter(c) && std::wcschr(L"，。、！？：；）》」』】〕〉’”…·．,.!?:;)]}%", c) && c;
}
bool NoBreakAfter(wchar_t c) { return !IsPlainCharacter(c) && std::wcschr(L"（《「『【〔〈‘“([{", c) && c; }

bool IsHighSurrogate(wchar_t c) { return c >= 0xD800 && c <= 0xDBFF; }

// The end of the unit that starts at `p`: a word (or one CJK character) with the
// punctuation that clings to it and the spaces after it.
int UnitEnd(const wchar_t* text, int p, int length) {
    int i = p;
    if (text[i] != L' ') {
        if (IsCjk(text[i])) {
            do {
                i += IsHighSurrogate(text[i]) && i + 1 < length ? 2 : 1;
            } while (i < length && NoBreakAfter(text[i - 1]) && text[i] != L' ');
        } else {
            while (i < length && text[i] != L' ' && !IsCjk(text[i])) ++i;
        }
        while (i < length && NoBreakBefore(text[i])) ++i;
    }
    while (i < length && text[i] == L' ') ++i;
    return i;
}

// Collapses white space as browsers do: every run of it becomes one space, and none is
// kept right after another. Control characters are dropped.
void Collapse(const std::wstring& text, bool& lastWasSpace, std::wstring& out) {
    out.clear();
    for (wchar_t c : text) {
        if (IsCollapsibleSpace(c)) {
            if (!lastWasSpace) out += L' ';
            lastWasSpace = true;
        } else if (c >= 0x20) {
            out += c;
            lastWasSpace = false;
        }
    }
}

// Keeps spaces and line ends (white-space: pre); tabs become four spaces.
std::vector<std::wstring> PreservedLines(const std::wstring& text) {
    std::vector<std::wstring> lines(1);
    for (size_t i = 0; i < text.size(); ++i) {
        wchar_t c = text[i];
        if (c == L'\r' && i + 1 < text.size() && text[i + 1] == L'\n') continue;
        if (c == L'\n' || c == L'\r') lines.emplace_back();
        else if (c == L'\t') lines.back() += L"    ";
        else if (c >= 0x20) lines.back() += c;
    }
    return lines;
}

struct RunInfo {
    FontMetrics metrics;
    VerticalAlign align = VerticalAlign::Baseline;
    int shift = 0;  // how far sub and sup move the baseline, up positive
};

class Flow {
public:
    Flow(const Document& doc, const std::vector<Style>& styles, int width, TextMeasurer& measurer, Layout& out,
         int stopBelow)
        : doc_(doc), styles_(styles), measurer_(measurer), out_(out), stopBelow_(stopBelow), right_(width) {
        out_.width = width;
    }

    void run() {
        block(0);
        out_.height = y_ + pendingMargin_;
    }

    // Sized once from the document: a long page would otherwise touch several times its
    // final size in fresh memory while the text and the runs grow by doubling. Reserved
    // room never written costs no memory.
    static void Reserve(const Document& doc, Layout& out) {
        size_t characters = 0, texts = 0;
        for (const Node& node : doc.nodes)
            if (node.isText) {
                characters += node.text.size();
                ++texts;
            }
        out.text.reserve(characters);
        out.runs.reserve(texts + characters / kCharactersPerLine);
        out.lines.reserve(characters / kCharactersPerLine);
    }

private:
    // --- blocks --------------------------------------------------------------------------

    void block(int node) {
        const Style& s = styles_[node];
        endLine();
        addMargin(s.marginTop);
        int savedLeft = left_, savedRight = right_;
        TextAlign savedAlign = align_;
        left_ = std::min(left_ + std::max(0, s.marginLeft), std::max(left_, right_ - kNarrowest));
        right_ = std::max(left_ + 1, right_ - std::max(0, s.marginRight));
        align_ = s.textAlign;
        ListState savedList = list_;
        if (s.display == Display::ListItem) startListItem(node);
        if (isList(node)) list_ = {NameIs(doc_.nodes[node].tag, "ol"), 0};
        children(node);
        endLine();
        if (s.display == Display::ListItem) {
            list_ = savedList;
            ++list_.count;
            marker_.node = -1;  // an item that showed nothing shows no marker either
        } else if (isList(node)) {
            list_ = savedList;
        }
        left_ = savedLeft;
        right_ = savedRight;
        align_ = savedAlign;
        addMargin(s.marginBottom);
        lastWasSpace_ = true;
    }

    bool isList(int node) const { return NameIs(doc_.nodes[node].tag, "ul") || NameIs(doc_.nodes[node].tag, "ol"); }

    void children(int node) {
        for (int child = doc_.nodes[node].firstChild; child >= 0 && !stopped(); child = doc_.nodes[child].nextSibling)
            visit(child);
    }

    bool stopped() const { return y_ > stopBelow_; }

    void visit(int node) {
        const Node& n = doc_.nodes[node];
        const Style& s = styles_[node];
        if (n.isText) return text(node);
        if (s.display == Display::None) return;
        if (NameIs(n.tag, "hr")) return rule(node);
        if (s.display != Display::Inline) return block(node);
        if (NameIs(n.tag, "br")) return lineBreak(node);
        if (!IsLink(doc_, node)) return children(node);
        int savedLink = link_;
        link_ = addLink(node);
        children(node);
        link_ = savedLink;
    }

    int addLink(int node) {
        Link link;
        link.node = node;
        const std::string* event = doc_.attribute(node, "event");
        link.hasEvent = event != nullptr;
        if (event) link.eventText = *event;
        if (const std::string* href = doc_.attribute(node, "href")) link.href = *href;
        out_.links.push_back(std::move(link));
        return static_cast<int>(out_.links.size()) - 1;
    }

    void rule(int node) {
        const Style& s = styles_[node];
        endLine();
        addMargin(s.marginTop);
        placePendingMargin();
        out_.rules.push_back({left_, y_, right_ - left_, node});
        y_ += kRuleHeight;
        addMargin(s.marginBottom);
        lastWasSpace_ = true;
    }

    void addMargin(int margin) { pendingMargin_ = std::max(pendingMargin_, margin); }

    void placePendingMargin() {
        y_ += pendingMargin_;
        pendingMargin_ = 0;
    }

    // --- list markers ----------------------------------------------------------------------

    struct ListState {
        bool ordered = false;
        int count = 0;
    };

    void startListItem(int node) {
        marker_.node = node;
        marker_.text = list_.ordered ? std::to_wstring(list_.count + 1) + L"." : std::wstring(L"\x2022");
    }

    void addMarker(int baseline) {
        const Style& s = styles_[marker_.node];
        FontMetrics m = measurer_.metrics(s);
        std::vector<int> extents(marker_.text.size());
        measurer_.measure(s, marker_.text.data(), static_cast<int>(marker_.text.size()), extents.data());
        Run run;
        run.width = extents.back();
        run.x = std::max(0, left_ - run.width - kMarkerGap);
        run.baseline = baseline;
        run.y = baseline - m.ascent;
        run.height = m.ascent + m.descent;
        run.textStart = static_cast<int>(out_.text.size());
        run.textLength = static_cast<int>(marker_.text.size());
        run.node = marker_.node;
        out_.text += marker_.text;
        out_.runs.push_back(run);
        marker_.node = -1;
    }

    // --- inline text ---------------------------------------------------------------------

    void text(int node) {
        const Style& s = styles_[node];
        if (!s.preserveSpaces) {
            Collapse(doc_.nodes[node].text, lastWasSpace_, collapsed_);
            return place(node, collapsed_, true);
        }
        std::vector<std::wstring> lines = PreservedLines(doc_.nodes[node].text);
        for (size_t i = 0; i < lines.size(); ++i) {
            if (i > 0) lineBreak(node);
            place(node, lines[i], false);
        }
        lastWasSpace_ = false;
    }

    void place(int node, const std::wstring& piece, bool dropSpaceAtLineStart) {
        if (piece.empty()) return;
        const Style& s = styles_[node];
        int length = static_cast<int>(piece.size());
        int base = static_cast<int>(out_.text.size());
        out_.text += piece;
        extents_.resize(length);
        measurer_.measure(s, piece.data(), length, extents_.data());
        info_ = {measurer_.metrics(s), s.verticalAlign, BaselineShift(s)};
        const wchar_t* t = piece.data();
        int available = right_ - left_;
        for (int p = 0; p < length && !stopped();) {
            if (t[p] == L' ' && dropSpaceAtLineStart && lineIsEmpty()) {
                ++p;
                continue;
            }
            int end = UnitEnd(t, p, length);
            int wordEnd = end;
            while (wordEnd > p && t[wordEnd - 1] == L' ') --wordEnd;
            int wordWidth = widthOf(p, wordEnd);
            if (!lineIsEmpty() && x_ + wordWidth > available) {
                endLine();
                continue;
            }
            if (lineIsEmpty() && wordWidth > available) {  // longer than a line: split it where it must
                int split = p + 1;
                while (split < wordEnd && widthOf(p, split + 1) <= available) ++split;
                if (split < length && split > p + 1 && IsHighSurrogate(t[split - 1])) --split;
                add(node, base, p, split, 0);
                endLine();
                p = split;
                continue;
            }
            add(node, base, p, end, widthOf(wordEnd, end));
            p = end;
        }
    }

    static int BaselineShift(const Style& s) {
        if (s.verticalAlign == VerticalAlign::Super) return s.fontSize / 2;
        if (s.verticalAlign == VerticalAlign::Sub) return -s.fontSize / 4;
        return 0;
    }

    int widthOf(int from, int to) const {
        if (to <= from) return 0;
        return extents_[to - 1] - (from > 0 ? extents_[from - 1] : 0);
    }

    // Puts piece[from, to) on the line, lengthening the last run when it continues it.
    void add(int node, int base, int from, int to, int hangingSpace) {
        int width = widthOf(from, to);
        bool continues = !lineIsEmpty() && out_.runs.back().node == node &&
                         out_.runs.back().textStart + out_.runs.back().textLength == base + from;
        if (!continues) {
            Run run;
            run.x = x_;
            run.textStart = base + from;
            run.node = node;
            run.link = link_;
            out_.runs.push_back(run);
            lineInfo_.push_back(info_);
        }
        out_.runs.back().textLength += to - from;
        out_.runs.back().width += width;
        x_ += width;
        hanging_ = hangingSpace;
    }

    bool lineIsEmpty() const { return lineStart_ == out_.runs.size(); }

    void lineBreak(int node) {
        if (!lineIsEmpty()) return endLine();
        placePendingMargin();
        FontMetrics m = measurer_.metrics(styles_[node]);
        y_ += m.ascent + m.descent;
        lastWasSpace_ = true;
    }

    // --- lines -------------------------------------------------------------------------------

    void endLine() {
        if (lineIsEmpty()) return;
        placePendingMargin();
        int ascent = 0, descent = 0, tallest = 0;
        bool anyOnBaseline = false;
        for (const RunInfo& r : lineInfo_) {
            tallest = std::max(tallest, r.metrics.ascent + r.metrics.descent);
            if (r.align == VerticalAlign::Top || r.align == VerticalAlign::Bottom) continue;
            anyOnBaseline = true;
            ascent = std::max(ascent, r.metrics.ascent + r.shift);
            descent = std::max(descent, r.metrics.descent - r.shift);
        }
        if (!anyOnBaseline) {
            for (const RunInfo& r : lineInfo_) ascent = std::max(ascent, r.metrics.ascent);
        }
        int height = std::max(ascent + descent, tallest);
        int offset = alignmentOffset();
        for (size_t i = lineStart_; i < out_.runs.size(); ++i) {
            Run& run = out_.runs[i];
            const RunInfo& r = lineInfo_[i - lineStart_];
            if (r.align == VerticalAlign::Top) run.baseline = y_ + r.metrics.ascent;
            else if (r.align == VerticalAlign::Bottom) run.baseline = y_ + height - r.metrics.descent;
            else run.baseline = y_ + ascent - r.shift;
            run.y = run.baseline - r.metrics.ascent;
            run.height = r.metrics.ascent + r.metrics.descent;
            run.x += left_ + offset;
        }
        if (marker_.node >= 0) addMarker(y_ + ascent);
        out_.lines.push_back({y_, height, static_cast<int>(lineStart_), static_cast<int>(out_.runs.size())});
        y_ += height;
        lineStart_ = out_.runs.size();
        lineInfo_.clear();
        x_ = 0;
        hanging_ = 0;
    }

    int alignmentOffset() const {
        int free = std::max(0, (right_ - left_) - (x_ - hanging_));
        if (align_ == TextAlign::Center) return free / 2;
        if (align_ == TextAlign::Right) return free;
        return 0;
    }

    static constexpr int kNarrowest = 24;  // nested margins never squeeze text narrower than this
    static constexpr int kMarkerGap = 6;
    static constexpr size_t kCharactersPerLine = 8;  // fewer than on any line but the narrowest

    const Document& doc_;
    const std::vector<Style>& styles_;
    TextMeasurer& measurer_;
    Layout& out_;
    const int stopBelow_;

    int left_ = 0, right_;
    TextAlign align_ = TextAlign::Left;
    int y_ = 0;
    int pendingMargin_ = 0;
    bool lastWasSpace_ = true;
    int link_ = -1;
    ListState list_;
    struct {
        int node = -1;
        std::wstring text;
    } marker_;

    // The line being filled: its runs are out_.runs[lineStart_, end).
    size_t lineStart_ = 0;
    std::vector<RunInfo> lineInfo_;
    int x_ = 0;
    int hanging_ = 0;  // the width of the spaces that end the line, which alignment ignores

    // The text piece being placed.
    std::wstring collapsed_;
    std::vector<int> extents_;
    RunInfo info_;
};

}  // namespace

Layout LayOut(const Document& doc, const std::vector<Style>& styles, int width, TextMeasurer& measurer) {
    Layout layout;
    LayOut(doc, styles, width, measurer, layout);
    return layout;
}

void LayOut(const Document& doc, const std::vector<Style>& styles, int width, TextMeasurer& measurer, Layout& out,
            int stopBelow) {
    out.text.clear();
    out.runs.clear();
    out.lines.clear();
    out.rules.clear();
    out.links.clear();
    Flow::Reserve(doc, out);
    Flow(doc, styles, std::max(1, width), measurer, out, stopBelow).run();
}

std::pair<int, int> LinesBetween(const Layout& layout, int top, int bottom) {
    const std::vector<Line>& lines = layout.lines;
    auto first = std::partition_point(lines.begin(), lines.end(), [&](const Line& l) { return l.top + l.height <= top; });
    auto end = std::partition_point(first, lines.end(), [&](const Line& l) { return l.top < bottom; });
    return {static_cast<int>(first - lines.begin()), static_cast<int>(end - lines.begin())};
}

int LinkAt(const Layout& layout, int x, int y) {
    std::pair<int, int> lines = LinesBetween(layout, y, y + 1);
    for (int l = lines.first; l < lines.second; ++l) {
        const Line& line = layout.lines[l];
        for (int r = line.firstRun; r < line.endRun; ++r) {
            const Run& run = layout.runs[r];
            if (run.link >= 0 && x >= run.x && x < run.x + run.width) return run.link;
        }
    }
    return -1;
}

std::vector<Box> LinkBoxes(const Layout& layout, int link) {
    std::vector<Box> boxes;
    for (const Run& run : layout.runs)
        if (run.link == link) boxes.push_back({run.x, run.y, run.x + run.width, run.y + run.height});
    return boxes;
}

}  // namespace html
