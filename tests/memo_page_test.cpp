// A memo page's file name and content.
#include <gtest/gtest.h>

#include <set>

#include "app/memo_page.h"

namespace {

// Every memo page starts with these eighteen lines, joined by CR LF, none after the last.
const char* const kTemplateLines[] = {
    "<style type=\"text/css\">",
    "body {font-size: 12pt; color:black; font-family:\"微软雅黑\"}",
    "p  {font-size: 13pt; color:black;}",
    "h1 {font-size: 16pt; color:black; font-weight:bold}",
    "h2 {font-size: 15pt; color:#ff9900; font-weight:bold}",
    "h3 {font-size: 14pt; color:#ff9900; font-weight:bold}",
    "h4 {font-size: 13pt; color:black; font-weight:bold}",
    "h5 {font-size: 12pt; color:#ff9900; font-weight:bold}",
    "h6 {font-size: 65%; color:#626262; font-weight:normal}",
    "a:link {text-decoration:none; color:green;}",
    "a:hover {text-decoration:underline; color:green;}",
    "sub {font-size:65%; vertical-align:bottom}",
    "sup {font-size:65%; vertical-align:top}",
    "big {font-size:125%}",
    "small {font-size:75%}",
    ".comment {color:green}",
    "</style>",
    "<body>",
};

std::string PageTemplate() {
    std::string text;
    for (const char* line : kTemplateLines) text += (text.empty() ? "" : "\r\n") + std::string(line);
    return text;
}

TEST(MemoPage, IsTheTemplateTheBodyAsTypedAndTheClosingTag) {
    std::string body = "<h2>标题</h2>第一行<br/>\r\n<a href=\"http://x\">链接</a>";
    std::string page = ComposeMemoPage(body);
    EXPECT_EQ(page, PageTemplate() + body + "</body>");
    EXPECT_EQ(MemoPageTemplate, PageTemplate());
    // Nothing is added around an empty or a markup-only body either.
    EXPECT_EQ(ComposeMemoPage(""), PageTemplate() + "</body>");
    EXPECT_EQ(ComposeMemoPage("</body>"), PageTemplate() + "</body></body>");
}

TEST(MemoPage, FileNameKeepsTheTitleButNotWhatAFileNameCannotHold) {
    struct Case {
        const char* title;
        const char* expected;
    } cases[] = {
        {"会议", "会议2014年3月5日.htm"},
        {" ", " 2014年3月5日.htm"},
        {"a/b\\c:d*e?f\"g<h>i|j", "a_b_c_d_e_f_g_h_i_j2014年3月5日.htm"},
        {"..\\..\\evil", ".._.._evil2014年3月5日.htm"},
        {"tab\there", "tab_here2014年3月5日.htm"},
        // GBK characters whose second byte is '\\' (0x5C) or '|' (0x7C) stay whole.
        {"\x95\x5C\x95\x7C", "\x95\x5C\x95\x7C" "2014年3月5日.htm"},
        // A lone lead byte cannot pair with the '/' after it.
        {"\x81/", "__2014年3月5日.htm"},
    };
    for (const Case& c : cases) EXPECT_EQ(PageFileName(c.title, "2014年3月5日"), c.expected) << c.title;
}

TEST(MemoPage, TakenNamesGetTheNextFreeNumber) {
    std::set<std::string> taken;
    auto isTaken = [&](const std::string& n) { return taken.count(n) > 0; };
    EXPECT_EQ(FreePageFileName("会议2014年3月5日.htm", isTaken), "会议2014年3月5日.htm");
    taken = {"会议2014年3月5日.htm"};
    EXPECT_EQ(FreePageFileName("会议2014年3月5日.htm", isTaken), "会议2014年3月5日 (2).htm");
    taken.insert("会议2014年3月5日 (2).htm");
    EXPECT_EQ(FreePageFileName("会议2014年3月5日.htm", isTaken), "会议2014年3月5日 (3).htm");
}

// A folder where every name is taken (or a check that always says so) must not hang
// the save: the search gives up after a bounded number of names.
TEST(MemoPage, FreeNameSearchGivesUpWhenEveryNameIsTaken) {
    int asked = 0;
    auto alwaysTaken = [&](const std::string&) { return ++asked > 0; };
    EXPECT_EQ(FreePageFileName("会议2014年3月5日.htm", alwaysTaken), "");
    EXPECT_EQ(asked, kMostPageNumbers);
    auto lastFree = [](const std::string& n) { return n != "会议 (1000).htm"; };
    EXPECT_EQ(FreePageFileName("会议.htm", lastFree), "会议 (1000).htm");
}

TEST(MemoPage, DeviceNamesAreRecognisedAndNeverBecomePageNames) {
    const struct {
        const char* name;
        bool device;
    } names[] = {
        {"CON", true},       {"con.会议", true},   {"nul.", true},      {"Nul..htm", true},   {"aux .htm", true},
        {"PRN . .x", true},  {"com1.htm", true},   {"LPT9", true},      {"lPt5.txt.htm", true},
        {"com0.htm", false}, {"com10.htm", false}, {"lpt.htm", false},  {"nul2014年.htm", false},
        {"connect.htm", false}, {"_nul.htm", false}, {"会议.htm", false}, {"", false},
    };
    for (const auto& n : names) EXPECT_EQ(IsReservedDeviceName(n.name), n.device) << n.name;

    for (const char* title : {"nul.", "con.会议", "Aux. ", "com7.", "lpt1 .备忘", "PRN.."}) {
        std::string name = PageFileName(title, "2014年3月5日");
        EXPECT_FALSE(IsReservedDeviceName(name)) << title;
        EXPECT_EQ(name, std::string("_") + title + "2014年3月5日.htm") << title;
    }
    // The date follows at once: no device.
    EXPECT_EQ(PageFileName("nul", "2014年3月5日"), "nul2014年3月5日.htm");
    EXPECT_EQ(PageFileName("CON ", "2014年3月5日"), "CON 2014年3月5日.htm");
}

}  // namespace
