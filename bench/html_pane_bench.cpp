// Median time to lay out and to paint the main window's list page, a list page with a
// hundred links (more than the program shows, to weigh the view itself) and a 1 MB memo
// page, through the HTML view's own stages and through a real hypertext pane window: the
// first show in a new pane and a repeat set of the same page.
// Run: scripts/wine-run build-<you>/bench/html_pane_bench.exe
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "app/memo_page.h"
#include "app/memo_store.h"
#include "app/today_page.h"
#include "app/window_designs.h"
#include "runtime/hypertext_pane.h"
#include "runtime/html/fonts.h"
#include "runtime/html/layout.h"
#include "runtime/html/markup.h"
#include "runtime/html/paint.h"
#include "runtime/html/style.h"

namespace {

double Now() {
    LARGE_INTEGER frequency, counter;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&counter);
    return 1000.0 * static_cast<double>(counter.QuadPart) / static_cast<double>(frequency.QuadPart);
}

struct Timing {
    double first = 0, median = 0, worst = 0;
};

Timing Summary(const std::vector<double>& times) {
    Timing t;
    t.first = times.front();
    std::vector<double> sorted = times;
    std::sort(sorted.begin(), sorted.end());
    t.median = sorted[sorted.size() / 2];
    t.worst = sorted.back();
    return t;
}

Timing Measure(int rounds, const std::function<void()>& work) {
    std::vector<double> times;
    for (int i = 0; i < rounds; ++i) {
        double start = Now();
        work();
        times.push_back(Now() - start);
    }
    return Summary(times);
}

void Report(const char* what, const Timing& t) {
    std::printf("%-56s median %8.2f ms   first %8.2f ms   worst %8.2f ms\n", what, t.median, t.first, t.worst);
}

const rt::ControlDesign& UpperPane() {
    for (const rt::ControlDesign& control : MainWindowDesign.controls)
        if (control.name == "简单超文本框1") return control;
    return MainWindowDesign.controls.front();
}

std::string TodayPageWithTenMemos() {
    std::vector<MemoRecord> today;
    for (int i = 1; i <= 10; ++i) today.push_back({"周会备忘" + std::to_string(i), "每天", "x.htm"});
    return ComposeTodayPage(today);
}

// The program links ten memos at most; this page goes on in the same form to a hundred.
std::string TodayPageWithHundredLinks() {
    std::string page = TodayPageHeader;
    for (int n = 1; n <= 100; ++n)
        page += "\r\n<center><a style=\"font-size:30px\" event=\"今日备忘-" + std::to_string(n) + "\">周会备忘" +
                std::to_string(n) + "</a></center>";
    return page;
}

// About a megabyte of what users type: paragraphs of Chinese with some Latin, headings,
// bold and italic, links and line breaks.
std::string MegabyteMemoBody() {
    const std::string paragraph =
        "<p>今天下午三点在二楼会议室召开项目周会，请各位准时参加。会议内容包括 release 2.1 的进度、"
        "<b>测试计划</b>和<i>上线安排</i>，详见 <a href=\"http://example.cn/plan\">计划书</a>。</p>\r\n"
        "<h3>待办事项</h3>整理需求文档<br/>\r\n更新接口说明 API v2<br/>\r\n";
    std::string body;
    while (body.size() < 1024 * 1024) body += paragraph;
    return body;
}

struct Stages {
    html::Document doc;
    std::vector<html::Style> styles;
    html::Layout layout;
};

