#pragma once
// The bytes of a record database file, apart from any file handling.
//
// A file is a header that holds the schema, followed by records appended one after
// another. Every record is framed with its length and a CRC-32, so a record cut short
// by a crash, or damaged later, is recognised and skipped; the CRC also covers the
// length, so a sound frame after a damaged one is found again by trying each offset.
//
//   header: "LZMEMODB", u16 version, u16 field count,
//           per field: u8 type, u16 maximum length, u16 name length, name bytes,
//           u32 CRC-32 of the header bytes before it
//   record: u32 payload length, u32 CRC-32 of the length bytes and the payload,
//           payload: per field u16 text length, text bytes
// All numbers are little-endian.
#include <cstddef>
#include <string>
#include <vector>

#include "runtime/record_db.h"

namespace rt {

using Record = std::vector<std::string>;

struct RecordFile {
    std::vector<FieldSpec> fields;
    std::vector<Record> records;
    // Offset just past the last sound record: where the next record belongs. Bytes after
    // it (a torn tail) hold no record; damaged frames before it are skipped, and kept.
    size_t goodEnd = 0;
};

constexpr int kMaxFieldLength = 1024;

// Names present and distinct, lengths 1 to kMaxFieldLength, at least one field.
bool IsValidSchema(const std::vector<FieldSpec>& fields);
std::string EncodeHeader(const std::vector<FieldSpec>& fields);
// One text per field and none longer than its field's maximum.
bool FitsSchema(const std::vector<FieldSpec>& fields, const Record& values);
std::string EncodeRecord(const Record& values);
// False when the bytes do not begin with a valid header. Every sound frame is a record;
// frames that are incomplete or fail their check are skipped.
bool ParseRecordFile(const std::string& bytes, RecordFile& file);

}  // namespace rt
