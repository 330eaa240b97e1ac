#include "app/today_page.h"

#include "app/main_window.h"
#include "app/memo_store.h"
#include "app/window_designs.h"
#include "runtime/hypertext_pane.h"
#include "runtime/window.h"

namespace {
const size_t kMostLinks = 10;
}

std::string ComposeTodayPage(const std::vector<MemoRecord>& today) {
    std::string list;
    if (today.empty())
        list = "\r\n<center>未找到数据！可能是您还未添加备忘哦~点击上方 \r\n'添加备忘'来记录您的第一条备忘吧！</center>";
    for (size_t n = 1; n <= today.size() && n <= kMostLinks; ++n) {
        // Titles go in as typed: a title with markup renders as markup.
        list += "\r\n<center><a style=\"font-size:30px\" event=\"今日备忘-" + std::to_string(n) + "\">" +
                today[n - 1].title + "</a></center>";
    }
    return TodayPageHeader + list;
}

void RenderTodayPage() {
    if (!MainWindow()) return;
    rt::SetHypertextMarkup(rt::FindControl(MainWindow(), "简单超文本框1"), ComposeTodayPage(TodayList));
}
