// Layout: lines, wrapping, blocks and links, measured with a fixed-width stand-in so
// that every expected position can be worked out by hand.
#include <gtest/gtest.h>

#include "app/memo_page.h"
#include "support/html_test_support.h"

namespace {

// No body margin; CJK characters 10 px wide, others 5 px; lines 12 px high.
const char kPlain[] = "body {margin:0; font-size:10px}";

const html::Run& RunOf(const StyledPage& page, const std::string& text) {
    for (const html::Run& run : page.layout.runs)
        if (RunText(page.layout, run) == text) return run;
    throw std::runtime_error("no run " + text);
}

}  // namespace

struct WrapCase {
    const char* name;
    const char* markup;
    int width;
    std::vector<std::string> lines;
};

class HtmlWrap : public testing::TestWithParam<WrapCase> {};

TEST_P(HtmlWrap, BreaksLinesWhereExpected) {
    FixedWidthMeasurer measurer;
    StyledPage page = LayOutPage(GetParam().markup, kPlain, GetParam().width, measurer);
    EXPECT_EQ(LineTexts(page.layout), GetParam().lines);
}

const WrapCase kWrapCases[] = {
    {"AtSpaces", "aaaa bbbb cccc", 50, {"aaaa bbbb ", "cccc"}},
    {"WordThatJustFits", "aaaa bbbbb", 50, {"aaaa bbbbb"}},
    {"BetweenCjkCharacters", "中文中文中文", 30, {"中文中", "文中文"}},
    {"PunctuationStaysWithThePreviousCharacter", "中文，中文", 20, {"中", "文，", "中文"}},
    {"OpeningBracketStaysWithTheNextCharacter", "中（文）", 30, {"中", "（文）"}},
    {"BetweenCjkAndLatin", "ab中文cd", 20, {"ab中", "文cd"}},
    {"OverlongWordIsCut", "abcdefghij", 20, {"abcd", "efgh", "ij"}},
    {"NarrowerThanOneCharacter", "中a", 1, {"中", "a"}},
    {"SpacesCollapse", "  a \r\n\t b  ", 100, {"a b "}},
    {"SpacesCollapseAcrossElements", "a <b> b</b> c", 100, {"a b c"}},
    {"NoSpaceAtTheStartOfAWrappedLine", "aaaa      bbbb", 20, {"aaaa ", "bbbb"}},
    {"Breaks", "a<br>b<br><br>c", 100, {"a", "b", "c"}},
    {"Blocks", "a<div>b</div>c<p>d", 100, {"a", "b", "c", "d"}},
    {"Preformatted", "<pre>a  b\r\n c\td</pre>", 100, {"a  b", " c    d"}},
    {"HiddenElement", "a<span style=\"display:none\">b</span>c<title>t</title>", 100, {"ac"}},
    {"StrayGreaterThanIsText", "<a event=\"x\">>x</a>", 100, {">x"}},
};

INSTANTIATE_TEST_SUITE_P(Cases, HtmlWrap, testing::ValuesIn(kWrapCases),
                         [](const testing::TestParamInfo<WrapCase>& info) { return std::string(info.param.name); });

TEST(HtmlLayout, NonBreakingSpaceHoldsWordsTogether) {
    FixedWidthMeasurer measurer;
    StyledPage page = LayOutPage("aa&nbsp;bb cc", kPlain, 30, measurer);
    ASSERT_EQ(page.layout.lines.size(), 2u);
    EXPECT_EQ(page.layout.text.substr(0, page.layout.runs[0].textLength), std::wstring(L"aa\xA0" L"bb "));
}

TEST(HtmlLayout, AlignsLinesInTheirBlock) {
    FixedWidthMeasurer measurer;
    StyledPage page = LayOutPage("<center>ab </center><p align=right>cd</p><div>ef</div>", kPlain, 100, measurer);
    EXPECT_EQ(RunOf(page, "ab ").x, 45);  // the hanging space does not count
    EXPECT_EQ(RunOf(page, "cd").x, 90);
    EXPECT_EQ(RunOf(page, "ef").x, 0);
}

