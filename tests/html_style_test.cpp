// Style sheets and computed styles: the program's sheets, the defaults, the cascade.
#include <gtest/gtest.h>

#include <windows.h>

#include "app/memo_page.h"
#include "support/html_test_support.h"

using html::Style;

namespace {

struct Styled {
    html::Document doc;
    std::vector<Style> styles;
    const Style& of(const std::string& tag, int nth = 0) const {
        int node = FindElement(doc, tag, nth);
        if (node < 0) throw std::runtime_error("no element " + tag);
        return styles[node];
    }
};

Styled StyleMarkup(const std::string& markup, const std::string& sheet, int hoveredLink = -1) {
    Styled s;
    s.doc = html::ParseMarkup(markup);
    s.styles = html::ComputeStyles(s.doc, html::ParseStyleSheet(sheet + "\n" + s.doc.styleText), hoveredLink);
    return s;
}

}  // namespace

TEST(HtmlStyle, UpperPaneSheetGivesLargeGreenLinksAndOrangeHeadings) {
    const rt::ControlDesign& pane = DesignedPane("简单超文本框1");
    Styled s = StyleMarkup(pane.text, pane.styleSheet);
    const Style& body = s.styles[0];
    EXPECT_EQ(body.fontSize, 19);  // 14pt at 96 dpi
    EXPECT_EQ(body.fontFamily, "微软雅黑");
    EXPECT_EQ(body.color, RGB(0, 0, 0));
    EXPECT_EQ(s.of("h3").color, RGB(0xFF, 0x99, 0x00));
    EXPECT_EQ(s.of("h3").fontWeight, 700);
    EXPECT_EQ(s.of("h3").fontSize, 21);  // 16pt
    EXPECT_EQ(s.of("h3").fontFamily, "微软雅黑");
    EXPECT_EQ(s.of("h1").fontSize, 24);  // 18pt
    EXPECT_EQ(s.of("h1").color, RGB(0, 0, 0));
    const Style& link = s.of("a");
    EXPECT_EQ(link.color, RGB(0, 0x80, 0));
    EXPECT_EQ(link.fontSize, 24);
    EXPECT_FALSE(link.underline);
    EXPECT_EQ(s.of("center").textAlign, html::TextAlign::Center);
    EXPECT_EQ(s.of("h3").textAlign, html::TextAlign::Center);
}

TEST(HtmlStyle, HoverUnderlinesOnlyTheHoveredLinkAndKeepsItsGeometry) {
    const rt::ControlDesign& pane = DesignedPane("简单超文本框1");
    html::Document doc = html::ParseMarkup(pane.text);
    html::StyleSheet sheet = html::ParseStyleSheet(pane.styleSheet);
    int first = FindElement(doc, "a", 0), second = FindElement(doc, "a", 1);
    std::vector<Style> plain = html::ComputeStyles(doc, sheet, -1);
    std::vector<Style> hovered = html::ComputeStyles(doc, sheet, first);
    EXPECT_TRUE(hovered[first].underline);
    EXPECT_TRUE(hovered[doc.nodes[first].firstChild].underline);  // its text
    EXPECT_FALSE(hovered[second].underline);
    EXPECT_EQ(hovered[first].color, RGB(0, 0x80, 0));
    for (size_t i = 0; i < doc.nodes.size(); ++i) EXPECT_TRUE(html::SameGeometry(plain[i], hovered[i])) << i;
}

TEST(HtmlStyle, CommandPaneLinksAreBlueAtBodySize) {
    const rt::ControlDesign& pane = DesignedPane("简单超文本框2");
    Styled s = StyleMarkup(pane.text, pane.styleSheet);
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(s.of("a", i).color, RGB(0, 0, 0xFF)) << i;
        EXPECT_EQ(s.of("a", i).fontSize, 19) << i;
    }
    int site = FindElement(s.doc, "a", 4);
    std::vector<Style> hovered = html::ComputeStyles(s.doc, html::ParseStyleSheet(pane.styleSheet), site);
    EXPECT_TRUE(hovered[site].underline);
    EXPECT_EQ(hovered[site].color, RGB(0, 0, 0xFF));
}

