#pragma once
// A fresh folder under the system's temporary folder, deleted with its contents when the
// test is done.
#include <windows.h>

#include <string>

#include "runtime/files.h"

struct TempFolder {
    std::string path;

    explicit TempFolder(const std::string& name) {
        char temp[MAX_PATH];
        GetTempPathA(MAX_PATH, temp);
        path = std::string(temp) + name + "_" + std::to_string(GetCurrentProcessId());
        rt::DeleteFolder(path);
        rt::CreateFolder(path);
    }
    ~TempFolder() { rt::DeleteFolder(path); }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    std::string file(const std::string& name) const { return path + "\\" + name; }
};
