// The main window's list page.
#include <gtest/gtest.h>

#include <cstring>

#include "app/memo_store.h"
#include "app/today_page.h"
#include "app/window_designs.h"

namespace {

size_t Count(const std::string& text, const std::string& what) {
    size_t n = 0;
    for (size_t at = 0; (at = text.find(what, at)) != std::string::npos; at += what.size()) ++n;
    return n;
}

TEST(TodayPage, ListsAtMostTheFirstTenMemosInOrder) {
    std::vector<MemoRecord> today;
    for (int i = 1; i <= 12; ++i) today.push_back({"备忘" + std::to_string(i), "每天", "p.htm"});
    std::string page = ComposeTodayPage(today);
    EXPECT_EQ(page.compare(0, strlen(TodayPageHeader), TodayPageHeader), 0);
    EXPECT_EQ(Count(page, "event=\"今日备忘-"), 10u);
    EXPECT_NE(page.find("\r\n<center><a style=\"font-size:30px\" event=\"今日备忘-1\">备忘1</a></center>"),
              std::string::npos);
    EXPECT_NE(page.find("event=\"今日备忘-10\">备忘10</a></center>"), std::string::npos);
    EXPECT_EQ(page.find("备忘11"), std::string::npos);
    EXPECT_EQ(page.find("今日备忘-11"), std::string::npos);
}

TEST(TodayPage, EmptyListShowsTheHintUnderTheHeader) {
    std::string page = ComposeTodayPage({});
    EXPECT_EQ(page, std::string(TodayPageHeader) +
                        "\r\n<center>未找到数据！可能是您还未添加备忘哦~点击上方 \r\n'添加备忘'来记录您的第一条备忘吧！</center>");
}

TEST(TodayPage, TitlesGoInAsMarkup) {
    std::string page = ComposeTodayPage({{"<b>重要</b>", "每天", "p.htm"}});
    EXPECT_NE(page.find("event=\"今日备忘-1\"><b>重要</b></a>"), std::string::npos);
}

TEST(TodayPage, HeaderIsTheDesignedOne) {
    EXPECT_STREQ(TodayPageHeader,
                 "<center><h3>    岚舟备忘录-方便的综合辅助办公软件    </h3>\r\n<hr></center>\r\n<h1>今日备忘</h1>       "
                 "<a event=\"添加备忘\">>添加备忘</a>  <a event=\"所有备忘\">>所有备忘</a>\r\n<center><hr></center>");
}

}  // namespace
