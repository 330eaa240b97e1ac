#include "app/memo_page.h"

#include <cstring>

#include "runtime/files.h"

const char MemoPageTemplate[] =
    "<style type=\"text/css\">\r\n"
    "body {font-size: 12pt; color:black; font-family:\"微软雅黑\"}\r\n"
    "p  {font-size: 13pt; color:black;}\r\n"
    "h1 {font-size: 16pt; color:black; font-weight:bold}\r\n"
    "h2 {font-size: 15pt; color:#ff9900; font-weight:bold}\r\n"
    "h3 {font-size: 14pt; color:#ff9900; font-weight:bold}\r\n"
    "h4 {font-size: 13pt; color:black; font-weight:bold}\r\n"
    "h5 {font-size: 12pt; color:#ff9900; font-weight:bold}\r\n"
    "h6 {font-size: 65%; color:#626262; font-weight:normal}\r\n"
    "a:link {text-decoration:none; color:green;}\r\n"
    "a:hover {text-decoration:underline; color:green;}\r\n"
    "sub {font-size:65%; vertical-align:bottom}\r\n"
    "sup {font-size:65%; vertical-align:top}\r\n"
    "big {font-size:125%}\r\n"
    "small {font-size:75%}\r\n"
    ".comment {color:green}\r\n"
    "</style>\r\n"
    "<body>";

std::string ComposeMemoPage(const std::string& body) { return MemoPageTemplate + body + "</body>"; }

namespace {

bool IsGbkPair(unsigned char lead, unsigned char trail) {
    return lead >= 0x81 && lead <= 0xFE && trail >= 0x40 && trail <= 0xFE && trail != 0x7F;
}

bool IsForbiddenInFileName(unsigned char c) { return c < 0x20 || std::strchr("\\/:*?\"<>|", c) != nullptr; }

char Upper(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; }

}  // namespace

std::string FileSafeTitle(const std::string& title) {
    std::string safe;
    for (size_t i = 0; i < title.size(); ++i) {
        auto c = static_cast<unsigned char>(title[i]);
        if (i + 1 < title.size() && IsGbkPair(c, static_cast<unsigned char>(title[i + 1]))) {
            safe += title.substr(i++, 2);
            continue;
        }
        // A byte that starts no valid pair could pair with what follows once the name
        // is converted, so it is replaced too.
        safe += IsForbiddenInFileName(c) || c >= 0x80 ? '_' : title[i];
    }
    return safe;
}

bool IsReservedDeviceName(const std::string& name) {
    std::string stem = name.substr(0, name.find('.'));
    stem.erase(stem.find_last_not_of(". ") + 1);
    for (char& c : stem) c = Upper(c);
    if (stem == "CON" || stem == "PRN" || stem == "AUX" || stem == "NUL") return true;
    bool numbered = stem.size() == 4 && (stem.compare(0, 3, "COM") == 0 || stem.compare(0, 3, "LPT") == 0);
    return numbered && stem[3] >= '1' && stem[3] <= '9';
}

std::string PageFileName(const std::string& title, const std::string& dateText) {
    std::string name = FileSafeTitle(title) + dateText + ".htm";
    return IsReservedDeviceName(name) ? "_" + name : name;
}

std::string FreePageFileName(const std::string& name, const std::function<bool(const std::string&)>& taken) {
    if (!taken(name)) return name;
    std::string stem = name.substr(0, name.size() - 4);  // without ".htm"
    for (int n = 2; n <= kMostPageNumbers; ++n) {
        std::string candidate = stem + " (" + std::to_string(n) + ").htm";
        if (!taken(candidate)) return candidate;
    }
    return std::string();
}

std::string WriteMemoPage(const std::string& folder, const std::string& title, const std::string& dateText,
                          const std::string& body) {
    std::string name = FreePageFileName(PageFileName(title, dateText),
                                        [&](const std::string& n) {
                                            return rt::FileExists(folder + n) || rt::FolderExists(folder + n);
                                        });
    if (name.empty() || !rt::CreateFileWithBytes(folder + name, ComposeMemoPage(body))) return std::string();
    return name;
}
