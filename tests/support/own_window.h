#pragma once
// Finds a top-level window of this thread by class and caption. FindWindow looks through
// the whole desktop, which the test programs running beside this one share: a window of
// the same name there may be theirs.
#include <windows.h>

#include <string>

struct OwnWindowSearch {
    const char* className;
    const std::string& caption;
    HWND found;
};

inline BOOL CALLBACK MatchOwnWindow(HWND window, LPARAM param) {
    auto* search = reinterpret_cast<OwnWindowSearch*>(param);
    char name[64] = "", text[256] = "";
    GetClassNameA(window, name, sizeof name);
    GetWindowTextA(window, text, sizeof text);
    if (std::string(name) != search->className || text != search->caption) return TRUE;
    search->found = window;
    return FALSE;
}

inline HWND FindOwnWindow(const char* className, const std::string& caption) {
    OwnWindowSearch search{className, caption, nullptr};
    EnumThreadWindows(GetCurrentThreadId(), MatchOwnWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
}
