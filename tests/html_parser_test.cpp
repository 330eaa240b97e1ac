// The markup parser: the program's own markup, memo pages and malformed input.
#include <gtest/gtest.h>

#include <random>

#include "app/memo_page.h"
#include "support/html_test_support.h"

using html::ParseMarkup;

namespace {

int Depth(const html::Document& doc, int node) {
    int depth = 0;
    for (; node > 0; node = doc.nodes[node].parent) ++depth;
    return depth;
}

}  // namespace

TEST(HtmlParser, ReadsTheUpperPaneHeaderWithItsStrayAngleBrackets) {
    html::Document doc = ParseMarkup(DesignedPane("简单超文本框1").text);
    EXPECT_EQ(Dump(doc),
              "body(center(h3(\"    岚舟备忘录-方便的综合辅助办公软件    \") \"\r\n\" hr) \"\r\n\" "
              "h1(\"今日备忘\") \"       \" a[event=添加备忘](\">添加备忘\") \"  \" "
              "a[event=所有备忘](\">所有备忘\") \"\r\n\" center(hr))");
}

TEST(HtmlParser, ReadsTheCommandPaneWithTheSiteAnchor) {
    html::Document doc = ParseMarkup(DesignedPane("简单超文本框2").text);
    int site = FindElement(doc, "a", 4);
    ASSERT_GE(site, 0);
    EXPECT_EQ(*doc.attribute(site, "event"), "官网");
    ASSERT_NE(doc.attribute(site, "href"), nullptr);
    EXPECT_EQ(doc.attribute(site, "href")->find("http://"), 0u);
    EXPECT_NE(doc.attribute(site, "href")->find("/app/qzbwl/"), std::string::npos);
    EXPECT_EQ(DumpNode(doc, doc.nodes[site].firstChild), "\"软件官网\"");
    EXPECT_EQ(FindElement(doc, "a", 5), -1);
}

TEST(HtmlParser, TakesTheStyleBlockOfAMemoPageAndLeavesTheBody) {
    html::Document doc = ParseMarkup(ComposeMemoPage("<h2>会议</h2>三点<b>开会</b>"));
    EXPECT_NE(doc.styleText.find("h1 {font-size: 16pt; color:black; font-weight:bold}"), std::string::npos);
    EXPECT_NE(doc.styleText.find(".comment {color:green}"), std::string::npos);
    EXPECT_EQ(doc.styleText.find("<style"), std::string::npos);
    EXPECT_EQ(Dump(doc), "body(\"\r\n\" h2(\"会议\") \"三点\" b(\"开会\"))");
}

struct ParseCase {
    const char* name;
    const char* markup;
    const char* tree;
};

class HtmlParserCases : public testing::TestWithParam<ParseCase> {};

TEST_P(HtmlParserCases, BuildsTheExpectedTree) { EXPECT_EQ(Dump(ParseMarkup(GetParam().markup)), GetParam().tree); }

