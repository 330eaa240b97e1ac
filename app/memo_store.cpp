#include "app/memo_store.h"

#include "app/today_page.h"
#include "runtime/datetime.h"
#include "runtime/files.h"
#include "runtime/record_db.h"

std::vector<MemoRecord> TodayList;

const char* const EveryDayMarker = "每天";
const char* const MemoStoreAlias = "qzbwl";

namespace {

const char* const TitleField = "备忘标题";
const char* const DayField = "备忘时间";
const char* const PageField = "备忘内容";

std::vector<rt::FieldSpec> MemoFields() {
    return {{TitleField, rt::FieldType::Text, 50}, {DayField, rt::FieldType::Text, 50},
            {PageField, rt::FieldType::Text, 512}};
}

}  // namespace

std::string MemoDatabaseFolder() { return rt::RunDirectory() + "\\qzedb\\"; }

std::string MemoDatabaseFile() { return rt::RunDirectory() + "\\qzedb\\qzbwl.edb"; }

std::string MemoPageFolder() { return rt::RunDirectory() + "\\qztext\\"; }

void OpenMemoStore() {
    const std::vector<rt::FieldSpec> fields = MemoFields();
    if (!rt::FileExists(MemoDatabaseFile())) {
        rt::CreateFolder(MemoDatabaseFolder());
        rt::DbCreate(MemoDatabaseFile(), fields);
    }
    if (!rt::FolderExists(MemoPageFolder())) rt::CreateFolder(MemoPageFolder());
    RefreshToday();
}

void RefreshToday() {
    rt::DbClose();
    TodayList.clear();
    rt::DbOpen(MemoDatabaseFile(), MemoStoreAlias);
    while (rt::DbFind(IsTodayMemo)) {
        TodayList.push_back({rt::DbReadField(TitleField), rt::DbReadField(DayField), rt::DbReadField(PageField)});
        rt::DbSkip();
    }
    RenderTodayPage();
}

bool IsTodayMemo() {
    const std::string day = rt::DbReadField(DayField);
    return day == rt::FormatDateText(rt::DateOnly(rt::Now())) || day == EveryDayMarker;
}

bool AddMemoRecord(const std::string& title, const std::string& day, const std::string& pageFileName) {
    return rt::DbAdd({title, day, pageFileName});
}

bool ClearMemos() {
    bool cleared = rt::DbClear();
    if (cleared) rt::DeleteFolder(rt::RunDirectory() + "\\qztext");
    RefreshToday();
    return cleared;
}

void CloseAllStores() { rt::DbCloseAll(); }