TEST(HtmlStyle, MemoPageTemplateStylesTheBody) {
    Styled s = StyleMarkup(ComposeMemoPage("<h1>标题</h1><p>段落</p><h6>小</h6><sub>下</sub><sup>上</sup>"
                                           "<big>大</big><small>小</small><a href=\"x.htm\">链接</a>"
                                           "<span class=\"comment\">注</span>"),
                           "");
    EXPECT_EQ(s.styles[0].fontSize, 16);  // 12pt
    EXPECT_EQ(s.of("h1").fontSize, 21);   // 16pt
    EXPECT_EQ(s.of("p").fontSize, 17);    // 13pt
    EXPECT_EQ(s.of("h6").fontSize, 10);   // 65% of 16
    EXPECT_EQ(s.of("h6").color, RGB(0x62, 0x62, 0x62));
    EXPECT_EQ(s.of("h6").fontWeight, 400);
    EXPECT_EQ(s.of("sub").verticalAlign, html::VerticalAlign::Bottom);
    EXPECT_EQ(s.of("sup").verticalAlign, html::VerticalAlign::Top);
    EXPECT_EQ(s.of("sub").fontSize, 10);
    EXPECT_EQ(s.of("big").fontSize, 20);
    EXPECT_EQ(s.of("small").fontSize, 12);
    EXPECT_EQ(s.of("a").color, RGB(0, 0x80, 0));
    EXPECT_FALSE(s.of("a").underline);
    EXPECT_EQ(s.of("span").color, RGB(0, 0x80, 0));
}

struct ColorCase {
    const char* text;
    bool valid;
    COLORREF color;
};

TEST(HtmlStyle, ReadsColours) {
    const ColorCase cases[] = {
        {"#ff9900", true, RGB(0xFF, 0x99, 0x00)}, {"#FF9900", true, RGB(0xFF, 0x99, 0x00)},
        {"#f90", true, RGB(0xFF, 0x99, 0x00)},    {"#626262", true, RGB(0x62, 0x62, 0x62)},
        {"green", true, RGB(0, 0x80, 0)},         {" Blue ", true, RGB(0, 0, 0xFF)},
        {"orange", true, RGB(0xFF, 0xA5, 0)},     {"rgb(1, 2, 3)", true, RGB(1, 2, 3)},
        {"rgb(100%,0%,300)", true, RGB(255, 0, 255)},
        {"#12345", false, 0},                     {"#ggg", false, 0},
        {"greenish", false, 0},                   {"rgb(1,2)", false, 0},
        {"", false, 0},
    };
    for (const ColorCase& c : cases) {
        uint32_t color = 0x123456;
        EXPECT_EQ(html::ParseColor(c.text, color), c.valid) << c.text;
        EXPECT_EQ(color, c.valid ? c.color : 0x123456u) << c.text;
    }
}

struct SizeCase {
    const char* declaration;
    int expected;  // pixels, inside a 20px parent
};

TEST(HtmlStyle, ReadsFontSizesAgainstTheParent) {
    const SizeCase cases[] = {
        {"12pt", 16}, {"24px", 24}, {"24", 24},       {"65%", 13},   {"2em", 40},       {"1.5em", 30},
        {"larger", 24}, {"smaller", 17}, {"x-large", 24}, {"medium", 16}, {"bogus", 20}, {"-5px", 20}, {"0px", 1},
        {"99999px", 500},
    };
    for (const SizeCase& c : cases) {
        Styled s = StyleMarkup("<div><span>x</span></div>",
                               std::string("div {font-size:20px} span {font-size:") + c.declaration + "}");
        EXPECT_EQ(s.of("span").fontSize, c.expected) << c.declaration;
    }
}

struct CascadeCase {
    const char* name;
    const char* sheet;
    const char* markup;
    COLORREF spanColor;
};

class HtmlCascade : public testing::TestWithParam<CascadeCase> {};

TEST_P(HtmlCascade, PicksTheWinningColour) {
    Styled s = StyleMarkup(GetParam().markup, GetParam().sheet);
    EXPECT_EQ(s.of("span").color, GetParam().spanColor);
}