const ParseCase kParseCases[] = {
    {"Empty", "", "body"},
    {"UpperCaseTagsAndAttributes", "<A HREF=x.htm Event='E'>t</A>", "body(a[href=x.htm,event=E](\"t\"))"},
    {"QuotedAngleBracket", "<a event=\"x>y\">t</a>", "body(a[event=x>y](\"t\"))"},
    {"UnquotedGbkValue", "<a event=添加>x</a>", "body(a[event=添加](\"x\"))"},
    {"ValuelessAttribute", "<hr noshade size=2>", "body(hr[noshade=,size=2])"},
    {"FirstOfRepeatedAttributes", "<a event=1 event=2>x</a>", "body(a[event=1](\"x\"))"},
    {"ReferenceInAttribute", "<a event=\"a&amp;b&lt;\">x</a>", "body(a[event=a&b<](\"x\"))"},
    {"MisnestedInline", "<b>1<i>2</b>3</i>", "body(b(\"1\" i(\"2\")) \"3\")"},
    {"UnclosedParagraphs", "<p>one<p>two", "body(p(\"one\") p(\"two\"))"},
    {"BlockClosesParagraph", "<p>one<div>two</div>", "body(p(\"one\") div(\"two\"))"},
    {"UnclosedItems", "<ul><li>a<li>b</ul>c", "body(ul(li(\"a\") li(\"b\")) \"c\")"},
    {"HeadingClosesHeading", "<h1>a<h2>b", "body(h1(\"a\") h2(\"b\"))"},
    {"LinkClosesLink", "<a event=a>1<a event=b>2</a>", "body(a[event=a](\"1\") a[event=b](\"2\"))"},
    {"StrayEndTags", "</p></div>x</b>", "body(\"x\")"},
    {"EndBrIsABreak", "a</br>b", "body(\"a\" br \"b\")"},
    {"SelfClosing", "<br/><hr /><span/>x", "body(br hr span \"x\")"},
    {"StrayGreaterThan", "a > b >> c", "body(\"a > b >> c\")"},
    {"LessThanNotATag", "1 < 2 <3 <>", "body(\"1 < 2 <3 <>\")"},
    {"Comment", "a<!-- <b>hidden</b> -->b", "body(\"ab\")"},
    {"UnterminatedComment", "a<!-- b", "body(\"a\")"},
    {"Declaration", "<!DOCTYPE html><?xml x?>a", "body(\"a\")"},
    {"TagCutOffAtTheEnd", "text <b", "body(\"text <b\")"},
    {"QuoteCutOffAtTheEnd", "a<b c=\"d>e</b>", "body(\"a<b c=\"d>e</b>\")"},
    {"DocumentFrameLendsItsAttributes", "<html><head><title>T</title></head><body text=red>x</body></html>",
     "body[text=red](\"x\")"},
    {"ScriptDropped", "a<script>if (a<b) x();</script>b", "body(\"ab\")"},
    {"StyleCutOffAtTheEnd", "a<style>p{", "body(\"a\")"},
    {"NamedReferences", "&lt;&gt;&amp;&quot;&apos;", "body(\"<>&\"'\")"},
    {"ReferencesWithoutSemicolon", "&lt &amp x", "body(\"< & x\")"},
    {"UnknownReferencesStay", "&bogus; & &;", "body(\"&bogus; & &;\")"},
    {"NumericReferences", "&#20013;&#x6587;&#X6587;", "body(\"中文文\")"},
    {"CommentBetweenTextsJoinsThem", "a<!---->b<!x>c", "body(\"abc\")"},
};

INSTANTIATE_TEST_SUITE_P(Cases, HtmlParserCases, testing::ValuesIn(kParseCases),
                         [](const testing::TestParamInfo<ParseCase>& info) { return std::string(info.param.name); });

TEST(HtmlParser, DecodesReferencesOutsideGbkToUtf16) {
    html::Document doc = ParseMarkup("&#x1F600;&#0;&#99999999999;&#xD800;");
    ASSERT_EQ(doc.nodes.size(), 2u);
    EXPECT_EQ(doc.nodes[1].text, std::wstring(L"\xD83D\xDE00\xFFFD\xFFFD\xFFFD"));
}

TEST(HtmlParser, NonBreakingSpaceIsKeptApartFromSpaces) {
    html::Document doc = ParseMarkup("a&nbsp;b");
    EXPECT_EQ(doc.nodes[1].text, std::wstring(L"a\xA0" L"b"));
}

TEST(HtmlParser, ATagAfterALoneLeadByteIsStillATag) {
    // 0xB0 followed by "<" is no GBK character: the "<" must not be swallowed.
    html::Document doc = ParseMarkup("\xB0<b>x</b>");
    EXPECT_NE(FindElement(doc, "b"), -1);
}

TEST(HtmlParser, StyleEndTagIsFoundInAnyCase) {
    html::Document doc = ParseMarkup("<STYLE>p {color:red}</StYlE >x<style>h1{}</style>");
    EXPECT_EQ(doc.styleText, "p {color:red}\nh1{}\n");
    EXPECT_EQ(Dump(doc), "body(\"x\")");
}

