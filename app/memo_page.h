#pragma once
// A memo's page file: its name and its exact content.
#include <functional>
#include <string>

// The style block every memo page starts with.
extern const char MemoPageTemplate[];

// Template + the body as typed + "</body>".
std::string ComposeMemoPage(const std::string& body);
// The title as it may stand in a file name: every character that a file name cannot
// hold (\ / : * ? " < > | and control characters) becomes "_". GBK double-byte
// characters are kept whole, even when their second byte looks like one of those.
std::string FileSafeTitle(const std::string& title);
// Whether Windows takes the name for a device (CON, PRN, AUX, NUL, COM1-COM9, LPT1-LPT9):
// its part before the first dot, without trailing dots and spaces, in any letter case.
bool IsReservedDeviceName(const std::string& name);
// title + date text + ".htm", with the title made file-safe; a name that would open a
// device gets a leading "_".
std::string PageFileName(const std::string& title, const std::string& dateText);
// The most numbered names FreePageFileName tries.
constexpr int kMostPageNumbers = 1000;
// The name itself when it is free, else the first free one of "name (2).htm",
// "name (3).htm", ... up to kMostPageNumbers, so that no memo's page replaces another's.
// Empty when all of them are taken.
std::string FreePageFileName(const std::string& name, const std::function<bool(const std::string&)>& taken);
// Writes the memo's page into the folder (with its trailing backslash) under a free name
// and returns that name; empty when it could not be written. A crash at any moment
// leaves either no page or the whole page, and no page is ever replaced.
std::string WriteMemoPage(const std::string& folder, const std::string& title, const std::string& dateText,
                          const std::string& body);
