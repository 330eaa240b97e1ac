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

}  // namespace
