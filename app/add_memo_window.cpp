#include "app/add_memo_window.h"

#include <string>

#include "app/memo_page.h"
#include "app/memo_store.h"
#include "app/skin_hookup.h"
#include "app/window_designs.h"
#include "app/window_rules.h"
#include "runtime/datetime.h"
#include "runtime/files.h"
#include "runtime/services.h"
#include "runtime/window.h"

namespace {


struct MemoInput {
    std::string title, body;
    rt::DateTime chosen;
    bool everyDay;
};

MemoInput ReadInput(HWND window) {
    return {rt::WindowText(rt::FindControl(window, "编辑框1")), rt::WindowText(rt::FindControl(window, "编辑框2")),
            rt::DateBoxValue(rt::FindControl(window, "日期框1")), rt::IsChecked(rt::FindControl(window, "选择框1"))};
}

// Writes the page under a free name; empty when it could not be written.
std::string WritePage(const MemoInput& memo) {
    if (!rt::FolderExists(MemoPageFolder())) rt::CreateFolder(MemoPageFolder());
    return WriteMemoPage(MemoPageFolder(), memo.title, rt::FormatDateText(memo.chosen), memo.body);
}

// Saves page and record together: a page whose record could not be added is removed,
// so a failed save leaves nothing behind.
bool SaveMemo(const MemoInput& memo) {
    std::string name = WritePage(memo);
    if (name.empty()) {
        rt::MessageBoxText("备忘页面无法写入！请检查磁盘空间和程序目录的写入权限。", 16, MessageCaption);
        return false;
    }
    std::string day = memo.everyDay ? "每天" : rt::FormatDateText(rt::DateOnly(memo.chosen));
    if (!AddMemoRecord(memo.title, day, name)) {
        rt::DeleteFileAt(MemoPageFolder() + name);
        rt::MessageBoxText("备忘记录无法保存到数据库！请检查磁盘空间和程序目录的写入权限。", 16, MessageCaption);
        return false;
    }
    return true;
}

void OnSaveClicked(HWND window) {
    MemoInput memo = ReadInput(window);
    if (memo.title.empty() || memo.body.empty()) {
        rt::MessageBoxText("备忘标题或是内容未填写！请仔细检查！", 16, MessageCaption);
        return;
    }
    if (!SaveMemo(memo)) return;
    rt::MessageBoxText("添加备忘成功！", 64, MessageCaption);
    DestroyWindow(window);
    RefreshToday();
}

void OnClearClicked(HWND window) {
    rt::SetWindowTextTo(rt::FindControl(window, "编辑框1"), "");
    rt::SetWindowTextTo(rt::FindControl(window, "编辑框2"), "");
}

// Enter in the body also writes a line break into the page.
void OnBodyCharInput(HWND edit, int charCode) {
    if (charCode == 13) rt::AppendEditText(edit, "<br/>");
}

void OnAddMemoSizeChanged(HWND window) {
    EnforceMinimumSize(window, {AddMemoWindowDesign.minWidth, AddMemoWindowDesign.minHeight});
}

}  // namespace

HWND LoadAddMemoWindow(HWND parent) {
    rt::WindowEvents events;
    events.created = [](HWND window) { ApplySkin(window); };
    events.sizeChanged = OnAddMemoSizeChanged;
    events.controls = {{"按钮1", {.clicked = OnSaveClicked}},
                       {"按钮2", {.clicked = OnClearClicked}},
                       {"编辑框2", {.charInput = OnBodyCharInput}}};
    return rt::LoadWindow(AddMemoWindowDesign, events, parent);
}