TEST(HtmlLayout, StacksLinesRulesAndCollapsedMargins) {
    FixedWidthMeasurer measurer;
    StyledPage page = LayOutPage("a<hr>b<p>c</p><p>d</p>", kPlain, 100, measurer);
    const html::Layout& layout = page.layout;
    ASSERT_EQ(layout.lines.size(), 4u);
    EXPECT_EQ(layout.lines[0].top, 0);
    EXPECT_EQ(layout.lines[0].height, 12);
    ASSERT_EQ(layout.rules.size(), 1u);
    EXPECT_EQ(layout.rules[0].y, 12 + 5);  // hr margins are .5em
    EXPECT_EQ(layout.rules[0].x, 0);
    EXPECT_EQ(layout.rules[0].width, 100);
    EXPECT_EQ(layout.lines[1].top, 17 + html::kRuleHeight + 5);
    EXPECT_EQ(layout.lines[2].top, layout.lines[1].top + 12 + 10);                // p's top margin
    EXPECT_EQ(layout.lines[3].top, layout.lines[2].top + 12 + 10);                // one margin between paragraphs
    EXPECT_EQ(layout.height, layout.lines[3].top + 12 + 10);
}

TEST(HtmlLayout, EmptyLinesFromBreaksTakeTheFontHeight) {
    FixedWidthMeasurer measurer;
    StyledPage page = LayOutPage("a<br><br>b", kPlain, 100, measurer);
    ASSERT_EQ(page.layout.lines.size(), 2u);
    EXPECT_EQ(page.layout.lines[1].top, 24);
}

TEST(HtmlLayout, BodyMarginByDefault) {
    FixedWidthMeasurer measurer;
    StyledPage page = LayOutPage("x", "", 100, measurer);
    EXPECT_EQ(page.layout.runs[0].x, 6);
    EXPECT_EQ(page.layout.lines[0].top, 6);
    EXPECT_EQ(page.layout.runs[0].height, 16 + 4);
}

TEST(HtmlLayout, SubscriptsAndSuperscriptsMoveTheBaseline) {
    FixedWidthMeasurer measurer;
    StyledPage page = LayOutPage("x<sup>2</sup>y<sub>3</sub>", kPlain, 100, measurer);
    const html::Run& x = RunOf(page, "x");
    EXPECT_LT(RunOf(page, "2").baseline, x.baseline);
    EXPECT_GT(RunOf(page, "3").baseline, x.baseline);
    EXPECT_EQ(RunOf(page, "y").baseline, x.baseline);
    const html::Line& line = page.layout.lines[0];
    EXPECT_GE(RunOf(page, "2").y, line.top);
    EXPECT_LE(RunOf(page, "3").y + RunOf(page, "3").height, line.top + line.height);
}

TEST(HtmlLayout, TemplateTopAndBottomAlignToTheLineBox) {
    FixedWidthMeasurer measurer;
    std::string page = ComposeMemoPage("<big>X</big><sup>2</sup><sub>3</sub>");
    StyledPage styled = LayOutPage(page, "", 300, measurer);
    const html::Line& line = styled.layout.lines[0];
    const html::Run& sup = RunOf(styled, "2");
    const html::Run& sub = RunOf(styled, "3");
    EXPECT_EQ(sup.y, line.top);
    EXPECT_EQ(sub.y + sub.height, line.top + line.height);
    EXPECT_LT(sup.height, RunOf(styled, "X").height);
}

TEST(HtmlLayout, ListItemsGetMarkersBesideTheirFirstLine) {
    FixedWidthMeasurer measurer;
    StyledPage page = LayOutPage("<ol><li>x<li>y<li></ol><ul><li>z</ul>", "", 300, measurer);
    const html::Run& x = RunOf(page, "x");
    const html::Run& one = RunOf(page, "1.");
    EXPECT_EQ(x.x, 6 + 40);
    EXPECT_EQ(one.x, 46 - 16 - 6);
    EXPECT_EQ(one.baseline, x.baseline);
    EXPECT_EQ(RunOf(page, "2.").baseline, RunOf(page, "y").baseline);
    const html::Run* bullet = nullptr;
    for (const html::Run& run : page.layout.runs)
        if (page.layout.text.compare(run.textStart, run.textLength, L"\x2022") == 0) bullet = &run;
    ASSERT_NE(bullet, nullptr);
    EXPECT_EQ(bullet->baseline, RunOf(page, "z").baseline);
    EXPECT_THROW(RunOf(page, "3."), std::runtime_error);  // an empty item shows nothing
}

