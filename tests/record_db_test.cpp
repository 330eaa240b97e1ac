#include "runtime/record_db.h"

#include <gtest/gtest.h>

#include "runtime/files.h"
#include "runtime/record_file.h"
#include "support/temp_folder.h"

namespace {

const std::vector<rt::FieldSpec> kFields = {{"标题", rt::FieldType::Text, 10}, {"日期", rt::FieldType::Text, 10}};

class RecordDb : public ::testing::Test {
protected:
    TempFolder folder{"lz_record_db_test"};
    std::string path = folder.file("memo.edb");

    void TearDown() override { rt::DbCloseAll(); }

    // Every title from the current record to the end, moving the position to the end.
    static std::vector<std::string> TitlesFromHere() {
        std::vector<std::string> titles;
        while (rt::DbFind([] { return true; })) {
            titles.push_back(rt::DbReadField("标题"));
            rt::DbSkip();
        }
        return titles;
    }

    std::vector<std::string> TitlesOnDisk() {
        rt::DbCloseAll();
        EXPECT_TRUE(rt::DbOpen(path, "memo"));
        return TitlesFromHere();
    }

    std::string Bytes(const std::string& file) {
        std::string bytes;
        EXPECT_TRUE(rt::ReadFileBytes(file, bytes));
        return bytes;
    }
};

// One long session over the operations; each step states its expected result.
TEST_F(RecordDb, OperationsInSequence) {
    const std::string other = folder.file("other.edb");
    auto titleIs = [](const char* title) { return [=] { return rt::DbReadField("标题") == title; }; };
    auto dayIs = [](const char* day) { return [=] { return rt::DbReadField("日期") == day; }; };
    const struct {
        const char* what;
        std::function<bool()> step;
        bool expected;
    } steps[] = {
        {"find with nothing open", [] { return rt::DbFind([] { return true; }); }, false},
        {"read with nothing open gives nothing", [] { return rt::DbReadField("标题").empty(); }, true},
        {"skip with nothing open", [] { return rt::DbSkip(); }, false},
        {"add with nothing open", [] { return rt::DbAdd({"a", "b"}); }, false},
        {"clear with nothing open", [] { return rt::DbClear(); }, false},
        {"close with nothing open is harmless", [] { rt::DbClose(); return true; }, true},
        {"open a missing file", [&] { return rt::DbOpen(path, "memo"); }, false},
        {"create", [&] { return rt::DbCreate(path, kFields); }, true},
        {"create over an existing file", [&] { return rt::DbCreate(path, kFields); }, false},
        {"create in a missing folder", [&] { return rt::DbCreate(folder.file("no\\x.edb"), kFields); }, false},
        {"create with an invalid schema", [&] { return rt::DbCreate(other, {}); }, false},
        {"open", [&] { return rt::DbOpen(path, "memo"); }, true},
        {"find in an empty database", [] { return rt::DbFind([] { return true; }); }, false},
        {"add first", [] { return rt::DbAdd({"一", "周一"}); }, true},
        {"the added record is current", titleIs("一"), true},
        {"add second", [] { return rt::DbAdd({"二", "周二"}); }, true},
        {"add third", [] { return rt::DbAdd({"三", "周一"}); }, true},
        {"add too few values", [] { return rt::DbAdd({"四"}); }, false},
        {"add too many values", [] { return rt::DbAdd({"四", "周四", "多"}); }, false},
        {"add a title of 11 bytes", [] { return rt::DbAdd({"12345678901", "周四"}); }, false},
        {"add a title of exactly 10 bytes", [] { return rt::DbAdd({"标题十字节", "周五"}); }, true},
        {"reopen positions at the first record", [&] { return rt::DbOpen(path, "memo"); }, true},
        {"first record current", titleIs("一"), true},
        {"an unknown field reads empty", [] { return rt::DbReadField("没有").empty(); }, true},
        {"find matches the current record itself", [&] { return rt::DbFind(dayIs("周一")); }, true},
        {"still the first", titleIs("一"), true},
        {"skip", [] { return rt::DbSkip(); }, true},
        {"find moves forward to the next match", [&] { return rt::DbFind(dayIs("周一")); }, true},
        {"the third is current", titleIs("三"), true},
        {"skip", [] { return rt::DbSkip(); }, true},
        {"no match left", [&] { return rt::DbFind(dayIs("周一")); }, false},
        {"at the end nothing is current", [] { return rt::DbReadField("标题").empty(); }, true},
        {"skip at the end", [] { return rt::DbSkip(); }, false},
        {"create a second database", [&] { return rt::DbCreate(other, kFields); }, true},
        {"open it under its own alias", [&] { return rt::DbOpen(other, "other"); }, true},
        {"the second is current and empty", [] { return rt::DbFind([] { return true; }); }, false},
        {"add to the second", [] { return rt::DbAdd({"别处", "周日"}); }, true},
        {"close the second", [] { rt::DbClose(); return true; }, true},
        {"the first is current again, still at its end", [] { return rt::DbFind([] { return true; }); }, false},
        {"reopen the first", [&] { return rt::DbOpen(path, "memo"); }, true},
        {"the second's record did not go to the first", [&] { return !rt::DbFind(titleIs("别处")); }, true},
        {"close all", [] { rt::DbCloseAll(); return true; }, true},
        {"nothing is current after close all", [] { return rt::DbFind([] { return true; }); }, false},
    };
    for (const auto& s : steps) {
        ASSERT_EQ(s.step(), s.expected) << s.what;
    }
    EXPECT_EQ(TitlesOnDisk(), (std::vector<std::string>{"一", "二", "三", "标题十字节"}));
}

TEST_F(RecordDb, EveryAddIsOnDiskForTheNextOpen) {
    ASSERT_TRUE(rt::DbCreate(path, kFields));
    ASSERT_TRUE(rt::DbOpen(path, "memo"));
    std::vector<std::string> expected;
    for (int i = 0; i < 20; ++i) {
        expected.push_back("第" + std::to_string(i) + "条");
        ASSERT_TRUE(rt::DbAdd({expected.back(), "每天"}));
        // A second alias reads the file as it is on disk now.
        ASSERT_TRUE(rt::DbOpen(path, "reader"));
        EXPECT_EQ(TitlesFromHere(), expected);
        rt::DbClose();
    }
}

TEST_F(RecordDb, TornLastRecordKeepsEarlierOnesAndTheNextAddSurvives) {
    const size_t lastSize = rt::EncodeRecord({"三", "周三"}).size();
    for (size_t cut : {size_t(1), size_t(4), size_t(8), lastSize / 2, lastSize - 1}) {
        SCOPED_TRACE("cut " + std::to_string(cut) + " bytes");
        rt::DeleteFileAt(path);
        ASSERT_TRUE(rt::DbCreate(path, kFields));
        ASSERT_TRUE(rt::DbOpen(path, "memo"));
        for (const char* title : {"一", "二", "三"}) ASSERT_TRUE(rt::DbAdd({title, "周三"}));
        rt::DbCloseAll();
        const std::string bytes = Bytes(path);
        ASSERT_TRUE(rt::WriteFileBytes(path, bytes.substr(0, bytes.size() - cut)));

        EXPECT_EQ(TitlesOnDisk(), (std::vector<std::string>{"一", "二"}));
        ASSERT_TRUE(rt::DbAdd({"四", "周四"}));
        EXPECT_EQ(TitlesOnDisk(), (std::vector<std::string>{"一", "二", "四"}));
        ASSERT_TRUE(rt::DbAdd({"五", "周五"}));
        EXPECT_EQ(TitlesOnDisk(), (std::vector<std::string>{"一", "二", "四", "五"}));
    }
}

TEST_F(RecordDb, GarbageAfterTheRecordsIsSkippedAndReplacedByTheNextAdd) {
    ASSERT_TRUE(rt::DbCreate(path, kFields));
    ASSERT_TRUE(rt::DbOpen(path, "memo"));
    ASSERT_TRUE(rt::DbAdd({"一", "周一"}));
    rt::DbCloseAll();
    ASSERT_TRUE(rt::WriteFileBytes(path, Bytes(path) + std::string(300, '\x7F')));

    EXPECT_EQ(TitlesOnDisk(), std::vector<std::string>{"一"});
    ASSERT_TRUE(rt::DbAdd({"二", "周二"}));
    EXPECT_EQ(TitlesOnDisk(), (std::vector<std::string>{"一", "二"}));
}

// A damaged record in the middle costs that record only: the next add goes after the
// last sound record and every byte of the records after the damage stays on disk.
TEST_F(RecordDb, DamagedRecordInTheMiddleKeepsTheRecordsAfterItOnDisk) {
    const size_t frameSize = rt::EncodeRecord({"第1条", "每天"}).size();
    const size_t third = rt::EncodeHeader(kFields).size() + 2 * frameSize;
    for (size_t at : {third + 9, third + 1}) {  // a payload byte, then the length field
        SCOPED_TRACE("byte " + std::to_string(at - third) + " of the third record flipped");
        rt::DbCloseAll();
        rt::DeleteFileAt(path);
        ASSERT_TRUE(rt::DbCreate(path, kFields));
        ASSERT_TRUE(rt::DbOpen(path, "memo"));
        std::vector<std::string> expected;
        for (int i = 1; i <= 10; ++i) {
            const std::string title = "第" + std::to_string(i) + "条";
            ASSERT_TRUE(rt::DbAdd({title, "每天"}));
            if (i != 3) expected.push_back(title);
        }
        rt::DbCloseAll();
        std::string damaged = Bytes(path);
        damaged[at] = static_cast<char>(damaged[at] ^ 0x04);
        ASSERT_TRUE(rt::WriteFileBytes(path, damaged));

        EXPECT_EQ(TitlesOnDisk(), expected);
        ASSERT_TRUE(rt::DbAdd({"新增", "每天"}));
        expected.push_back("新增");
        EXPECT_EQ(TitlesOnDisk(), expected);
        const std::string after = Bytes(path);
        EXPECT_EQ(after.substr(0, damaged.size()), damaged) << "the records after the damage were cut";
        EXPECT_EQ(after.substr(damaged.size()), rt::EncodeRecord({"新增", "每天"}));
    }
}

TEST_F(RecordDb, AddThroughAStaleAliasDoesNotOverwriteNewerRecords) {
    ASSERT_TRUE(rt::DbCreate(path, kFields));
    ASSERT_TRUE(rt::DbOpen(path, "first"));
    ASSERT_TRUE(rt::DbOpen(path, "second"));
    ASSERT_TRUE(rt::DbAdd({"经第二", "周一"}));
    rt::DbClose();  // "first" is current again; it has not seen the record above
    ASSERT_TRUE(rt::DbAdd({"经第一", "周二"}));
    EXPECT_EQ(TitlesOnDisk(), (std::vector<std::string>{"经第二", "经第一"}));
}

TEST_F(RecordDb, ForeignFileIsNeitherOpenedNorOverwritten) {
    const std::vector<std::string> contents = {
        "备忘标题,备忘时间\r\n",
        std::string(),
        rt::EncodeHeader(kFields).substr(0, 10),
    };
    for (const std::string& content : contents) {
        ASSERT_TRUE(rt::WriteFileBytes(path, content));
        EXPECT_FALSE(rt::DbOpen(path, "memo"));
        EXPECT_FALSE(rt::DbCreate(path, kFields));
        EXPECT_FALSE(rt::DbAdd({"一", "周一"}));
        EXPECT_FALSE(rt::DbClear());
        EXPECT_EQ(Bytes(path), content);
    }
}

// Another program may put its own file where the database was after it was opened:
// neither clear nor add may write into it, whatever its size.
TEST_F(RecordDb, FileReplacedAfterOpeningIsNeitherClearedNorAddedTo) {
    const std::vector<rt::FieldSpec> otherFields = {{"名称", rt::FieldType::Text, 20}};
    const std::string ours = rt::EncodeHeader(kFields) + rt::EncodeRecord({"一", "周一"});
    const struct {
        const char* what;
        std::string content;
    } foreign[] = {
        {"a text file", "备忘标题,备忘时间\r\n一,周一\r\n"},
        {"a text file of the same size", std::string(ours.size(), 'x')},
        {"a record database of another schema", rt::EncodeHeader(otherFields) + rt::EncodeRecord({"别人的"})},
    };
    for (const auto& f : foreign) {
        SCOPED_TRACE(f.what);
        rt::DbCloseAll();
        rt::DeleteFileAt(path);
        ASSERT_TRUE(rt::DbCreate(path, kFields));
        ASSERT_TRUE(rt::DbOpen(path, "memo"));
        ASSERT_TRUE(rt::DbAdd({"一", "周一"}));
        ASSERT_EQ(Bytes(path), ours);
        ASSERT_TRUE(rt::WriteFileBytes(path, f.content));

        EXPECT_FALSE(rt::DbClear());
        EXPECT_EQ(Bytes(path), f.content);
        EXPECT_FALSE(rt::FileExists(path + ".new"));
        EXPECT_FALSE(rt::DbAdd({"二", "周二"}));
        EXPECT_EQ(Bytes(path), f.content);
    }
}

TEST_F(RecordDb, ClearEmptiesTheFileAndLaterAddsStay) {
    ASSERT_TRUE(rt::DbCreate(path, kFields));
    ASSERT_TRUE(rt::DbOpen(path, "memo"));
    ASSERT_TRUE(rt::DbAdd({"一", "周一"}));
    ASSERT_TRUE(rt::DbAdd({"二", "周二"}));
    ASSERT_TRUE(rt::DbClear());
    EXPECT_FALSE(rt::DbFind([] { return true; }));
    EXPECT_EQ(Bytes(path), rt::EncodeHeader(kFields));
    EXPECT_FALSE(rt::FileExists(path + ".new"));

    ASSERT_TRUE(rt::DbAdd({"三", "周三"}));
    EXPECT_EQ(rt::DbReadField("标题"), "三");
    EXPECT_EQ(TitlesOnDisk(), std::vector<std::string>{"三"});
}

TEST_F(RecordDb, TooLongTextIsRefusedAndNothingIsWritten) {
    ASSERT_TRUE(rt::DbCreate(path, kFields));
    ASSERT_TRUE(rt::DbOpen(path, "memo"));
    ASSERT_TRUE(rt::DbAdd({"一", "周一"}));
    const std::string before = Bytes(path);
    EXPECT_FALSE(rt::DbAdd({"一二三四五六", "周一"}));  // 12 bytes in a 10-byte field
    EXPECT_FALSE(rt::DbAdd({"一", std::string(11, 'x')}));
    EXPECT_EQ(Bytes(path), before);
    EXPECT_EQ(TitlesOnDisk(), std::vector<std::string>{"一"});
}

TEST_F(RecordDb, HundredThousandRecordsRoundTrip) {
    const int count = 100000;
    const std::vector<rt::FieldSpec> fields = {{"标题", rt::FieldType::Text, 50}, {"日期", rt::FieldType::Text, 50}};
    ASSERT_TRUE(rt::DbCreate(path, fields));
    ASSERT_TRUE(rt::DbOpen(path, "memo"));
    for (int i = 0; i < count; ++i) {
        ASSERT_TRUE(rt::DbAdd({"备忘" + std::to_string(i), std::to_string(i * 7)})) << i;
    }
    rt::DbCloseAll();
    ASSERT_TRUE(rt::DbOpen(path, "memo"));
    for (int i = 0; i < count; ++i) {
        ASSERT_TRUE(rt::DbFind([] { return true; })) << i;
        ASSERT_EQ(rt::DbReadField("标题"), "备忘" + std::to_string(i));
        ASSERT_EQ(rt::DbReadField("日期"), std::to_string(i * 7));
        rt::DbSkip();
    }
    EXPECT_FALSE(rt::DbFind([] { return true; }));
}

// Another program holding the file open without letting anyone write to it: the clear is
// refused, says so, and every record stays, on disk and in the open database.
TEST_F(RecordDb, ClearRefusedWhileAnotherProgramHoldsTheFileKeepsTheRecords) {
    ASSERT_TRUE(rt::DbCreate(path, kFields));
    ASSERT_TRUE(rt::DbOpen(path, "memo"));
    ASSERT_TRUE(rt::DbAdd({"一", "周一"}));
    ASSERT_TRUE(rt::DbAdd({"二", "周二"}));
    const std::string before = Bytes(path);
    HANDLE holder =
        CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(holder, INVALID_HANDLE_VALUE);
    EXPECT_FALSE(rt::DbClear());
    CloseHandle(holder);
    EXPECT_EQ(Bytes(path), before);
    EXPECT_FALSE(rt::FileExists(path + ".new"));
    ASSERT_TRUE(rt::DbOpen(path, "memo"));  // the same alias again: what is in the file
    EXPECT_EQ(TitlesFromHere(), (std::vector<std::string>{"一", "二"}));
    ASSERT_TRUE(rt::DbClear()) << "once the file is free the clear goes through";
    EXPECT_EQ(TitlesOnDisk(), std::vector<std::string>{});
}

// An add refused because the file cannot be cut back (another program has it mapped)
// leaves the file as it was: its record must not turn up later, as the next add rereads
// the file and goes after every whole record there.
TEST_F(RecordDb, ARefusedAddLeavesNoRecordAndTheNextAddGoesAfterTheOthers) {
    ASSERT_TRUE(rt::DbCreate(path, kFields));
    ASSERT_TRUE(rt::DbOpen(path, "memo"));
    ASSERT_TRUE(rt::DbAdd({"一", "周一"}));
    rt::DbCloseAll();
    ASSERT_TRUE(rt::WriteFileBytes(path, Bytes(path) + std::string(300, '\x7F')));  // a long torn tail
    ASSERT_TRUE(rt::DbOpen(path, "memo"));
    const std::string before = Bytes(path);

    HANDLE holder = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                                FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(holder, INVALID_HANDLE_VALUE);
    HANDLE mapping = CreateFileMappingA(holder, nullptr, PAGE_READONLY, 0, 0, nullptr);
    const void* view = mapping ? MapViewOfFile(mapping, FILE_MAP_READ, 0, 0, 0) : nullptr;
    const bool added = rt::DbAdd({"二", "周二"});
    if (view) UnmapViewOfFile(view);
    if (mapping) CloseHandle(mapping);
    CloseHandle(holder);
    ASSERT_TRUE(view);
    EXPECT_FALSE(added);
    EXPECT_EQ(Bytes(path), before);
    EXPECT_NE(rt::DbReadField("标题"), "二");

    ASSERT_TRUE(rt::DbAdd({"三", "周三"}));
    EXPECT_EQ(rt::DbReadField("标题"), "三");
    EXPECT_EQ(TitlesOnDisk(), (std::vector<std::string>{"一", "三"}));
}

}  // namespace
