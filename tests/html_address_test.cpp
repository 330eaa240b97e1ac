// Where a link leads from a page: web addresses, plain paths and file: URLs.
#include <gtest/gtest.h>

#include "runtime/html/address.h"

struct ResolveCase {
    const char* base;
    const char* href;
    const char* expected;
};

TEST(HtmlAddress, ResolvesLinksAgainstThePage) {
    const ResolveCase cases[] = {
        // plain paths, as the viewer is given them
        {"C:\\qz\\qztext\\会议2014年3月5日.htm", "other.htm", "C:\\qz\\qztext\\other.htm"},
        {"C:\\qz\\qztext\\a.htm", "sub/b.htm", "C:\\qz\\qztext\\sub\\b.htm"},
        {"C:\\qz\\qztext\\a.htm", "../qzedb/x.htm", "C:\\qz\\qzedb\\x.htm"},
        {"C:\\qz\\qztext\\a.htm", "./b.htm#part", "C:\\qz\\qztext\\b.htm"},
        {"C:\\qz\\qztext\\a.htm", "../../../../b.htm", "C:\\b.htm"},
        {"C:\\qz\\qztext\\a.htm", "/root.htm", "C:\\root.htm"},
        {"C:\\qz\\qztext\\a.htm", "D:\\x\\y.htm", "D:\\x\\y.htm"},
        {"C:\\qz\\qztext\\a.htm", "my%20page.htm", "C:\\qz\\qztext\\my page.htm"},
        {"C:\\qz\\qztext\\C#会议.htm", "b.htm", "C:\\qz\\qztext\\b.htm"},
        {"\\\\server\\share\\a.htm", "../b.htm", "\\\\server\\share\\b.htm"},
        // "乗" (0x81 0x5C) and "晐" (0x95 0x7C) end in a backslash and a bar byte: they are
        // characters of a name, in the page's name and in the run directory alike
        {"C:\\qz\\qztext\\乗会.htm", "b.htm", "C:\\qz\\qztext\\b.htm"},
        {"C:\\程序乗\\qztext\\a.htm", "../qzedb/x.htm", "C:\\程序乗\\qzedb\\x.htm"},
        {"C:\\乗\\晐\\a.htm", "./乗/b.htm", "C:\\乗\\晐\\乗\\b.htm"},
        {"C:\\乗\\a.htm", "..\\..\\b.htm", "C:\\b.htm"},
        {"\\\\服务乗\\共享\\a.htm", "../b.htm", "\\\\服务乗\\共享\\b.htm"},
        {"file:///C:/qz/a.htm", "b.htm", "C:\\qz\\b.htm"},
        {"a.htm", "b.htm", "b.htm"},
        // web addresses
        {"http://h.cn/app/qzbwl/index.htm", "news.htm", "http://h.cn/app/qzbwl/news.htm"},
        {"http://h.cn/app/qzbwl/", "../x/y.htm?a=1#f", "http://h.cn/app/x/y.htm?a=1#f"},
        {"http://h.cn", "x.htm", "http://h.cn/x.htm"},
        {"https://h.cn:8080/a/b?q=1", "/c", "https://h.cn:8080/c"},
        {"https://h.cn/a/b", "//cdn.cn/x", "https://cdn.cn/x"},
        {"http://h.cn/a/b?q=1#f", "?r=2", "http://h.cn/a/b?r=2"},
        {"http://h.cn/a/b#f", "#g", "http://h.cn/a/b#g"},
        // absolute links stay as written
        {"C:\\a.htm", "http://h.cn/x", "http://h.cn/x"},
        {"http://h.cn/", "mailto:a@b.cn", "mailto:a@b.cn"},
        {"", "b.htm", "b.htm"},
        {"C:\\a.htm", "  b.htm\r\n", "C:\\b.htm"},
        {"C:\\a.htm", "", "C:\\a.htm"},
    };
    for (const ResolveCase& c : cases)
        EXPECT_EQ(html::ResolveAddress(c.base, c.href), c.expected) << c.base << " + " << c.href;
}

TEST(HtmlAddress, KnowsWebAddressesAndOtherSchemes) {
    EXPECT_TRUE(html::IsWebAddress("http://h.cn/"));
    EXPECT_TRUE(html::IsWebAddress("HTTPS://h.cn/"));
    EXPECT_FALSE(html::IsWebAddress("http:/h.cn"));
    EXPECT_FALSE(html::IsWebAddress("C:\\http://"));
    EXPECT_TRUE(html::HasOtherScheme("mailto:x@y.cn"));
    EXPECT_TRUE(html::HasOtherScheme("ftp://h.cn/"));
    EXPECT_FALSE(html::HasOtherScheme("C:\\x.htm"));
    EXPECT_FALSE(html::HasOtherScheme("file:///C:/x.htm"));
    EXPECT_FALSE(html::HasOtherScheme("http://h.cn/"));
    EXPECT_FALSE(html::HasOtherScheme("会议:2014.htm"));
}

TEST(HtmlAddress, FilePathOfAnAddress) {
    EXPECT_EQ(html::FilePathOf("C:\\qz\\a b.htm"), "C:\\qz\\a b.htm");
    EXPECT_EQ(html::FilePathOf("C:\\qz\\C#.htm"), "C:\\qz\\C#.htm");
    EXPECT_EQ(html::FilePathOf("file:///C:/qz/a%20b.htm#x"), "C:\\qz\\a b.htm");
    EXPECT_EQ(html::FilePathOf("FILE://server/share/a.htm"), "\\\\server\\share\\a.htm");
}