const CascadeCase kCascadeCases[] = {
    {"Inherited", "p {color:red}", "<p><span>x</span></p>", RGB(0xFF, 0, 0)},
    {"ClassBeatsTagWhateverTheOrder", ".c {color:red} span {color:blue}", "<span class=c>x</span>", RGB(0xFF, 0, 0)},
    {"LaterRuleWinsAtEqualWeight", "span {color:red} span {color:blue}", "<span>x</span>", RGB(0, 0, 0xFF)},
    {"ClassIsOneOfSeveral", ".b {color:red}", "<span class=\"a b\">x</span>", RGB(0xFF, 0, 0)},
    {"ClassIgnoresCase", ".Comment {color:red}", "<span class=COMMENT>x</span>", RGB(0xFF, 0, 0)},
    {"IdBeatsClass", "#i {color:red} .c {color:blue}", "<span id=i class=c>x</span>", RGB(0xFF, 0, 0)},
    {"StyleAttributeBeatsAll", "#i {color:red}", "<span id=i style=\"color:#00f\">x</span>", RGB(0, 0, 0xFF)},
    {"SheetBeatsFontAttribute", "span {color:red}", "<font color=blue><span>x</span></font>", RGB(0xFF, 0, 0)},
    {"FontAttributeWithoutHash", "", "<font color=ff0000><span>x</span></font>", RGB(0xFF, 0, 0)},
    {"SelectorList", "h1, span , p {color:red}", "<span>x</span>", RGB(0xFF, 0, 0)},
    {"DescendantSelectorIsSkipped", "p span {color:red}", "<p><span>x</span></p>", RGB(0, 0, 0)},
    {"VisitedNeverApplies", "span:visited {color:red}", "<span>x</span>", RGB(0, 0, 0)},
    {"Comments", "/* span {color:red} */ span /* c */ {color: /* x */ blue}", "<span>x</span>", RGB(0, 0, 0xFF)},
    {"HtmlCommentsAroundRules", "<!-- span {color:red} -->", "<span>x</span>", RGB(0xFF, 0, 0)},
    {"Important", "span {color:red !important}", "<span>x</span>", RGB(0xFF, 0, 0)},
    {"UpperCaseProperty", "SPAN {COLOR:RED}", "<span>x</span>", RGB(0xFF, 0, 0)},
    {"UnterminatedRule", "span {color:red", "<span>x</span>", RGB(0xFF, 0, 0)},
    {"StrayBraces", "}} span {color:red}", "<span>x</span>", RGB(0xFF, 0, 0)},
    {"AtRuleSkipped", "@media print { span {color:red} } span {color:blue}", "<span>x</span>", RGB(0, 0, 0xFF)},
    {"AtImportSkipped", "@import url(x.css); span {color:blue}", "<span>x</span>", RGB(0, 0, 0xFF)},
    {"MissingBraceSkipsGarbage", "span color:red; div {color:blue}", "<span>x</span>", RGB(0, 0, 0)},
    {"BadValueKeepsEarlier", "span {color:red; color:nonsense}", "<span>x</span>", RGB(0xFF, 0, 0)},
    {"StyleBlockInPage", "", "<style>span {color:red}</style><span>x</span>", RGB(0xFF, 0, 0)},
    {"BraceInsideGbkFontName", "span {font-family:\"\xB0\x7D\"; color:red}", "<span>x</span>", RGB(0xFF, 0, 0)},
    {"SemicolonInsideQuotes", "span {font-family:\"a;b\"; color:red}", "<span>x</span>", RGB(0xFF, 0, 0)},
};

INSTANTIATE_TEST_SUITE_P(Cases, HtmlCascade, testing::ValuesIn(kCascadeCases),
                         [](const testing::TestParamInfo<CascadeCase>& info) { return std::string(info.param.name); });

TEST(HtmlStyle, LinkPseudoClassNeedsAnHrefOrAnEvent) {
    Styled s = StyleMarkup("<a name=top>1</a><a href=x>2</a><a event=e>3</a>", "a:link {color:red}");
    EXPECT_EQ(s.of("a", 0).color, RGB(0, 0, 0));
    EXPECT_EQ(s.of("a", 1).color, RGB(0xFF, 0, 0));
    EXPECT_EQ(s.of("a", 2).color, RGB(0xFF, 0, 0));
    EXPECT_FALSE(html::IsLink(s.doc, FindElement(s.doc, "a", 0)));
}

