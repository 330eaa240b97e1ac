// The browser pane as a window: before-navigate on the first address and on every link,
// cancelling, local GBK pages and their links, web pages through the HTTP read, and the
// page shown when an address cannot be read.
#include <gtest/gtest.h>

#include "app/memo_page.h"
#include "app/viewer_window.h"
#include "runtime/browser_pane.h"
#include "runtime/files.h"
#include "runtime/html/view.h"
#include "support/fake_services.h"
#include "support/html_test_support.h"
#include "support/pane_host.h"
#include "support/temp_folder.h"

namespace {

struct BrowserFixture : testing::Test {
    FakeServices services;
    PaneHost host{400, 300};
    TempFolder folder{"browser_pane_test"};
    HWND pane = rt::CreateBrowserPane(host.window, 0, 0, 360, 292, 1);
    std::vector<std::string> seen;  // the address read during each before-navigate
    bool answer = true;

    void SetUp() override {
        rt::SetBeforeNavigateHandler(pane, [this] {
            seen.push_back(rt::BrowserAddress(pane));
            return answer;
        });
    }

    std::string writePage(const std::string& name, const std::string& body) {
        std::string path = folder.file(name);
        rt::WriteFileBytes(path, ComposeMemoPage(body));
        return path;
    }

    std::string pageText() const {
        const html::Layout& layout = html::ViewOf(pane)->layout();
        return html::ToGbk(layout.text);
    }

    rt::PaneLink link(size_t index) const {
        std::vector<rt::PaneLink> links = rt::BrowserLinks(pane);
        if (index >= links.size()) throw std::runtime_error("no such link");
        return links[index];
    }
};

}  // namespace

TEST_F(BrowserFixture, FirstNavigationRaisesTheEventWithTheAddressReadable) {
    std::string page = writePage("会议2014年3月5日.htm", "<h1>会议</h1>三点开会");
    rt::SetBrowserAddress(pane, page);
    EXPECT_EQ(seen, std::vector<std::string>{page});
    EXPECT_EQ(rt::BrowserAddress(pane), page);
    EXPECT_NE(pageText().find("三点开会"), std::string::npos);
    EXPECT_EQ(pageText().find("font-size"), std::string::npos);  // the style block is not text
}

TEST_F(BrowserFixture, FalseCancelsAndKeepsThePreviousPage) {
    std::string first = writePage("a.htm", "第一页");
    std::string second = writePage("b.htm", "第二页");
    rt::SetBrowserAddress(pane, first);
    answer = false;
    rt::SetBrowserAddress(pane, second);
    EXPECT_EQ(seen, (std::vector<std::string>{first, second}));
    EXPECT_EQ(rt::BrowserAddress(pane), first);
    EXPECT_NE(pageText().find("第一页"), std::string::npos);
}

TEST_F(BrowserFixture, CancelledFirstNavigationLeavesThePaneBlank) {
    answer = false;
    rt::SetBrowserAddress(pane, writePage("a.htm", "第一页"));
    EXPECT_EQ(rt::BrowserAddress(pane), "");
    EXPECT_EQ(pageText(), "");
}

TEST_F(BrowserFixture, LinksRaiseTheEventWithTheResolvedAddress) {
    std::string start = writePage("a.htm", "<a href=\"b.htm\">下一页</a> <a href=\"http://h.cn/x\">网站</a>");
    std::string next = writePage("b.htm", "第二页<a href=\"a.htm\">返回</a>");
    rt::SetBrowserAddress(pane, start);
    ClickLink(pane, link(0));
    EXPECT_EQ(seen, (std::vector<std::string>{start, next}));
    EXPECT_EQ(rt::BrowserAddress(pane), next);
    EXPECT_NE(pageText().find("第二页"), std::string::npos);
    SetFocus(pane);
    PressKey(pane, VK_TAB);
    PressKey(pane, VK_RETURN);
    EXPECT_EQ(seen.back(), start);
    EXPECT_EQ(rt::BrowserAddress(pane), start);
}

// The memo viewer's own handler: http:// goes to the system browser and the page stays;
// anything else, https:// and an upper-case HTTP:// among them, loads inside.
TEST_F(BrowserFixture, TheViewerSendsHttpLinksToTheShell) {
    HWND viewer = LoadViewerWindow(nullptr);
    ASSERT_TRUE(viewer);
    HWND inViewer = rt::FindControl(viewer, "超文本浏览框1");
    services.pages["https://h.cn/s"] = "安全网页";
    services.pages["HTTP://h.cn/u"] = "大写网页";
    std::string next = writePage("b.htm", "第二页");
    std::string start = writePage(
        "a.htm", "<a href=\"http://h.cn/x\">网站</a> <a href=\"https://h.cn/s\">安全</a> <a href=\"HTTP://h.cn/u\">大写</a> "
                 "<a href=\"b.htm\">下一页</a>");
    rt::SetBrowserAddress(inViewer, start);
    EXPECT_EQ(rt::BrowserAddress(inViewer), start) << "the page itself is not a web link";
    ASSERT_EQ(rt::BrowserLinks(inViewer).size(), 4u);
    ClickLink(inViewer, rt::BrowserLinks(inViewer)[0]);
    EXPECT_EQ(services.shellOpens, std::vector<std::string>{"http://h.cn/x"});
    EXPECT_EQ(rt::BrowserAddress(inViewer), start);
    EXPECT_EQ(rt::BrowserLinks(inViewer).size(), 4u) << "the memo page is still shown";
    for (size_t link : {1, 2, 3}) {
        rt::SetBrowserAddress(inViewer, start);
        std::string target = rt::BrowserLinks(inViewer)[link].href;
        ClickLink(inViewer, rt::BrowserLinks(inViewer)[link]);
        EXPECT_NE(rt::BrowserAddress(inViewer), start) << target;
    }
    EXPECT_EQ(rt::BrowserAddress(inViewer), next);
    EXPECT_EQ(services.shellOpens.size(), 1u);
    DestroyWindow(viewer);
}

