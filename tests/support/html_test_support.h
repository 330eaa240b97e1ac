#pragma once
// Helpers for the HTML view's tests: a fixed-width text measurer, a compact dump of the
// element tree, the text of laid-out lines and the pixels a window paints. Texts come
// back as GBK, like the literals.
#include <windows.h>

#include <algorithm>
#include <stdexcept>
#include <string>
#include <vector>

#include "app/window_designs.h"
#include "runtime/html/layout.h"
#include "runtime/html/markup.h"
#include "runtime/html/style.h"

// A pane of the main window as designed: its markup, style sheet and size.
inline const rt::ControlDesign& DesignedPane(const char* name) {
    for (const rt::ControlDesign& control : MainWindowDesign.controls)
        if (control.name == name) return control;
    throw std::runtime_error("no such pane");
}

// Every CJK character is as wide as the font size, everything else half of it; ascent is
// the font size and descent a quarter of it. Simple enough to compute expectations by hand.
struct FixedWidthMeasurer : html::TextMeasurer {
    static bool IsWide(wchar_t c) { return c >= 0x2E80; }
    html::FontMetrics metrics(const html::Style& style) override { return {style.fontSize, style.fontSize / 4}; }
    void measure(const html::Style& style, const wchar_t* text, int length, int* extents) override {
        int x = 0;
        for (int i = 0; i < length; ++i) {
            x += IsWide(text[i]) ? style.fontSize : style.fontSize / 2;
            extents[i] = x;
        }
    }
};

// body(center(h3("text") hr) a[event=x]("y")): elements with their attributes in
// brackets and children in parentheses, texts in quotes.
inline std::string DumpNode(const html::Document& doc, int index) {
    const html::Node& node = doc.nodes[index];
    if (node.isText) return "\"" + html::ToGbk(node.text) + "\"";
    std::string out = node.tag;
    if (!node.attributes.empty()) {
        out += "[";
        for (size_t i = 0; i < node.attributes.size(); ++i)
            out += (i ? "," : "") + node.attributes[i].name + "=" + node.attributes[i].value;
        out += "]";
    }
    if (node.firstChild < 0) return out;
    out += "(";
    for (int child = node.firstChild; child >= 0; child = doc.nodes[child].nextSibling)
        out += (child == node.firstChild ? "" : " ") + DumpNode(doc, child);
    return out + ")";
}

inline std::string Dump(const html::Document& doc) { return DumpNode(doc, 0); }

// The first element with the tag, in document order; -1 when there is none.
inline int FindElement(const html::Document& doc, const std::string& tag, int nth = 0) {
    for (size_t i = 0; i < doc.nodes.size(); ++i)
        if (!doc.nodes[i].isText && doc.nodes[i].tag == tag && nth-- == 0) return static_cast<int>(i);
    return -1;
}

inline std::string RunText(const html::Layout& layout, const html::Run& run) {
    return html::ToGbk(layout.text.substr(run.textStart, run.textLength));
}

// The text of each line, runs joined in order.
inline std::vector<std::string> LineTexts(const html::Layout& layout) {
    std::vector<std::string> lines;
    for (const html::Line& line : layout.lines) {
        std::string text;
        for (int r = line.firstRun; r < line.endRun; ++r) text += RunText(layout, layout.runs[r]);
        lines.push_back(text);
    }
    return lines;
}

struct StyledPage {
    html::Document doc;
    std::vector<html::Style> styles;
    html::Layout layout;
};

// Parses, styles (with the page's own <style> blocks after `styleSheet`) and lays out.
inline StyledPage LayOutPage(const std::string& markup, const std::string& styleSheet, int width,
                             html::TextMeasurer& measurer, int hoveredLink = -1) {
    StyledPage page;
    page.doc = html::ParseMarkup(markup);
    html::StyleSheet sheet = html::ParseStyleSheet(styleSheet + "\n" + page.doc.styleText);
    page.styles = html::ComputeStyles(page.doc, sheet, hoveredLink);
    page.layout = html::LayOut(page.doc, page.styles, width, measurer);
    return page;
}

// The pixels of a window's client area as its WM_PRINTCLIENT paints them, row by row.
struct Capture {
    int width = 0, height = 0;
    std::vector<COLORREF> pixels;

    COLORREF at(int x, int y) const { return pixels[static_cast<size_t>(y) * width + x]; }
    // How many pixels of the rectangle have exactly this colour.
    int count(const RECT& r, COLORREF color) const {
        int n = 0;
        for (int y = std::max<int>(0, r.top); y < std::min<int>(height, r.bottom); ++y)
            for (int x = std::max<int>(0, r.left); x < std::min<int>(width, r.right); ++x) n += at(x, y) == color;
        return n;
    }
};

// Draws into a top-down 32-bit DIB so that every pixel can be read back.
template <class Paint>
Capture CaptureDrawing(int width, int height, Paint paint) {
    Capture capture;
    capture.width = width;
    capture.height = height;
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    HDC dc = CreateCompatibleDC(nullptr);
    HBITMAP bitmap = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ original = SelectObject(dc, bitmap);
    paint(dc);
    GdiFlush();
    auto* data = static_cast<const DWORD*>(bits);
    for (int i = 0; i < width * height; ++i)  // DIB pixels are 0x00RRGGBB; COLORREF is 0x00BBGGRR
        capture.pixels.push_back(RGB(data[i] >> 16 & 0xFF, data[i] >> 8 & 0xFF, data[i] & 0xFF));
    SelectObject(dc, original);
    DeleteObject(bitmap);
    DeleteDC(dc);
    return capture;
}

inline Capture CaptureWindow(HWND window) {
    RECT client;
    GetClientRect(window, &client);
    return CaptureDrawing(client.right, client.bottom, [&](HDC dc) {
        SendMessageA(window, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT);
    });
}