TEST(HtmlLayout, LinksAreFoundByPoint) {
    FixedWidthMeasurer measurer;
    StyledPage page = LayOutPage("<a event=one>aa</a> <a event=two href=\"http://x/\">bb</a> <a name=n>cc</a>", kPlain,
                                 100, measurer);
    const html::Layout& layout = page.layout;
    ASSERT_EQ(layout.links.size(), 2u);
    EXPECT_EQ(layout.links[0].eventText, "one");
    EXPECT_TRUE(layout.links[0].hasEvent);
    EXPECT_EQ(layout.links[0].href, "");
    EXPECT_EQ(layout.links[1].href, "http://x/");
    EXPECT_EQ(html::LinkAt(layout, 5, 5), 0);
    EXPECT_EQ(html::LinkAt(layout, 12, 5), -1);  // the space between
    EXPECT_EQ(html::LinkAt(layout, 20, 11), 1);
    EXPECT_EQ(html::LinkAt(layout, 32, 5), -1);  // a named anchor is no link
    EXPECT_EQ(html::LinkAt(layout, 20, 12), -1);
    std::vector<html::Box> boxes = html::LinkBoxes(layout, 1);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].left, 15);
    EXPECT_EQ(boxes[0].right, 25);
    EXPECT_EQ(boxes[0].top, 0);
    EXPECT_EQ(boxes[0].bottom, 12);
}

TEST(HtmlLayout, AWrappedLinkHasABoxOnEachLine) {
    FixedWidthMeasurer measurer;
    StyledPage page = LayOutPage("ab <a event=e>cdef ghij</a>", kPlain, 50, measurer);
    std::vector<html::Box> boxes = html::LinkBoxes(page.layout, 0);
    ASSERT_EQ(boxes.size(), 2u);
    EXPECT_EQ(boxes[0].top, 0);
    EXPECT_EQ(boxes[1].top, 12);
    EXPECT_EQ(html::LinkAt(page.layout, 2, 14), 0);
}

TEST(HtmlLayout, LinesBetweenFindsTheVisibleBand) {
    FixedWidthMeasurer measurer;
    StyledPage page = LayOutPage("1<br>2<br>3<br>4<br>5", kPlain, 100, measurer);
    EXPECT_EQ(html::LinesBetween(page.layout, 0, 12), std::make_pair(0, 1));
    EXPECT_EQ(html::LinesBetween(page.layout, 11, 25), std::make_pair(0, 3));
    EXPECT_EQ(html::LinesBetween(page.layout, 24, 36), std::make_pair(2, 3));
    EXPECT_EQ(html::LinesBetween(page.layout, 100, 200), std::make_pair(5, 5));
}

TEST(HtmlLayout, UpperPaneHeaderInItsDesignedWidth) {
    FixedWidthMeasurer measurer;
    const rt::ControlDesign& pane = DesignedPane("简单超文本框1");
    StyledPage page = LayOutPage(pane.text, pane.styleSheet, pane.width, measurer);
    const html::Layout& layout = page.layout;
    ASSERT_EQ(layout.links.size(), 2u);
    EXPECT_EQ(layout.links[0].eventText, "添加备忘");
    EXPECT_EQ(layout.links[1].eventText, "所有备忘");
    EXPECT_EQ(layout.rules.size(), 2u);
    // The heading is centred: its first line has equal room on both sides.
    const html::Line& heading = layout.lines[0];
    const html::Run& first = layout.runs[heading.firstRun];
    EXPECT_EQ(RunText(layout, first).substr(0, 4), "岚舟");
    EXPECT_EQ(first.height, 21 + 5);  // 16pt
    // Both links stand below the "今日备忘" heading, 24 px high, inside the pane.
    const html::Run& title = RunOf(page, "今日备忘");
    for (int link = 0; link < 2; ++link) {
        std::vector<html::Box> boxes = html::LinkBoxes(layout, link);
        ASSERT_FALSE(boxes.empty());
        EXPECT_GE(boxes[0].top, title.y + title.height);
        EXPECT_EQ(boxes[0].bottom - boxes[0].top, 24 + 6);
        EXPECT_LE(boxes.back().right, pane.width);
    }
    EXPECT_GT(layout.rules[1].y, html::LinkBoxes(layout, 1).back().bottom);
}