TEST_F(BrowserFixture, WebPagesComeThroughTheHttpRead) {
    services.pages["https://h.cn/app/index.htm"] = "<p>网页正文</p><a href=\"more.htm\">更多</a>";
    services.pages["https://h.cn/app/more.htm"] = "<p>更多内容</p>";
    rt::SetBrowserAddress(pane, "https://h.cn/app/index.htm");
    EXPECT_NE(pageText().find("网页正文"), std::string::npos);
    ClickLink(pane, link(0));
    EXPECT_EQ(seen.back(), "https://h.cn/app/more.htm");
    EXPECT_NE(pageText().find("更多内容"), std::string::npos);
}

TEST_F(BrowserFixture, Utf8WebPagesShowToo) {
    services.pages["http://h.cn/u.htm"] = "<meta charset=\"UTF-8\"><p>\xE4\xB8\xAD\xE6\x96\x87</p>";  // 中文
    rt::SetBrowserAddress(pane, "http://h.cn/u.htm");
    EXPECT_NE(pageText().find("中文"), std::string::npos);
}

TEST_F(BrowserFixture, UnreadableAddressesShowAShortPage) {
    std::string missing = folder.file("不存在.htm");
    rt::SetBrowserAddress(pane, missing);
    EXPECT_EQ(rt::BrowserAddress(pane), missing);
    EXPECT_NE(pageText().find("找不到该文件"), std::string::npos);
    EXPECT_NE(pageText().find(missing), std::string::npos);
    Capture capture = CaptureWindow(pane);
    EXPECT_GT(capture.count({0, 0, capture.width, capture.height}, RGB(0xFF, 0x99, 0)), 20);  // the orange title
    rt::SetBrowserAddress(pane, "http://h.cn/none");
    EXPECT_NE(pageText().find("无法读取该网页"), std::string::npos);
}

TEST_F(BrowserFixture, OtherSchemesGoToTheShellAndInPageAnchorsScroll) {
    std::string body = "<a href=\"mailto:a@b.cn\">信</a> <a href=\"#end\">末尾</a> <a href=\"javascript:x()\">脚本</a>";
    for (int i = 0; i < 60; ++i) body += "<p>段落</p>";
    body += "<a name=\"end\">末尾</a>";
    std::string start = writePage("a.htm", body);
    rt::SetBrowserAddress(pane, start);
    ClickLink(pane, link(0));
    EXPECT_EQ(services.shellOpens, std::vector<std::string>{"mailto:a@b.cn"});
    EXPECT_EQ(rt::BrowserAddress(pane), start);
    ClickLink(pane, link(2));
    EXPECT_EQ(seen.size(), 2u);  // javascript: leads nowhere, not even to the event
    ClickLink(pane, link(1));
    EXPECT_EQ(seen.size(), 2u);
    EXPECT_GT(ScrollPosition(pane), 0);
}

TEST_F(BrowserFixture, HandlerMayNavigateElsewhereOrCloseThePane) {
    std::string first = writePage("a.htm", "第一页");
    std::string second = writePage("b.htm", "第二页");
    rt::SetBeforeNavigateHandler(pane, [&] {
        seen.push_back(rt::BrowserAddress(pane));
        if (rt::BrowserAddress(pane) == first) rt::SetBrowserAddress(pane, second);
        return true;
    });
    rt::SetBrowserAddress(pane, first);
    EXPECT_EQ(seen, (std::vector<std::string>{first, second}));
    EXPECT_EQ(rt::BrowserAddress(pane), second);
    EXPECT_NE(pageText().find("第二页"), std::string::npos);
    rt::SetBeforeNavigateHandler(pane, [&] {
        DestroyWindow(pane);
        return true;
    });
    rt::SetBrowserAddress(pane, first);
    EXPECT_FALSE(IsWindow(pane));
}

TEST_F(BrowserFixture, LongMemoPageScrollsAndIsReleasedOnDestroy) {
    std::string body;
    for (int i = 0; i < 200; ++i) body += "<p>第" + std::to_string(i) + "段 <b>粗体</b> <i>斜体</i></p>";
    rt::SetBrowserAddress(pane, writePage("long.htm", body));
    ASSERT_TRUE(HasScrollBar(pane));
    Wheel(pane, -3 * WHEEL_DELTA);
    EXPECT_GT(ScrollPosition(pane), 0);
    std::vector<HGDIOBJ> held = html::ViewOf(pane)->gdiObjects();
    EXPECT_GE(held.size(), 4u);
    DestroyWindow(pane);
    for (HGDIOBJ object : held) EXPECT_EQ(GetObjectType(object), 0u);
}
