#pragma once
// One owner for a Win32 file handle, and whole-content reads and writes through it.
#include <windows.h>

#include <string>

namespace rt {

class FileHandle {
public:
    explicit FileHandle(HANDLE handle) : handle_(handle) {}
    FileHandle(const FileHandle&) = delete;
    FileHandle& operator=(const FileHandle&) = delete;
    ~FileHandle() {
        if (valid()) CloseHandle(handle_);
    }
    bool valid() const { return handle_ != INVALID_HANDLE_VALUE; }
    HANDLE get() const { return handle_; }

private:
    HANDLE handle_;
};

// Reads from the start to the end of the file.
bool ReadAll(HANDLE file, std::string& bytes);
// Writes every byte at the file's current position; false if any is not written.
bool WriteAll(HANDLE file, const std::string& bytes);
// Creates or truncates the file, writes every byte and flushes it to disk.
bool WriteWholeFile(const std::string& path, const std::string& bytes);
// Writes the bytes to a fresh file beside the path, flushes it and moves it into place
// unless a file of that name exists; the fresh file is removed on any failure. A crash
// at any moment so leaves either no file at the path or one with every byte.
bool CreateFileAtomically(const std::string& path, const std::string& bytes);

}  // namespace rt