TEST(HtmlStyle, DefaultsForCommonElements) {
    Styled s = StyleMarkup("<h1>a</h1><h6>b</h6><b>c</b><strong>d</strong><i>e</i><em>f</em><u>g</u>"
                           "<s>h</s><sub>i</sub><sup>j</sup><p>k</p><ul><li>l</li></ul><center>m</center>"
                           "<a href=x>n</a><span>o</span><div>p</div><pre>q</pre><hr><br>",
                           "");
    EXPECT_EQ(s.styles[0].fontSize, 16);
    EXPECT_EQ(s.styles[0].fontFamily, "宋体");
    EXPECT_EQ(s.of("h1").fontSize, 32);
    EXPECT_EQ(s.of("h1").fontWeight, 700);
    EXPECT_EQ(s.of("h1").display, html::Display::Block);
    EXPECT_EQ(s.of("h1").marginTop, 21);  // .67em of 32px
    EXPECT_EQ(s.of("h6").fontSize, 11);
    EXPECT_EQ(s.of("b").fontWeight, 700);
    EXPECT_EQ(s.of("strong").fontWeight, 700);
    EXPECT_TRUE(s.of("i").italic);
    EXPECT_TRUE(s.of("em").italic);
    EXPECT_TRUE(s.of("u").underline);
    EXPECT_TRUE(s.of("s").lineThrough);
    EXPECT_EQ(s.of("sub").verticalAlign, html::VerticalAlign::Sub);
    EXPECT_EQ(s.of("sup").verticalAlign, html::VerticalAlign::Super);
    EXPECT_LT(s.of("sup").fontSize, 16);
    EXPECT_EQ(s.of("p").marginTop, 16);
    EXPECT_EQ(s.of("p").marginBottom, 16);
    EXPECT_EQ(s.of("ul").marginLeft, 40);
    EXPECT_EQ(s.of("li").display, html::Display::ListItem);
    EXPECT_EQ(s.of("center").textAlign, html::TextAlign::Center);
    EXPECT_EQ(s.of("a").color, RGB(0, 0, 0xFF));
    EXPECT_TRUE(s.of("a").underline);
    EXPECT_EQ(s.of("span").display, html::Display::Inline);
    EXPECT_EQ(s.of("div").display, html::Display::Block);
    EXPECT_TRUE(s.of("pre").preserveSpaces);
    EXPECT_EQ(s.of("hr").display, html::Display::Block);
}

TEST(HtmlStyle, MarginsAreNotInheritedAndUseTheirOwnFontSize) {
    Styled s = StyleMarkup("<div><p><span>x</span></p></div>",
                           "div {margin:1px 2px 3px 4px} p {font-size:20px; margin-top:1em; margin-left:10pt}");
    const Style& div = s.of("div");
    EXPECT_EQ(div.marginTop, 1);
    EXPECT_EQ(div.marginRight, 2);
    EXPECT_EQ(div.marginBottom, 3);
    EXPECT_EQ(div.marginLeft, 4);
    EXPECT_EQ(s.of("p").marginTop, 20);
    EXPECT_EQ(s.of("p").marginLeft, 13);
    EXPECT_EQ(s.of("p").marginBottom, 20);  // the default 1em, of its own size
    EXPECT_EQ(s.of("span").marginTop, 0);
}

TEST(HtmlStyle, FontAttributeSizesAndFaces) {
    Styled s = StyleMarkup("<font size=1>a</font><font size=7>b</font><font size=+1>c</font><font size=-5>d</font>"
                           "<font face=\"黑体, Arial\">e</font>",
                           "");
    EXPECT_EQ(s.of("font", 0).fontSize, 10);
    EXPECT_EQ(s.of("font", 1).fontSize, 48);
    EXPECT_EQ(s.of("font", 2).fontSize, 18);
    EXPECT_EQ(s.of("font", 3).fontSize, 10);
    EXPECT_EQ(s.of("font", 4).fontFamily, "黑体");
}

TEST(HtmlStyle, VerticalAlignCarriesIntoInlineChildrenOnly) {
    Styled s = StyleMarkup("<sup><b>x</b><div>y</div></sup>", "");
    EXPECT_EQ(s.of("b").verticalAlign, html::VerticalAlign::Super);
    EXPECT_EQ(s.of("div").verticalAlign, html::VerticalAlign::Baseline);
}

