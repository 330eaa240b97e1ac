#include "runtime/files.h"

#include <windows.h>

#include "runtime/file_handle.h"

namespace rt {

// GBK trail bytes can be 0x5C, the backslash, so the text is walked a character at a time.
size_t LastPathSeparator(const std::string& path) {
    size_t last = std::string::npos;
    for (size_t i = 0; i < path.size(); ++i) {
        if (IsDBCSLeadByte(static_cast<BYTE>(path[i])) && i + 1 < path.size()) {
            ++i;
        } else if (path[i] == '\\' || path[i] == '/') {
            last = i;
        }
    }
    return last;
}

namespace {

std::string WithoutTrailingSeparator(const std::string& path) {
    size_t last = LastPathSeparator(path);
    if (path.size() > 1 && last == path.size() - 1) return path.substr(0, last);
    return path;
}

bool IsFolderAttribute(DWORD attributes) {
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

void DeleteFolderContents(const std::string& folder) {
    WIN32_FIND_DATAA entry;
    HANDLE search = FindFirstFileA((folder + "\\*").c_str(), &entry);
    if (search == INVALID_HANDLE_VALUE) return;
    do {
        const std::string name = entry.cFileName;
        if (name == "." || name == "..") continue;
        const std::string path = folder + "\\" + name;
        // A read-only file cannot be deleted until the attribute is gone.
        SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
        // A linked folder goes as a link: what it points to lies outside and stays.
        bool linked = (entry.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0;
        if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
            if (!linked) DeleteFolderContents(path);
            RemoveDirectoryA(path.c_str());
        } else {
            DeleteFileA(path.c_str());
        }
    } while (FindNextFileA(search, &entry));
    FindClose(search);
}

}  // namespace

std::string FolderOfPath(const std::string& path) {
    size_t last = LastPathSeparator(path);
    return last == std::string::npos ? std::string() : path.substr(0, last);
}

std::string RunDirectory() {
    std::string name(MAX_PATH, '\0');
    for (;;) {
        DWORD length = GetModuleFileNameA(nullptr, &name[0], static_cast<DWORD>(name.size()));
        if (length == 0) return std::string();
        if (length < name.size()) {
            name.resize(length);
            return FolderOfPath(name);
        }
        name.resize(name.size() * 2);
    }
}

bool FileExists(const std::string& path) {
    DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool FolderExists(const std::string& path) { return IsFolderAttribute(GetFileAttributesA(path.c_str())); }

bool CreateFolder(const std::string& path) {
    return CreateDirectoryA(path.c_str(), nullptr) || FolderExists(path);
}

bool DeleteFolder(const std::string& path) {
    const std::string folder = WithoutTrailingSeparator(path);
    if (!FolderExists(folder)) return true;
    DeleteFolderContents(folder);
    RemoveDirectoryA(folder.c_str());
    return !FolderExists(folder);
}

bool WriteFileBytes(const std::string& path, const std::string& bytes) { return WriteWholeFile(path, bytes); }

bool CreateFileWithBytes(const std::string& path, const std::string& bytes) {
    return CreateFileAtomically(path, bytes);
}

bool ReadFileBytes(const std::string& path, std::string& bytes) {
    FileHandle file(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                                FILE_ATTRIBUTE_NORMAL, nullptr));
    return file.valid() && ReadAll(file.get(), bytes);
}

bool DeleteFileAt(const std::string& path) { return DeleteFileA(path.c_str()) != 0; }

}  // namespace rt
