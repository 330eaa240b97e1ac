#include "runtime/html/address.h"

#include <windows.h>

#include <vector>

#include "runtime/files.h"

namespace html {
namespace {

char Lower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }
bool IsLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }

// The scheme before ":", lower-case; empty when there is none. One letter is a drive.
std::string SchemeOf(const std::string& address) {
    size_t colon = address.find(':');
    if (colon == std::string::npos || colon < 2 || !IsLetter(address[0])) return std::string();
    std::string scheme;
    for (size_t i = 0; i < colon; ++i) {
        char c = address[i];
        bool allowed = IsLetter(c) || (c >= '0' && c <= '9') || c == '+' || c == '-' || c == '.';
        if (!allowed) return std::string();
        scheme += Lower(c);
    }
    return scheme;
}

std::string Trim(const std::string& text) {
    const char* space = " \t\r\n";
    size_t begin = text.find_first_not_of(space);
    if (begin == std::string::npos) return std::string();
    return text.substr(begin, text.find_last_not_of(space) + 1 - begin);
}

int HexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

std::string PercentDecode(const std::string& text) {
    std::string out;
    for (size_t i = 0; i < text.size(); ++i) {
        int high = i + 2 < text.size() && text[i] == '%' ? HexValue(text[i + 1]) : -1;
        int low = high >= 0 ? HexValue(text[i + 2]) : -1;
        if (low < 0) {
            out += text[i];
            continue;
        }
        out += static_cast<char>(high * 16 + low);
        i += 2;
    }
    return out;
}

// The first separator at or after `from` (a character boundary), npos when there is none.
// A GBK character's second byte can be 0x5C, the backslash, or 0x7C, so the text is
// walked a character at a time.
size_t FindSeparator(const std::string& path, char separator, size_t from = 0) {
    for (size_t i = from; i < path.size(); ++i) {
        if (IsDBCSLeadByte(static_cast<BYTE>(path[i])) && i + 1 < path.size()) {
            ++i;
        } else if (path[i] == separator) {
            return i;
        }
    }
    return std::string::npos;
}

// Removes "." and ".." segments, keeping a leading and a trailing separator.
std::string RemoveDotSegments(const std::string& path, char separator) {
    std::vector<std::string> kept;
    size_t start = 0;
    bool endsWithSeparator = false;
    while (start <= path.size()) {
        size_t end = FindSeparator(path, separator, start);
        if (end == std::string::npos) end = path.size();
        std::string segment = path.substr(start, end - start);
        endsWithSeparator = segment.empty() || segment == "." || segment == "..";
        if (segment == "..") {
            if (!kept.empty()) kept.pop_back();
        } else if (!segment.empty() && segment != ".") {
            kept.push_back(segment);
        }
        start = end + 1;
    }
    std::string out = !path.empty() && path[0] == separator ? std::string(1, separator) : std::string();
    for (size_t i = 0; i < kept.size(); ++i) out += (i ? std::string(1, separator) : std::string()) + kept[i];
    if (endsWithSeparator && !kept.empty()) out += separator;
    return out;
}

// --- web addresses ----------------------------------------------------------------------

// "scheme://host[:port]" of a web address.
std::string OriginOf(const std::string& address) {
    size_t authority = address.find("://") + 3;
    return address.substr(0, address.find_first_of("/?#", authority));
}

// The path, "?query" and "#fragment" after the origin; the dot segments of the path removed.
std::string NormalizedWebPath(const std::string& pathAndRest) {
    size_t pathEnd = pathAndRest.find_first_of("?#");
    if (pathEnd == std::string::npos) pathEnd = pathAndRest.size();
    std::string path = RemoveDotSegments(pathAndRest.substr(0, pathEnd), '/');
    if (path.empty() || path[0] != '/') path.insert(0, "/");
    return path + pathAndRest.substr(pathEnd);
}

