// Fonts, the back buffer and painting a laid-out page, read back pixel by pixel.
#include <gtest/gtest.h>

#include "runtime/html/fonts.h"
#include "runtime/html/paint.h"
#include "support/html_test_support.h"

namespace {

const COLORREF kWhite = RGB(255, 255, 255);
const COLORREF kGreen = RGB(0, 0x80, 0);

html::Style StyleOf(int size, bool underline = false) {
    html::Style style;
    style.fontSize = size;
    style.fontFamily = "微软雅黑";
    style.underline = underline;
    return style;
}

bool IsDeleted(HGDIOBJ object) { return GetObjectType(object) == 0; }

Capture PaintToCapture(const StyledPage& page, html::FontCache& fonts, int width, int height, int scrollY = 0,
                       int focusLink = -1) {
    return CaptureDrawing(width, height, [&](HDC dc) {
        html::PaintArea area;
        area.width = width;
        area.height = height;
        area.scrollY = scrollY;
        area.focusLink = focusLink;
        html::PaintPage(dc, page.layout, page.styles, fonts, area);
    });
}

RECT BoxRect(const html::Box& box, int scrollY = 0) { return {box.left, box.top - scrollY, box.right, box.bottom - scrollY}; }

}  // namespace

TEST(HtmlFonts, OneFontPerLookAndAllDeletedWithTheCache) {
    std::vector<HGDIOBJ> objects;
    {
        html::FontCache fonts;
        HFONT plain = fonts.font(StyleOf(24));
        EXPECT_EQ(fonts.font(StyleOf(24)), plain);
        HFONT underlined = fonts.font(StyleOf(24, true));
        EXPECT_NE(underlined, plain);
        EXPECT_NE(fonts.font(StyleOf(19)), plain);
        objects = fonts.objects();
        EXPECT_EQ(objects.size(), 4u);  // three fonts and the measuring DC
        for (HGDIOBJ object : objects) EXPECT_FALSE(IsDeleted(object));
    }
    for (HGDIOBJ object : objects) EXPECT_TRUE(IsDeleted(object));
}

TEST(HtmlFonts, MeasuresWithTheMappedCjkFont) {
    html::FontCache fonts;
    html::FontMetrics m = fonts.metrics(StyleOf(24));
    EXPECT_GT(m.ascent, 12);
    EXPECT_GE(m.ascent + m.descent, 24);
    const std::wstring text = L"岚舟ab";
    std::vector<int> extents(text.size());
    fonts.measure(StyleOf(24), text.data(), static_cast<int>(text.size()), extents.data());
    EXPECT_NEAR(extents[0], 24, 2);  // a CJK character is one em wide
    EXPECT_NEAR(extents[1], 48, 3);
    EXPECT_GT(extents[2], extents[1]);
    EXPECT_LT(extents[3] - extents[1], 30);  // two Latin letters are narrower than two ideographs
}

TEST(HtmlFonts, WidthTablesAgreeWithGdiExtents) {
    html::FontCache fonts;
    html::Style style = StyleOf(19);
    const std::wstring text = L"岚舟备忘录 Release 2.1：今日备忘，>>添加备忘 (wide) ｗｉｄｅ";
    std::vector<int> extents(text.size());
    fonts.measure(style, text.data(), static_cast<int>(text.size()), extents.data());
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ original = SelectObject(dc, fonts.font(style));
    std::vector<int> gdi(text.size());
    SIZE size;
    GetTextExtentExPointW(dc, text.data(), static_cast<int>(text.size()), 0, nullptr, gdi.data(), &size);
    SelectObject(dc, original);
    DeleteDC(dc);
    EXPECT_EQ(extents, gdi);
}

TEST(HtmlFonts, MeasuresLongTextWithSurrogatesInPiecesWithoutLosingTheTotal) {
    html::FontCache fonts;
    std::wstring text(10000, L'中');
    text += L"\xD83D\xDE00";
    std::vector<int> extents(text.size());
    fonts.measure(StyleOf(16), text.data(), static_cast<int>(text.size()), extents.data());
    int one = extents[0];
    EXPECT_EQ(extents[4095], 4096 * one);
    EXPECT_EQ(extents[4096], 4097 * one);
    EXPECT_EQ(extents[9999], 10000 * one);
    EXPECT_GE(extents.back(), extents[9999]);
}

