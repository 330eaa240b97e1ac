// A memo page's file name and content.
#include <gtest/gtest.h>

#include <set>

#include "app/memo_page.h"

namespace {

TEST(MemoPage, IsTheTemplateTheBodyAsTypedAndTheClosingTag) {
    std::string body = "<h2>标题</h2>第一行<br/>\r\n<a href=\"http://x\">链接</a>";
    std::string page = ComposeMemoPage(body);
    std::string start = "<style type=\"text/css\">\r\nbody {font-size: 12pt; color:black; font-family:\"微软雅黑\"}\r\n";
    EXPECT_EQ(page.compare(0, start.size(), start), 0);
    std::string templateEnd = ".comment {color:green}\r\n</style>\r\n<body>";
    EXPECT_EQ(page, std::string(MemoPageTemplate) + body + "</body>");
    EXPECT_NE(std::string(MemoPageTemplate).find(templateEnd), std::string::npos);
    // Eighteen lines: seventeen line breaks, none after <body>.
    size_t breaks = 0;
    for (size_t at = 0; (at = std::string(MemoPageTemplate).find("\r\n", at)) != std::string::npos; at += 2) ++breaks;
    EXPECT_EQ(breaks, 17u);
    EXPECT_EQ(page.find('\0'), std::string::npos);
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
