#include "runtime/file_handle.h"

namespace rt {

bool ReadAll(HANDLE file, std::string& bytes) {
    LARGE_INTEGER size;
    if (!GetFileSizeEx(file, &size) || size.QuadPart > 0x7FFFFFFF) return false;
    if (SetFilePointer(file, 0, nullptr, FILE_BEGIN) == INVALID_SET_FILE_POINTER) return false;
    bytes.resize(static_cast<size_t>(size.QuadPart));
    size_t done = 0;
    while (done < bytes.size()) {
        DWORD got = 0;
        if (!ReadFile(file, &bytes[done], static_cast<DWORD>(bytes.size() - done), &got, nullptr)) return false;
        if (got == 0) break;
        done += got;
    }
    bytes.resize(done);
    return true;
}

bool WriteAll(HANDLE file, const std::string& bytes) {
    size_t done = 0;
    while (done < bytes.size()) {
        DWORD wrote = 0;
        if (!WriteFile(file, bytes.data() + done, static_cast<DWORD>(bytes.size() - done), &wrote, nullptr)) return false;
        if (wrote == 0) return false;
        done += wrote;
    }
    return true;
}

bool WriteWholeFile(const std::string& path, const std::string& bytes) {
    FileHandle file(CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    return file.valid() && WriteAll(file.get(), bytes) && FlushFileBuffers(file.get());
}

bool CreateFileAtomically(const std::string& path, const std::string& bytes) {
    const std::string fresh = path + ".new";
    if (WriteWholeFile(fresh, bytes) && MoveFileExA(fresh.c_str(), path.c_str(), MOVEFILE_WRITE_THROUGH)) return true;
    DeleteFileA(fresh.c_str());
    return false;
}

}  // namespace rt