TEST(HtmlStyle, DisplayNoneAndDecorations) {
    Styled s = StyleMarkup("<u><a href=x>x</a></u><span class=h>y</span>",
                           "a:link {text-decoration:none} .h {display:none; text-decoration:underline line-through}");
    EXPECT_FALSE(s.of("a").underline);
    EXPECT_EQ(s.of("span").display, html::Display::None);
    EXPECT_TRUE(s.of("span").underline);
    EXPECT_TRUE(s.of("span").lineThrough);
}

namespace {

bool SameStyle(const Style& a, const Style& b) {
    return html::SameGeometry(a, b) && a.color == b.color && a.underline == b.underline &&
           a.lineThrough == b.lineThrough;
}

}  // namespace

// Elements alike in tag and styling attributes under parents of one style are styled
// once; every difference in what selects or sets a style must still tell them apart.
TEST(HtmlStyle, LikeElementsShareAStyleOnlyWhereItIsTheSame) {
    const char markup[] =
        "<p>a<b>1</b></p><p class=\"x\">b<b>2</b></p><p class=\"X\">b<b>2</b></p><p id=\"n\">c<b>3</b></p>"
        "<p style=\"font-size:30px\">d<b>4</b></p><p align=\"center\">e<b>5</b></p><p>f<b>1</b></p>"
        "<p><font color=\"red\">6</font><font color=\"blue\">7</font><font size=\"5\">8</font><font face=\"黑体\">9</font>"
        "<font color=\"red\">6</font></p>"
        "<a>plain</a><a href=\"x\">link<b>l</b></a><a event=\"y\">event<b>e</b></a><a href=\"x\">hovered<b>h</b></a>"
        "<a href=\"x\">after<b>a</b></a><div><p>nested<b>10</b></p></div><center><p>nested<b>11</b></p></center>";
    const char sheet[] = ".x {color:red} #n {font-size:20px} a:link {color:green} a:hover {font-size:24px; color:blue}"
                         " div {font-size:12px}";
    html::Document doc = html::ParseMarkup(markup);
    html::StyleSheet parsed = html::ParseStyleSheet(sheet);
    for (int hovered : {-1, FindElement(doc, "a", 3)}) {
        std::vector<Style> shared = html::ComputeStyles(doc, parsed, hovered);
        std::vector<Style> alone = shared;
        html::RestyleSubtree(doc, parsed, hovered, 0, alone);  // every node anew, each on its own
        ASSERT_EQ(shared.size(), doc.nodes.size());
        for (size_t i = 0; i < doc.nodes.size(); ++i)
            EXPECT_TRUE(SameStyle(shared[i], alone[i])) << "node " << i << " <" << doc.nodes[i].tag << ">, hovered "
                                                        << hovered;
    }
    Styled s = StyleMarkup(markup, sheet, FindElement(doc, "a", 3));
    EXPECT_EQ(s.of("b", 1).color, RGB(255, 0, 0));  // in p.x
    EXPECT_EQ(s.of("b", 2).color, RGB(255, 0, 0));  // class names match in any case
    EXPECT_EQ(s.of("b", 0).color, 0u);
    EXPECT_EQ(s.of("a", 3).fontSize, 24);
    EXPECT_EQ(s.of("a", 4).fontSize, 16);
}

TEST(HtmlStyle, StylesComputedIntoUsedStorageMatchFreshOnes) {
    html::Document longer = html::ParseMarkup("<h1>a</h1><p>b<i>c</i><b>d</b></p><a href=x>e</a><ul><li>f</ul>");
    html::Document shorter = html::ParseMarkup("<p>x<b>y</b></p>");
    html::StyleSheet sheet = html::ParseStyleSheet("p {color:red} b {font-size:20px}");
    std::vector<Style> styles;
    html::ComputeStyles(longer, sheet, -1, styles);
    html::ComputeStyles(shorter, sheet, -1, styles);
    std::vector<Style> fresh = html::ComputeStyles(shorter, sheet, -1);
    ASSERT_EQ(styles.size(), fresh.size());
    for (size_t i = 0; i < fresh.size(); ++i) EXPECT_TRUE(SameStyle(styles[i], fresh[i])) << i;
}