TEST(HtmlParser, DeepNestingIsFlattenedAtTheDepthLimit) {
    std::string markup;
    for (int i = 0; i < 20000; ++i) markup += "<b>";
    markup += "x";
    html::Document doc = ParseMarkup(markup);
    int deepest = 0;
    for (size_t i = 0; i < doc.nodes.size(); ++i) deepest = std::max(deepest, Depth(doc, static_cast<int>(i)));
    EXPECT_LE(deepest, html::kMaxDepth + 1);
    EXPECT_TRUE(doc.nodes.back().isText);
}

TEST(HtmlParser, ManyUnclosedTagsAtTheEndStayLinear) {
    // Each "<a" would scan to the end again if a cut-off tag did not end the reading.
    std::string markup(300000, ' ');
    for (size_t i = 0; i < markup.size(); i += 3) markup.replace(i, 2, "<a");
    DWORD start = GetTickCount();
    html::Document doc = ParseMarkup(markup);
    EXPECT_LT(GetTickCount() - start, 2000u);
    EXPECT_EQ(doc.nodes.size(), 2u);
}

TEST(HtmlParser, RandomMarkupNeverBreaksTheTree) {
    const char* pieces[] = {"<", ">", "</", "/>", "a", "b", "p", "li", "ul", "style", "script", "!--", "-->", "=",
                            "\"", "'", "&", "#", ";", "amp", "x", " ", "\r\n", "中", "event", "href", "hr", "br",
                            "h1", "center", "\xB0", "\x81", "!", "?"};
    std::mt19937 random(7);
    FixedWidthMeasurer measurer;
    for (int round = 0; round < 1500; ++round) {
        std::string markup;
        int count = static_cast<int>(random() % 60);
        for (int i = 0; i < count; ++i) markup += pieces[random() % (sizeof pieces / sizeof *pieces)];
        StyledPage page = LayOutPage(markup, "", 200, measurer);
        const html::Document& doc = page.doc;
        ASSERT_FALSE(doc.nodes.empty()) << markup;
        for (size_t i = 1; i < doc.nodes.size(); ++i) {
            ASSERT_GE(doc.nodes[i].parent, 0) << markup;
            ASSERT_LT(doc.nodes[i].parent, static_cast<int>(i)) << markup;
        }
        for (const html::Run& run : page.layout.runs)
            ASSERT_LE(run.textStart + run.textLength, static_cast<int>(page.layout.text.size())) << markup;
    }
}

// A pane parses each page into the document of the page before: what that one held must
// never show through, whatever the two pages were.
TEST(HtmlParser, ParsingIntoAUsedDocumentGivesTheSameTree) {
    const char* pieces[] = {"<p>", "</p>", "<a href=\"x\" event=\"y\">", "</a>", "<b>", "</b>", "text ", "中文",
                            "&amp;", "<br>", "<style>p{}</style>", "<!-- c -->", "<ul><li>", "<body class=k>", "\r\n"};
    std::mt19937 random(11);
    html::Document used;
    for (int round = 0; round < 300; ++round) {
        std::string markup;
        int count = static_cast<int>(random() % (round % 2 ? 80 : 8));  // long and short pages in turn
        for (int i = 0; i < count; ++i) markup += pieces[random() % (sizeof pieces / sizeof *pieces)];
        html::ParseMarkup(markup, used);
        html::Document fresh = ParseMarkup(markup);
        ASSERT_EQ(Dump(used), Dump(fresh)) << markup;
        ASSERT_EQ(used.nodes.size(), fresh.nodes.size()) << markup;
        ASSERT_EQ(used.styleText, fresh.styleText) << markup;
        for (size_t i = 0; i < fresh.nodes.size(); ++i) {
            const html::Node& a = used.nodes[i];
            const html::Node& b = fresh.nodes[i];
            ASSERT_TRUE(a.parent == b.parent && a.firstChild == b.firstChild && a.lastChild == b.lastChild &&
                        a.nextSibling == b.nextSibling && a.isText == b.isText)
                << markup << " node " << i;
        }
    }
}