TEST(HtmlLayout, TodayPageListsCentredLargeLinks) {
    FixedWidthMeasurer measurer;
    const rt::ControlDesign& pane = DesignedPane("简单超文本框1");
    std::string markup = pane.text + "\r\n<center><a style=\"font-size:30px\" event=\"今日备忘-1\">会议</a></center>";
    StyledPage page = LayOutPage(markup, pane.styleSheet, pane.width, measurer);
    ASSERT_EQ(page.layout.links.size(), 3u);
    std::vector<html::Box> boxes = html::LinkBoxes(page.layout, 2);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].right - boxes[0].left, 60);
    EXPECT_EQ(boxes[0].left, (pane.width - 60) / 2);
}

TEST(HtmlLayout, EveryRunStartsInsideThePane) {
    FixedWidthMeasurer measurer;
    for (const rt::ControlDesign& pane : MainWindowDesign.controls) {
        if (pane.kind != rt::ControlKind::HypertextPane) continue;
        StyledPage page = LayOutPage(pane.text, pane.styleSheet, pane.width, measurer);
        for (const html::Run& run : page.layout.runs) {
            EXPECT_GE(run.x, 0) << pane.name;
            EXPECT_LE(run.x + run.width - 19 / 2, pane.width) << pane.name << RunText(page.layout, run);
        }
    }
}

namespace {

void ExpectSameLayout(const html::Layout& a, const html::Layout& b) {
    EXPECT_EQ(a.height, b.height);
    EXPECT_EQ(LineTexts(a), LineTexts(b));
    ASSERT_EQ(a.runs.size(), b.runs.size());
    for (size_t i = 0; i < a.runs.size(); ++i) {
        EXPECT_EQ(a.runs[i].x, b.runs[i].x) << i;
        EXPECT_EQ(a.runs[i].y, b.runs[i].y) << i;
        EXPECT_EQ(a.runs[i].width, b.runs[i].width) << i;
        EXPECT_EQ(a.runs[i].link, b.runs[i].link) << i;
    }
    EXPECT_EQ(a.rules.size(), b.rules.size());
    ASSERT_EQ(a.links.size(), b.links.size());
    for (size_t i = 0; i < a.links.size(); ++i) EXPECT_EQ(a.links[i].eventText, b.links[i].eventText);
}

std::string ManyLines(int count) {
    std::string markup = "<ul>";
    for (int i = 0; i < count; ++i) markup += "<li><a event=\"e" + std::to_string(i) + "\">line</a> 中文<hr>";
    return markup + "</ul>";
}

}  // namespace

TEST(HtmlLayout, LayingOutIntoAUsedLayoutGivesTheSameLayout) {
    FixedWidthMeasurer measurer;
    html::Layout used;
    for (const std::string& markup : {ManyLines(30), std::string("<p>a<br>b</p>"), ManyLines(3), std::string()}) {
        StyledPage page = LayOutPage(markup, kPlain, 80, measurer);
        html::LayOut(page.doc, page.styles, 80, measurer, used);
        ExpectSameLayout(used, page.layout);
    }
}

TEST(HtmlLayout, StopsOnceThePageOutgrowsTheHeightAsked) {
    FixedWidthMeasurer measurer;
    StyledPage page = LayOutPage(ManyLines(30), kPlain, 80, measurer);
    ASSERT_GT(page.layout.height, 100);
    html::Layout trial;
    html::LayOut(page.doc, page.styles, 80, measurer, trial, 100);
    EXPECT_GT(trial.height, 100);
    EXPECT_LT(trial.lines.size(), page.layout.lines.size());
    std::vector<std::string> full = LineTexts(page.layout);
    std::vector<std::string> cut = LineTexts(trial);
    for (size_t i = 0; i + 1 < cut.size(); ++i) EXPECT_EQ(cut[i], full[i]);  // the last line may be cut off
    // A page that fits is laid out whole.
    StyledPage shortPage = LayOutPage(ManyLines(2), kPlain, 80, measurer);
    html::LayOut(shortPage.doc, shortPage.styles, 80, measurer, trial, 100);
    ExpectSameLayout(trial, shortPage.layout);
}
