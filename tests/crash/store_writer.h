#pragma once
// What the crash test's helper writes, shared by the helper and the test.
#include <string>
#include <vector>

#include "runtime/files.h"
#include "runtime/record_db.h"

inline std::vector<rt::FieldSpec> CrashTestFields() {
    return {{"备忘标题", rt::FieldType::Text, 50}, {"备忘时间", rt::FieldType::Text, 50}};
}

constexpr const char* CrashTestDay = "每天";

// Large enough that a page takes several writes' worth of time on disk.
inline std::string CrashTestPageBody() {
    std::string body;
    for (int i = 0; i < 4000; ++i) body += "第" + std::to_string(i) + "行<br/>\r\n";
    return body;
}