void BenchStages(const char* name, const std::string& markup, const std::string& sheetText, int width, int height,
                 int rounds) {
    html::FontCache fonts;
    html::BackBuffer buffer;
    buffer.resize(width, height);
    Stages s;
    html::StyleSheet sheet;
    // Each stage works in the storage of its round before, as a pane showing a page again does.
    std::string label = std::string(name) + ": parse markup";
    Report(label.c_str(), Measure(rounds, [&] { html::ParseMarkup(markup, s.doc); }));
    label = std::string(name) + ": parse style sheet";
    Report(label.c_str(), Measure(rounds, [&] { sheet = html::ParseStyleSheet(sheetText + "\n" + s.doc.styleText); }));
    label = std::string(name) + ": style";
    Report(label.c_str(), Measure(rounds, [&] { html::ComputeStyles(s.doc, sheet, -1, s.styles); }));
    label = std::string(name) + ": layout";
    Report(label.c_str(), Measure(rounds, [&] { html::LayOut(s.doc, s.styles, width, fonts, s.layout); }));
    label = std::string(name) + ": paint (top of page)";
    html::PaintArea area;
    area.width = width;
    area.height = height;
    Report(label.c_str(), Measure(rounds, [&] { html::PaintPage(buffer.dc(), s.layout, s.styles, fonts, area); }));
    area.scrollY = std::max(0, s.layout.height / 2);
    label = std::string(name) + ": paint (middle of page)";
    Report(label.c_str(), Measure(rounds, [&] { html::PaintPage(buffer.dc(), s.layout, s.styles, fonts, area); }));
    std::printf("%-56s %zu bytes, %zu nodes, %zu lines, page %d px high\n", name, markup.size(), s.doc.nodes.size(),
                s.layout.lines.size(), s.layout.height);
}

// A hypertext pane of the main window's size in a host window, and a bitmap to print it into.
class PaneFixture {
public:
    PaneFixture() {
        const rt::ControlDesign& design = UpperPane();
        host_ = CreateWindowExA(0, "STATIC", "", WS_POPUP | WS_VISIBLE, 0, 0, 300, 400, nullptr, nullptr,
                                GetModuleHandleA(nullptr), nullptr);
        pane_ = rt::CreateHypertextPane(host_, design.x, design.y, design.width, design.height, 1);
        HDC screen = GetDC(nullptr);
        target_ = CreateCompatibleDC(screen);
        bitmap_ = CreateCompatibleBitmap(screen, design.width, design.height);
        original_ = SelectObject(target_, bitmap_);
        ReleaseDC(nullptr, screen);
    }
    ~PaneFixture() {
        SelectObject(target_, original_);
        DeleteObject(bitmap_);
        DeleteDC(target_);
        DestroyWindow(host_);
    }
    PaneFixture(const PaneFixture&) = delete;
    PaneFixture& operator=(const PaneFixture&) = delete;

    void setAndPaint(const std::string& markup, const std::string& sheet) {
        rt::SetHypertextContent(pane_, markup, sheet);
        SendMessageA(pane_, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(target_), PRF_CLIENT);
        GdiFlush();
    }

private:
    HWND host_ = nullptr, pane_ = nullptr;
    HDC target_ = nullptr;
    HBITMAP bitmap_ = nullptr;
    HGDIOBJ original_ = nullptr;
};

// The whole way a pane goes when the program sets its content: parse, style, layout,
// scroll bar, then a paint into the back buffer and onto a DC. A new pane starts with no
// fonts and no scroll bar; a repeat set finds both.
void BenchPane(const char* name, const std::string& markup, const std::string& sheet, int firstRounds,
               int repeatRounds) {
    std::vector<double> firstShows;
    for (int i = 0; i < firstRounds; ++i) {
        PaneFixture fresh;
        double start = Now();
        fresh.setAndPaint(markup, sheet);
        firstShows.push_back(Now() - start);
    }
    std::string label = std::string(name) + ": pane, first show in a new pane";
    Report(label.c_str(), Summary(firstShows));
    PaneFixture pane;
    pane.setAndPaint(markup, sheet);
    label = std::string(name) + ": pane, repeat set content + paint";
    Report(label.c_str(), Measure(repeatRounds, [&] { pane.setAndPaint(markup, sheet); }));
}

}  // namespace

int main() {
    const rt::ControlDesign& design = UpperPane();
    int listWidth = design.width - GetSystemMetrics(SM_CXVSCROLL);
    std::string list = TodayPageWithTenMemos();
    std::string longList = TodayPageWithHundredLinks();
    std::string memo = ComposeMemoPage(MegabyteMemoBody());
    BenchStages("main list page", list, design.styleSheet, listWidth, design.height, 101);
    BenchPane("main list page", list, design.styleSheet, 21, 101);
    BenchStages("100-link list page", longList, design.styleSheet, listWidth, design.height, 101);
    BenchPane("100-link list page", longList, design.styleSheet, 21, 101);
    BenchStages("1 MB memo page", memo, "", 360 - GetSystemMetrics(SM_CXVSCROLL), 265, 7);
    BenchPane("1 MB memo page", memo, "", 5, 7);
    return 0;
}
