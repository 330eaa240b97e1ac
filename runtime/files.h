#pragma once
// Files and folders; every path is GBK text.
#include <string>

namespace rt {

// Where the last backslash or slash of a path stands; std::string::npos when there is none.
size_t LastPathSeparator(const std::string& path);
// The folder part of a path, without the trailing backslash; empty when there is none.
std::string FolderOfPath(const std::string& path);
// The folder that holds the program file, without a trailing backslash.
std::string RunDirectory();
bool FileExists(const std::string& path);
bool FolderExists(const std::string& path);
bool CreateFolder(const std::string& path);
// Deletes the folder with everything in it; true when it no longer exists.
bool DeleteFolder(const std::string& path);
// Writes the bytes, replacing any file of that name; true only when all were written.
bool WriteFileBytes(const std::string& path, const std::string& bytes);
// Writes the bytes to a new file crash-safely: through a temporary file beside it that is
// flushed, then moved into place unless a file of that name exists, and removed on any
// failure. The path then holds nothing or every byte, never a part.
bool CreateFileWithBytes(const std::string& path, const std::string& bytes);
bool ReadFileBytes(const std::string& path, std::string& bytes);
bool DeleteFileAt(const std::string& path);

}  // namespace rt
