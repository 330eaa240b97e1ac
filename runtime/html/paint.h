#pragma once
// Painting a laid-out page into a device context, and the back buffer a view paints
// into so that the screen never shows a half-drawn page.
#include <windows.h>

#include <vector>

#include "runtime/html/fonts.h"
#include "runtime/html/layout.h"
#include "runtime/html/style.h"

namespace html {

struct PaintArea {
    int width = 0, height = 0;  // of the visible part
    int scrollY = 0;            // the page row at the top of it
    int focusLink = -1;         // the link with the focus rectangle, or -1
    COLORREF background = RGB(255, 255, 255);
};

// Colours of a horizontal rule, a groove like the one browsers draw.
constexpr COLORREF kRuleShadow = RGB(0x9A, 0x9A, 0x9A);
constexpr COLORREF kRuleLight = RGB(0xE2, 0xE2, 0xE2);

void PaintPage(HDC dc, const Layout& layout, const std::vector<Style>& styles, FontCache& fonts, const PaintArea& area);

// A memory DC with a bitmap the size of the view, remade when the size changes.
class BackBuffer {
public:
    BackBuffer() = default;
    ~BackBuffer();
    BackBuffer(const BackBuffer&) = delete;
    BackBuffer& operator=(const BackBuffer&) = delete;

    void resize(int width, int height);
    HDC dc() const { return dc_; }
    int width() const { return width_; }
    int height() const { return height_; }
    std::vector<HGDIOBJ> objects() const;

private:
    void release();

    HDC dc_ = nullptr;
    HBITMAP bitmap_ = nullptr;
    HGDIOBJ originalBitmap_ = nullptr;
    int width_ = 0, height_ = 0;
};

}  // namespace html
