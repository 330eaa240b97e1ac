#include "app/main_window.h"

#include "app/add_memo_window.h"
#include "app/memo_store.h"
#include "app/skin_hookup.h"
#include "app/update/update_check.h"
#include "app/viewer_window.h"
#include "app/window_designs.h"
#include "app/window_rules.h"
#include "runtime/datetime.h"
#include "runtime/files.h"
#include "runtime/hypertext_pane.h"
#include "runtime/services.h"
#include "runtime/window.h"

namespace {

HWND mainWindow = nullptr;


void ShowDateLine(HWND window) {
    HWND pane = rt::FindControl(window, "简单超文本框2");
    std::string today = rt::FormatDateText(rt::DateOnly(rt::Now()));
    rt::SetHypertextMarkup(pane, ComposeDateLine(today) + rt::HypertextMarkup(pane));
}

void OnMainCreated(HWND window) {
    mainWindow = window;
    RunUpdateCheck();
    if (!IsWindow(window)) return;
    ApplySkin(window);
    OpenMemoStore();
    ShowDateLine(window);
}

void OnMainSizeChanged(HWND window) { EnforceMinimumSize(window, {MainWindowDesign.minWidth, MainWindowDesign.minHeight}); }

void OnMainWillBeDestroyed(HWND) {
    CloseAllStores();
    mainWindow = nullptr;
}

void OpenTodayMemo(const std::string& eventText) {
    // The number after "今日备忘-"; the page only ever links 1 to the listed count.
    std::string number = eventText.size() > 9 ? eventText.substr(9) : std::string();
    double n = rt::TextToNumber(number);
    HWND viewer = LoadViewerWindow(mainWindow);
    if (n < 1 || n >= TodayList.size() + 1) return;
    const MemoRecord& memo = TodayList[static_cast<size_t>(n) - 1];
    ShowMemoInViewer(viewer, memo.title + "  - " + rt::WindowText(mainWindow), MemoPageFolder() + memo.pageFileName);
}

void ConfirmAndClear() {
    if (rt::MessageBoxText("您确定要清空所有备忘记录？", 49, MessageCaption) != 0) return;
    if (!ClearMemos()) rt::MessageBoxText("清空备忘失败！备忘记录和页面都已保留。", 16, MessageCaption);
}

}  // namespace

HWND MainWindow() { return mainWindow; }

std::string ComposeDateLine(const std::string& dateText) {
    return "<center>" + dateText +
           "   <a event=\"清空备忘\">清空备忘</a>   <a event=\"刷新备忘\">刷新今日备忘</a></center><br>";
}

void OnTodayPaneLink(const std::string& eventText) {
    if (eventText.compare(0, 8, "今日备忘") == 0) return OpenTodayMemo(eventText);
    if (eventText == "添加备忘") {
        LoadAddMemoWindow(mainWindow);
        return;
    }
    if (eventText == "所有备忘") rt::ShellOpen(MemoDatabaseFile());
}

void OnCommandPaneLink(const std::string& eventText) {
    if (eventText == "官网") return;
    if (eventText == "刷新备忘") return RefreshToday();
    if (eventText == "清空备忘") return ConfirmAndClear();
    rt::MessageBoxText("抱歉！此功能暂未开放！", 64, MessageCaption);
}

HWND LoadMainWindow() {
    rt::WindowEvents events;
    events.created = OnMainCreated;
    events.sizeChanged = OnMainSizeChanged;
    events.willBeDestroyed = OnMainWillBeDestroyed;
    events.controls = {{"简单超文本框1", {.linkClicked = OnTodayPaneLink}},
                       {"简单超文本框2", {.linkClicked = OnCommandPaneLink}}};
    return rt::LoadWindow(MainWindowDesign, events, nullptr, true);
}