std::string ResolveWeb(const std::string& base, const std::string& href) {
    std::string origin = OriginOf(base);
    std::string rest = base.substr(origin.size());
    std::string path = rest.substr(0, rest.find_first_of("?#"));
    if (href.compare(0, 2, "//") == 0) return base.substr(0, base.find(':') + 1) + href;
    if (href[0] == '/') return origin + NormalizedWebPath(href);
    if (href[0] == '?') return origin + (path.empty() ? "/" : path) + href;
    if (href[0] == '#') return base.substr(0, base.find('#')) + href;
    std::string folder = path.substr(0, path.rfind('/') + 1);
    return origin + NormalizedWebPath((folder.empty() ? "/" : folder) + href);
}

// --- file paths --------------------------------------------------------------------------

// The fixed start of a path: "C:\", "\\server\share\", "\" or nothing.
size_t RootLength(const std::string& path) {
    if (path.compare(0, 2, "\\\\") == 0) {
        size_t share = FindSeparator(path, '\\', 2);
        size_t end = share == std::string::npos ? std::string::npos : FindSeparator(path, '\\', share + 1);
        return end == std::string::npos ? path.size() : end + 1;
    }
    if (path.size() >= 2 && IsLetter(path[0]) && path[1] == ':') return path.size() > 2 && path[2] == '\\' ? 3 : 2;
    return !path.empty() && path[0] == '\\' ? 1 : 0;
}

std::string NormalizedFilePath(const std::string& path) {
    size_t root = RootLength(path);
    return path.substr(0, root) + RemoveDotSegments(path.substr(root), '\\');
}

std::string Backslashed(std::string path) {
    for (char& c : path)
        if (c == '/') c = '\\';
    return path;
}

std::string ResolveFile(const std::string& basePath, const std::string& href) {
    std::string relative = Backslashed(PercentDecode(href.substr(0, href.find_first_of("?#"))));
    if (relative.empty()) return basePath;
    if (RootLength(relative) > 1) return NormalizedFilePath(relative);  // a drive or a share of its own
    if (relative[0] == '\\') {
        size_t root = RootLength(basePath);
        std::string drive = basePath.substr(0, root && basePath[root - 1] == '\\' ? root - 1 : root);
        return NormalizedFilePath(drive + relative);
    }
    size_t slash = rt::LastPathSeparator(basePath);
    if (slash == std::string::npos) return NormalizedFilePath(relative);
    return NormalizedFilePath(Backslashed(basePath.substr(0, slash + 1)) + relative);
}

}  // namespace

bool StartsWithNoCase(const std::string& text, const char* prefix) {
    size_t i = 0;
    for (; prefix[i]; ++i)
        if (i >= text.size() || Lower(text[i]) != prefix[i]) return false;
    return true;
}

bool IsWebAddress(const std::string& address) {
    return StartsWithNoCase(address, "http://") || StartsWithNoCase(address, "https://");
}

bool HasOtherScheme(const std::string& address) {
    std::string scheme = SchemeOf(address);
    return !scheme.empty() && scheme != "http" && scheme != "https" && scheme != "file";
}

std::string FilePathOf(const std::string& address) {
    if (!StartsWithNoCase(address, "file:")) return address;
    std::string rest = address.substr(5, address.find('#') == std::string::npos ? std::string::npos
                                                                               : address.find('#') - 5);
    if (rest.compare(0, 3, "///") == 0) rest = rest.substr(3);      // file:///C:/x
    else if (rest.compare(0, 2, "//") == 0) rest = "\\\\" + rest.substr(2);  // file://server/share
    return Backslashed(PercentDecode(rest));
}

std::string ResolveAddress(const std::string& base, const std::string& href) {
    std::string target = Trim(href);
    if (target.empty()) return base;
    if (!SchemeOf(target).empty() || base.empty()) return target;
    if (IsWebAddress(base)) return ResolveWeb(base, target);
    return ResolveFile(FilePathOf(base), target);
}

}  // namespace html
