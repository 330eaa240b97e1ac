#pragma once
// The program's text is GBK (the system ANSI code page); GDI+ takes UTF-16.
#include <string>

namespace gdip {

std::wstring toWide(const std::string& text);
std::string fromWide(const wchar_t* text);

}  // namespace gdip
