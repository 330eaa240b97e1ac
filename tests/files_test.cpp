#include "runtime/files.h"

#include <gtest/gtest.h>
#include <windows.h>

#include "support/temp_folder.h"

namespace {

// "乗" is 0x81 0x5C in GBK: its second byte is a backslash and must not split the path.
TEST(Files, FolderOfPath) {
    const struct {
        const char* path;
        const char* folder;
    } cases[] = {
        {"C:\\程序\\qzbwl.exe", "C:\\程序"},
        {"C:\\目录\\乗", "C:\\目录"},
        {"C:\\乗\\a.exe", "C:\\乗"},
        {"C:\\a\\", "C:\\a"},
        {"qzbwl.exe", ""},
    };
    for (const auto& c : cases) EXPECT_EQ(rt::FolderOfPath(c.path), c.folder) << c.path;
}

TEST(Files, RunDirectoryHoldsTheProgramFile) {
    char program[MAX_PATH];
    ASSERT_GT(GetModuleFileNameA(nullptr, program, MAX_PATH), 0u);
    const std::string folder = rt::RunDirectory();
    ASSERT_FALSE(folder.empty());
    EXPECT_NE(folder.back(), '\\');
    EXPECT_TRUE(rt::FolderExists(folder));
    EXPECT_EQ(std::string(program).rfind(folder + "\\", 0), 0u);
}

TEST(Files, WriteReplacesAndReadReturnsTheBytes) {
    TempFolder folder("lz_files_test");
    const std::string path = folder.file("页面.htm");
    const std::string binary("a\0b\r\n\xFF", 6);
    EXPECT_FALSE(rt::FileExists(path));
    ASSERT_TRUE(rt::WriteFileBytes(path, "a much longer first content"));
    ASSERT_TRUE(rt::WriteFileBytes(path, binary));
    std::string read;
    ASSERT_TRUE(rt::ReadFileBytes(path, read));
    EXPECT_EQ(read, binary);
    EXPECT_TRUE(rt::FileExists(path));
    EXPECT_FALSE(rt::FolderExists(path));

    ASSERT_TRUE(rt::DeleteFileAt(path));
    EXPECT_FALSE(rt::FileExists(path));
    EXPECT_FALSE(rt::ReadFileBytes(path, read));
    EXPECT_FALSE(rt::DeleteFileAt(path));
}

// A new file appears whole or not at all, never replaces one that exists, and leaves no
// temporary file behind on failure.
TEST(Files, CreateWithBytesNeverReplacesAndLeavesNothingOnFailure) {
    TempFolder folder("lz_files_create_test");
    const std::string path = folder.file("页面.htm");
    const std::string bytes(100000, 'x');
    ASSERT_TRUE(rt::CreateFileWithBytes(path, bytes));
    std::string read;
    ASSERT_TRUE(rt::ReadFileBytes(path, read));
    EXPECT_EQ(read, bytes);
    EXPECT_FALSE(rt::FileExists(path + ".new"));

    EXPECT_FALSE(rt::CreateFileWithBytes(path, "其他"));
    ASSERT_TRUE(rt::ReadFileBytes(path, read));
    EXPECT_EQ(read, bytes);
    EXPECT_FALSE(rt::FileExists(path + ".new"));

    ASSERT_TRUE(rt::CreateFolder(folder.file("目录.htm")));
    EXPECT_FALSE(rt::CreateFileWithBytes(folder.file("目录.htm"), "x"));
    EXPECT_FALSE(rt::FileExists(folder.file("目录.htm.new")));
    EXPECT_FALSE(rt::CreateFileWithBytes(folder.file("无此目录\\a.htm"), "x"));
}

TEST(Files, WriteIntoAMissingFolderFails) {
    TempFolder folder("lz_files_test");
    EXPECT_FALSE(rt::WriteFileBytes(folder.file("没有\\a.htm"), "x"));
}

TEST(Files, CreateAndDeleteFolderWithEverythingInIt) {
    TempFolder folder("lz_files_test");
    const std::string pages = folder.file("乗qztext");
    ASSERT_TRUE(rt::CreateFolder(pages + "\\"));
    EXPECT_TRUE(rt::FolderExists(pages));
    EXPECT_FALSE(rt::FileExists(pages));
    EXPECT_TRUE(rt::CreateFolder(pages)) << "an existing folder is fine";
    ASSERT_TRUE(rt::CreateFolder(pages + "\\子目录"));
    ASSERT_TRUE(rt::WriteFileBytes(pages + "\\一.htm", "1"));
    ASSERT_TRUE(rt::WriteFileBytes(pages + "\\子目录\\二.htm", "2"));
    const std::string readOnly = pages + "\\只读.htm";
    ASSERT_TRUE(rt::WriteFileBytes(readOnly, "3"));
    ASSERT_TRUE(SetFileAttributesA(readOnly.c_str(), FILE_ATTRIBUTE_READONLY));

    EXPECT_TRUE(rt::DeleteFolder(pages + "\\"));
    EXPECT_FALSE(rt::FolderExists(pages));
    EXPECT_TRUE(rt::DeleteFolder(pages)) << "a folder that is gone counts as deleted";
}

TEST(Files, CreateFolderFailsWhereAFileIs) {
    TempFolder folder("lz_files_test");
    ASSERT_TRUE(rt::WriteFileBytes(folder.file("占用"), "x"));
    EXPECT_FALSE(rt::CreateFolder(folder.file("占用")));
    EXPECT_FALSE(rt::CreateFolder(folder.file("没有\\下层")));
}

}  // namespace
