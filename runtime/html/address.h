#pragma once
// Page addresses: web addresses, plain file paths and file: URLs, and where a link on a
// page leads.
#include <string>

namespace html {

// Whether text begins with a lower-case prefix, in any letter case.
bool StartsWithNoCase(const std::string& text, const char* prefix);
// "http://..." or "https://...", in any letter case.
bool IsWebAddress(const std::string& address);
// A scheme other than http, https and file ("mailto:", "javascript:"...). A drive letter
// ("C:\...") is no scheme.
bool HasOtherScheme(const std::string& address);

// The file a non-web address names: a plain path as it is, a file: URL decoded.
std::string FilePathOf(const std::string& address);

// The address a link's href leads to from the page at `base`: web addresses resolve as
// URLs do, file paths against the folder of the page.
std::string ResolveAddress(const std::string& base, const std::string& href);

}  // namespace html
