#pragma once
// Finds a top-level window of one thread by class and caption. FindWindow looks through
// the whole desktop, which the test programs running beside this one share: a window of
// the same name there may be theirs.
#include <windows.h>

#include <string>

struct ThreadWindowSearch {
    const char* className;
    const char* caption;  // null: any
    HWND found;
};

inline BOOL CALLBACK MatchThreadWindow(HWND window, LPARAM param) {
    auto* search = reinterpret_cast<ThreadWindowSearch*>(param);
    char name[64] = "", text[256] = "";
    GetClassNameA(window, name, sizeof name);
    GetWindowTextA(window, text, sizeof text);
    if (std::string(name) != search->className || (search->caption && search->caption != std::string(text))) return TRUE;
    search->found = window;
    return FALSE;
}

inline HWND FindThreadWindow(DWORD thread, const char* className, const char* caption) {
    ThreadWindowSearch search{className, caption, nullptr};
    EnumThreadWindows(thread, MatchThreadWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

inline HWND FindOwnWindow(const char* className, const std::string& caption) {
    return FindThreadWindow(GetCurrentThreadId(), className, caption.c_str());
}
