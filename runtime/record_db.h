#pragma once
// The record database: files of text records under a fixed schema. Several files may
// be open at once, each under an alias; the last one opened is the current database
// that find, read, skip, add and clear work on.
#include <functional>
#include <string>
#include <vector>

namespace rt {

enum class FieldType { Text };

struct FieldSpec {
    std::string name;
    FieldType type = FieldType::Text;
    int maxLength = 50;  // bytes, 1 to 1024
};

// Creates an empty database file with the schema; the folder must exist. Fails when a
// file of that name exists already.
bool DbCreate(const std::string& path, const std::vector<FieldSpec>& fields);
// Opens an existing file under the alias, makes it current and positions it at its first
// record. Fails for a missing file and for a file that is not a record database.
bool DbOpen(const std::string& path, const std::string& alias);
// Closes the current database; nothing happens when none is open.
void DbClose();
void DbCloseAll();
// From the current record forward, evaluates the condition with each record current;
// leaves the first match current and returns true, or returns false at the end.
bool DbFind(const std::function<bool()>& condition);
// The current record's value of the field; empty when there is none.
std::string DbReadField(const std::string& fieldName);
// Moves one record forward; false at the end.
bool DbSkip();
// Appends a record, one text per field in field order. True only when the record is on
// disk; a text longer than its field's maximum is refused, not cut. The added record
// becomes current.
bool DbAdd(const std::vector<std::string>& values);
// Deletes every record of the current database. Refused, and nothing written, when the
// file on disk is no longer a record database of the schema it was opened with.
bool DbClear();

}  // namespace rt
