#include "runtime/html/paint.h"

namespace html {
namespace {

// Fills a rectangle without making a brush: an opaque empty text call paints its
// background rectangle.
void FillSolid(HDC dc, const RECT& rect, COLORREF color) {
    SetBkColor(dc, color);
    ExtTextOutW(dc, 0, 0, ETO_OPAQUE, &rect, nullptr, 0, nullptr);
}

void PaintRun(HDC dc, const Layout& layout, const Run& run, const Style& style, FontCache& fonts, int scrollY) {
    int length = run.textLength;
    const wchar_t* text = layout.text.data() + run.textStart;
    while (length > 0 && text[length - 1] == L' ') --length;  // an underline stops at the last word
    if (length == 0) return;
    SelectObject(dc, fonts.font(style));
    SetTextColor(dc, style.color);
    ExtTextOutW(dc, run.x, run.baseline - scrollY, 0, nullptr, text, length, nullptr);
}

void PaintRule(HDC dc, const HorizontalRule& rule, int scrollY) {
    int top = rule.y - scrollY;
    FillSolid(dc, {rule.x, top, rule.x + rule.width, top + 1}, kRuleShadow);
    FillSolid(dc, {rule.x, top + 1, rule.x + rule.width, top + kRuleHeight}, kRuleLight);
}

void PaintFocus(HDC dc, const Layout& layout, int link, int scrollY) {
    SetTextColor(dc, RGB(0, 0, 0));
    SetBkColor(dc, RGB(255, 255, 255));
    for (const Box& box : LinkBoxes(layout, link)) {
        RECT rect{box.left - 1, box.top - scrollY, box.right + 1, box.bottom - scrollY};
        DrawFocusRect(dc, &rect);
    }
}

}  // namespace

void PaintPage(HDC dc, const Layout& layout, const std::vector<Style>& styles, FontCache& fonts, const PaintArea& area) {
    FillSolid(dc, {0, 0, area.width, area.height}, area.background);
    HGDIOBJ originalFont = GetCurrentObject(dc, OBJ_FONT);
    int originalMode = SetBkMode(dc, TRANSPARENT);
    UINT originalAlign = SetTextAlign(dc, TA_BASELINE | TA_LEFT | TA_NOUPDATECP);
    std::pair<int, int> lines = LinesBetween(layout, area.scrollY, area.scrollY + area.height);
    for (int l = lines.first; l < lines.second; ++l) {
        const Line& line = layout.lines[l];
        for (int r = line.firstRun; r < line.endRun; ++r) {
            const Run& run = layout.runs[r];
            PaintRun(dc, layout, run, styles[run.node], fonts, area.scrollY);
        }
    }
    for (const HorizontalRule& rule : layout.rules)
        if (rule.y + kRuleHeight > area.scrollY && rule.y < area.scrollY + area.height) PaintRule(dc, rule, area.scrollY);
    if (area.focusLink >= 0) PaintFocus(dc, layout, area.focusLink, area.scrollY);
    SetTextAlign(dc, originalAlign);
    SetBkMode(dc, originalMode);
    SelectObject(dc, originalFont);
}

BackBuffer::~BackBuffer() { release(); }

void BackBuffer::resize(int width, int height) {
    if (dc_ && width == width_ && height == height_) return;
    release();
    if (width <= 0 || height <= 0) return;
    HDC screen = GetDC(nullptr);
    dc_ = CreateCompatibleDC(screen);
    bitmap_ = CreateCompatibleBitmap(screen, width, height);
    ReleaseDC(nullptr, screen);
    originalBitmap_ = SelectObject(dc_, bitmap_);
    width_ = width;
    height_ = height;
}

void BackBuffer::release() {
    if (!dc_) return;
    SelectObject(dc_, originalBitmap_);
    DeleteObject(bitmap_);
    DeleteDC(dc_);
    dc_ = nullptr;
    bitmap_ = nullptr;
    width_ = height_ = 0;
}

std::vector<HGDIOBJ> BackBuffer::objects() const {
    if (!dc_) return {};
    return {dc_, bitmap_};
}

}  // namespace html
