#include "gdiplus/wide_text.h"

#include <windows.h>

namespace gdip {

std::wstring toWide(const std::string& text) {
    if (text.empty()) return {};
    const int count = MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring wide(count, L'\0');
    MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), wide.data(), count);
    return wide;
}

std::string fromWide(const wchar_t* text) {
    // The ANSI code page, like every other conversion of the program's text: the OEM page
    // differs from it on many systems and would garble non-ASCII names.
    const int size = WideCharToMultiByte(CP_ACP, 0, text, -1, nullptr, 0, nullptr, nullptr);
    if (size <= 1) return {};
    std::string narrow(size, '\0');
    WideCharToMultiByte(CP_ACP, 0, text, -1, narrow.data(), size, nullptr, nullptr);
    narrow.resize(size - 1);
    return narrow;
}

}  // namespace gdip
