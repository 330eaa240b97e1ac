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
// title + date text + ".htm", with the title made file-safe.
std::string PageFileName(const std::string& title, const std::string& dateText);
// The name itself when it is free, else the first free one of "name (2).htm",
// "name (3).htm", ... so that no memo's page replaces another's.
std::string FreePageFileName(const std::string& name, const std::function<bool(const std::string&)>& taken);
