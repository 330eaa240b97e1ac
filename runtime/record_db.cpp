#include "runtime/record_db.h"

#include <windows.h>

#include <algorithm>

#include "runtime/file_handle.h"
#include "runtime/files.h"
#include "runtime/record_file.h"

namespace rt {
namespace {

struct OpenDatabase {
    std::string alias;
    std::string path;
    RecordFile file;
    // The file's size when we last read or wrote it, torn tail included. A different
    // size at the next add means someone else changed the file since.
    uint64_t sizeSeen = 0;
    // Index of the current record; records.size() means past the last one.
    size_t position = 0;
};

// The open databases in opening order; the last one is current.
std::vector<OpenDatabase>& OpenDatabases() {
    static std::vector<OpenDatabase> open;
    return open;
}

OpenDatabase* Current() {
    std::vector<OpenDatabase>& open = OpenDatabases();
    return open.empty() ? nullptr : &open.back();
}

bool FileSize(HANDLE file, uint64_t& size) {
    LARGE_INTEGER value;
    if (!GetFileSizeEx(file, &value)) return false;
    size = static_cast<uint64_t>(value.QuadPart);
    return true;
}

bool SameSchema(const std::vector<FieldSpec>& a, const std::vector<FieldSpec>& b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i) {
        if (a[i].name != b[i].name || a[i].type != b[i].type || a[i].maxLength != b[i].maxLength) return false;
    }
    return true;
}

// The database's file opened for writing; no one else may write while it is open.
HANDLE OpenForWriting(const OpenDatabase& db) {
    return CreateFileA(db.path.c_str(), GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                       FILE_ATTRIBUTE_NORMAL, nullptr);
}

bool MoveTo(HANDLE file, uint64_t offset) {
    LARGE_INTEGER at;
    at.QuadPart = static_cast<LONGLONG>(offset);
    return SetFilePointerEx(file, at, nullptr, FILE_BEGIN) != 0;
}

// Whether the file begins with these header bytes: a cheap sign, before each add and a
// clear, that no other file took the database's place.
bool StartsWithHeader(HANDLE file, const std::string& header) {
    std::string bytes(header.size(), '\0');
    DWORD got = 0;
    if (!MoveTo(file, 0)) return false;
    return ReadFile(file, &bytes[0], static_cast<DWORD>(bytes.size()), &got, nullptr) && got == bytes.size() &&
           bytes == header;
}

// Makes sure the open file is still the database we opened, a record database of the
// same schema, so nothing is ever written into a file another program put there. It is
// reread when its size changed, so an add never lands in the middle of records written
// through another handle or by another process.
bool CatchUp(HANDLE file, OpenDatabase& db) {
    uint64_t size = 0;
    if (!FileSize(file, size)) return false;
    if (size == db.sizeSeen && StartsWithHeader(file, EncodeHeader(db.file.fields))) return true;
    std::string bytes;
    RecordFile fresh;
    if (!ReadAll(file, bytes) || !ParseRecordFile(bytes, fresh)) return false;
    if (!SameSchema(fresh.fields, db.file.fields)) return false;
    db.file = std::move(fresh);
    db.sizeSeen = size;
    db.position = std::min(db.position, db.file.records.size());
    return true;
}

// Writes the frame at the end of the last whole record, which also drops a torn tail
// so it can never hide the new record, and flushes before reporting success. The
// length is set first: a file that cannot be cut (another program has it mapped) is
// refused before the frame is written, so a refused record is not in the file either.
bool AppendFrame(OpenDatabase& db, const std::string& frame) {
    FileHandle file(OpenForWriting(db));
    if (!file.valid() || !CatchUp(file.get(), db)) return false;
    bool written = MoveTo(file.get(), db.file.goodEnd + frame.size()) && SetEndOfFile(file.get()) &&
                   MoveTo(file.get(), db.file.goodEnd) && WriteAll(file.get(), frame) && FlushFileBuffers(file.get());
    // After a failed write the file's length is unknown: reread it before the next add.
    db.sizeSeen = written ? db.file.goodEnd + frame.size() : UINT64_MAX;
    return written;
}

// Cuts the file back to its header, under the same handle that checked it is ours: the
// records after the header are not read, as they are about to go.
bool TruncateToHeader(OpenDatabase& db, const std::string& header) {
    FileHandle file(OpenForWriting(db));
    if (!file.valid() || !StartsWithHeader(file.get(), header)) return false;
    bool cut = MoveTo(file.get(), header.size()) && SetEndOfFile(file.get()) && FlushFileBuffers(file.get());
    if (!cut) db.sizeSeen = UINT64_MAX;
    return cut;
}

}  // namespace

bool DbCreate(const std::string& path, const std::vector<FieldSpec>& fields) {
    if (!IsValidSchema(fields) || FileExists(path) || FolderExists(path)) return false;
    return CreateFileAtomically(path, EncodeHeader(fields));
}

bool DbOpen(const std::string& path, const std::string& alias) {
    OpenDatabase db;
    std::string bytes;
    if (!ReadFileBytes(path, bytes) || !ParseRecordFile(bytes, db.file)) return false;
    db.alias = alias;
    db.path = path;
    db.sizeSeen = bytes.size();
    std::vector<OpenDatabase>& open = OpenDatabases();
    open.erase(std::remove_if(open.begin(), open.end(), [&](const OpenDatabase& o) { return o.alias == alias; }),
               open.end());
    open.push_back(std::move(db));
    return true;
}

void DbClose() {
    std::vector<OpenDatabase>& open = OpenDatabases();
    if (!open.empty()) open.pop_back();
}

void DbCloseAll() { OpenDatabases().clear(); }

bool DbFind(const std::function<bool()>& condition) {
    for (;;) {
        OpenDatabase* db = Current();
        if (!db || db->position >= db->file.records.size()) return false;
        if (condition()) return true;
        // The condition may have opened or closed databases: look the current one up again.
        db = Current();
        if (!db) return false;
        ++db->position;
    }
}

std::string DbReadField(const std::string& fieldName) {
    const OpenDatabase* db = Current();
    if (!db || db->position >= db->file.records.size()) return std::string();
    const std::vector<FieldSpec>& fields = db->file.fields;
    for (size_t i = 0; i < fields.size(); ++i) {
        if (fields[i].name == fieldName) return db->file.records[db->position][i];
    }
    return std::string();
}

bool DbSkip() {
    OpenDatabase* db = Current();
    if (!db || db->position >= db->file.records.size()) return false;
    ++db->position;
    return true;
}

bool DbAdd(const std::vector<std::string>& values) {
    OpenDatabase* db = Current();
    if (!db || !FitsSchema(db->file.fields, values)) return false;
    if (!AppendFrame(*db, EncodeRecord(values))) return false;
    db->file.records.push_back(values);
    db->file.goodEnd = db->sizeSeen;
    db->position = db->file.records.size() - 1;
    return true;
}

bool DbClear() {
    OpenDatabase* db = Current();
    if (!db) return false;
    const std::string header = EncodeHeader(db->file.fields);
    if (!TruncateToHeader(*db, header)) return false;
    db->file.records.clear();
    db->file.goodEnd = header.size();
    db->sizeSeen = header.size();
    db->position = 0;
    return true;
}

}  // namespace rt