TEST(HtmlBackBuffer, RemadeOnlyWhenTheSizeChangesAndReleased) {
    std::vector<HGDIOBJ> first, second;
    {
        html::BackBuffer buffer;
        EXPECT_TRUE(buffer.objects().empty());
        buffer.resize(100, 50);
        first = buffer.objects();
        ASSERT_EQ(first.size(), 2u);
        buffer.resize(100, 50);
        EXPECT_EQ(buffer.objects(), first);
        buffer.resize(120, 50);
        second = buffer.objects();
        for (HGDIOBJ object : first) EXPECT_TRUE(IsDeleted(object));
        for (HGDIOBJ object : second) EXPECT_FALSE(IsDeleted(object));
        EXPECT_EQ(buffer.width(), 120);
        buffer.resize(0, 0);
        EXPECT_EQ(buffer.dc(), nullptr);
        for (HGDIOBJ object : second) EXPECT_TRUE(IsDeleted(object));
        buffer.resize(10, 10);
        second = buffer.objects();
    }
    for (HGDIOBJ object : second) EXPECT_TRUE(IsDeleted(object));
}

TEST(HtmlPaint, DrawsLinksInTheirColourAndUnderlinesOnHover) {
    html::FontCache fonts;
    const rt::ControlDesign& pane = DesignedPane("简单超文本框1");
    StyledPage plain = LayOutPage(pane.text, pane.styleSheet, pane.width, fonts);
    int anchor = plain.layout.links[0].node;
    StyledPage hovered = LayOutPage(pane.text, pane.styleSheet, pane.width, fonts, anchor);
    RECT box = BoxRect(html::LinkBoxes(plain.layout, 0)[0]);
    const html::Run* run = nullptr;
    for (const html::Run& r : plain.layout.runs)
        if (r.link == 0) run = &r;
    ASSERT_NE(run, nullptr);
    RECT belowBaseline{box.left, run->baseline + 1, box.right, box.bottom};
    Capture before = PaintToCapture(plain, fonts, pane.width, pane.height);
    Capture after = PaintToCapture(hovered, fonts, pane.width, pane.height);
    EXPECT_GT(before.count(box, kGreen), 20);
    // Nothing of ">添加备忘" reaches far below the baseline but the underline.
    EXPECT_GT(after.count(belowBaseline, kGreen), before.count(belowBaseline, kGreen) + (box.right - box.left) / 2);
}

TEST(HtmlPaint, HeadingsAreOrangeAndRulesAreGrooves) {
    html::FontCache fonts;
    const rt::ControlDesign& pane = DesignedPane("简单超文本框1");
    StyledPage page = LayOutPage(pane.text, pane.styleSheet, pane.width, fonts);
    Capture capture = PaintToCapture(page, fonts, pane.width, pane.height);
    const html::Line& heading = page.layout.lines[0];
    EXPECT_GT(capture.count({0, heading.top, pane.width, heading.top + heading.height}, RGB(0xFF, 0x99, 0)), 30);
    for (const html::HorizontalRule& rule : page.layout.rules) {
        EXPECT_EQ(capture.at(rule.x + rule.width / 2, rule.y), html::kRuleShadow);
        EXPECT_EQ(capture.at(rule.x + rule.width / 2, rule.y + 1), html::kRuleLight);
        EXPECT_EQ(capture.at(rule.x + rule.width / 2, rule.y + 2), kWhite);
    }
    EXPECT_EQ(capture.at(0, pane.height - 1), kWhite);
}

TEST(HtmlPaint, ScrollingMovesThePageUp) {
    html::FontCache fonts;
    StyledPage page = LayOutPage("<p>a</p><hr><p>b</p>", "", 200, fonts);
    const html::HorizontalRule& rule = page.layout.rules[0];
    Capture top = PaintToCapture(page, fonts, 200, 100, 0);
    Capture scrolled = PaintToCapture(page, fonts, 200, 100, 10);
    EXPECT_EQ(top.at(100, rule.y), html::kRuleShadow);
    EXPECT_EQ(scrolled.at(100, rule.y - 10), html::kRuleShadow);
    EXPECT_EQ(scrolled.at(100, rule.y), kWhite);
}

TEST(HtmlPaint, FocusRectangleAroundTheFocusedLink) {
    html::FontCache fonts;
    StyledPage page = LayOutPage("<a event=x>link</a> text", "", 200, fonts);
    html::Box box = html::LinkBoxes(page.layout, 0)[0];
    Capture plain = PaintToCapture(page, fonts, 200, 60);
    Capture focused = PaintToCapture(page, fonts, 200, 60, 0, 0);
    int column = (box.left + box.right) / 2;
    EXPECT_EQ(plain.at(column, box.top), kWhite);
    EXPECT_NE(focused.at(column, box.top) == kWhite && focused.at(column + 1, box.top) == kWhite, true);
}
