#include "runtime/record_file.h"

#include <gtest/gtest.h>

namespace {

const std::vector<rt::FieldSpec> kFields = {{"标题", rt::FieldType::Text, 50}, {"内容", rt::FieldType::Text, 512}};

std::string Repeat(const std::string& text, int times) {
    std::string out;
    for (int i = 0; i < times; ++i) out += text;
    return out;
}

std::string FileOf(const std::vector<rt::Record>& records) {
    std::string bytes = rt::EncodeHeader(kFields);
    for (const rt::Record& record : records) bytes += rt::EncodeRecord(record);
    return bytes;
}

TEST(RecordFile, RoundTripsSchemaAndRecords) {
    const std::vector<rt::Record> records = {{"第一条", "a.htm"}, {"", ""}, {std::string(50, 'x'), std::string(512, 'y')}};
    rt::RecordFile file;
    ASSERT_TRUE(rt::ParseRecordFile(FileOf(records), file));
    ASSERT_EQ(file.fields.size(), kFields.size());
    for (size_t i = 0; i < kFields.size(); ++i) {
        EXPECT_EQ(file.fields[i].name, kFields[i].name);
        EXPECT_EQ(file.fields[i].maxLength, kFields[i].maxLength);
    }
    EXPECT_EQ(file.records, records);
    EXPECT_EQ(file.goodEnd, FileOf(records).size());
}

// A file cut at any byte keeps exactly the records that lie wholly before the cut.
TEST(RecordFile, CutAnywhereKeepsEveryWholeRecordBeforeTheCut) {
    const std::vector<rt::Record> records = {{"一", "1.htm"}, {"二二", "22.htm"}, {"三三三", "333.htm"}};
    const std::string whole = FileOf(records);
    std::vector<size_t> ends = {rt::EncodeHeader(kFields).size()};
    for (const rt::Record& record : records) ends.push_back(ends.back() + rt::EncodeRecord(record).size());

    for (size_t cut = ends.front(); cut <= whole.size(); ++cut) {
        SCOPED_TRACE("cut at " + std::to_string(cut));
        size_t whole_records = 0;
        while (whole_records < records.size() && ends[whole_records + 1] <= cut) ++whole_records;
        rt::RecordFile file;
        ASSERT_TRUE(rt::ParseRecordFile(whole.substr(0, cut), file));
        EXPECT_EQ(file.records, std::vector<rt::Record>(records.begin(), records.begin() + whole_records));
        EXPECT_EQ(file.goodEnd, ends[whole_records]);
    }
}

// Any single flipped bit in the last record drops that record and keeps the others.
TEST(RecordFile, FlippedBitInLastRecordDropsOnlyThatRecord) {
    const std::vector<rt::Record> records = {{"一", "1.htm"}, {"二", "2.htm"}};
    const std::string whole = FileOf(records);
    const size_t lastStart = whole.size() - rt::EncodeRecord(records[1]).size();
    for (size_t at = lastStart; at < whole.size(); ++at) {
        for (int bit = 0; bit < 8; ++bit) {
            std::string damaged = whole;
            damaged[at] = static_cast<char>(damaged[at] ^ (1 << bit));
            rt::RecordFile file;
            ASSERT_TRUE(rt::ParseRecordFile(damaged, file));
            EXPECT_EQ(file.records, std::vector<rt::Record>(records.begin(), records.begin() + 1))
                << "byte " << at << " bit " << bit;
            EXPECT_EQ(file.goodEnd, lastStart);
        }
    }
}

// Damage inside one frame in the middle, in its length, its CRC or its payload, loses
// that record only: the frames after it are found again and the end stays at the end.
TEST(RecordFile, DamagedFrameInTheMiddleLosesOnlyItsOwnRecord) {
    std::vector<rt::Record> records;
    for (int i = 1; i <= 10; ++i) records.push_back({"第" + std::to_string(i) + "条", std::to_string(i) + ".htm"});
    const std::string whole = FileOf(records);
    const size_t third = FileOf({records[0], records[1]}).size();
    const size_t thirdSize = rt::EncodeRecord(records[2]).size();
    std::vector<rt::Record> others = records;
    others.erase(others.begin() + 2);
    const struct {
        const char* what;
        size_t at;
        unsigned char mask;
    } cases[] = {
        {"low length byte", 0, 0x01},   {"length grown past the file", 3, 0x40}, {"length shrunk", 0, 0x10},
        {"CRC", 5, 0x80},               {"first payload byte", 8, 0x01},         {"last payload byte", thirdSize - 1, 0x20},
    };
    for (const auto& c : cases) {
        std::string damaged = whole;
        damaged[third + c.at] = static_cast<char>(damaged[third + c.at] ^ c.mask);
        rt::RecordFile file;
        ASSERT_TRUE(rt::ParseRecordFile(damaged, file)) << c.what;
        EXPECT_EQ(file.records, others) << c.what;
        EXPECT_EQ(file.goodEnd, whole.size()) << c.what;
    }
}

TEST(RecordFile, ZeroFilledTailIsNotARecord) {
    rt::RecordFile file;
    ASSERT_TRUE(rt::ParseRecordFile(FileOf({{"一", "1.htm"}}) + std::string(64, '\0'), file));
    EXPECT_EQ(file.records.size(), 1u);
}

TEST(RecordFile, RefusesBytesWithoutAValidHeader) {
    const std::string header = rt::EncodeHeader(kFields);
    std::string flipped = header;
    flipped[12] = static_cast<char>(flipped[12] ^ 1);
    const struct {
        const char* what;
        std::string bytes;
    } cases[] = {
        {"empty", ""},
        {"text file", "标题,内容\r\n第一条,a.htm\r\n"},
        {"header cut short", header.substr(0, header.size() - 1)},
        {"header with a flipped bit", flipped},
        {"other magic", "LZMEMODX" + header.substr(8)},
    };
    for (const auto& c : cases) {
        rt::RecordFile file;
        EXPECT_FALSE(rt::ParseRecordFile(c.bytes, file)) << c.what;
    }
}

// Damage that every other check lets through: only the header's CRC can tell. The first
// field starts at byte 12 with its type, then its maximum length (13), its name's length
// (15) and its name (17).
TEST(RecordFile, RefusesAHeaderWhoseCrcDoesNotMatch) {
    const std::string header = rt::EncodeHeader(kFields);
    auto flipped = [&](size_t at) {
        std::string bytes = header + rt::EncodeRecord({"一", "1.htm"});
        bytes[at] = static_cast<char>(bytes[at] ^ 1);
        return bytes;
    };
    const struct {
        const char* what;
        std::string bytes;
    } cases[] = {
        {"a field's maximum length 50 read as 51", flipped(13)},
        {"a byte of a field's name", flipped(17)},
        {"the CRC itself", flipped(header.size() - 1)},
    };
    for (const auto& c : cases) {
        rt::RecordFile file;
        EXPECT_FALSE(rt::ParseRecordFile(c.bytes, file)) << c.what;
    }
    rt::RecordFile file;
    EXPECT_TRUE(rt::ParseRecordFile(header, file)) << "the undamaged header";
}

TEST(RecordFile, SchemaRules) {
    using F = std::vector<rt::FieldSpec>;
    const struct {
        const char* what;
        F fields;
        bool valid;
    } cases[] = {
        {"one field", {{"a", rt::FieldType::Text, 1}}, true},
        {"largest length", {{"a", rt::FieldType::Text, 1024}}, true},
        {"no fields", {}, false},
        {"length 0", {{"a", rt::FieldType::Text, 0}}, false},
        {"length 1025", {{"a", rt::FieldType::Text, 1025}}, false},
        {"empty name", {{"", rt::FieldType::Text, 10}}, false},
        {"same name twice", {{"a", rt::FieldType::Text, 10}, {"a", rt::FieldType::Text, 10}}, false},
    };
    for (const auto& c : cases) EXPECT_EQ(rt::IsValidSchema(c.fields), c.valid) << c.what;
}

TEST(RecordFile, FitsSchemaCountsBytesAndValues) {
    const struct {
        const char* what;
        rt::Record values;
        bool fits;
    } cases[] = {
        {"both at their maximum", {std::string(50, 'a'), std::string(512, 'b')}, true},
        {"25 two-byte characters are 50 bytes", {Repeat("备", 25), ""}, true},
        {"26 two-byte characters are 52 bytes", {Repeat("备", 26), ""}, false},
        {"one byte too many", {std::string(51, 'a'), ""}, false},
        {"too few values", {"a"}, false},
        {"too many values", {"a", "b", "c"}, false},
    };
    for (const auto& c : cases) EXPECT_EQ(rt::FitsSchema(kFields, c.values), c.fits) << c.what;
}

}  // namespace
