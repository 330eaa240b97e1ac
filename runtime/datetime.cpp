#include "runtime/datetime.h"

#include <windows.h>

#include <charconv>
#include <cstdio>

#include "runtime/services.h"

namespace rt {

DateTime Now() { return services().now(); }

DateTime LocalClock() {
    SYSTEMTIME now;
    GetLocalTime(&now);
    DateTime value;
    value.year = now.wYear;
    value.month = now.wMonth;
    value.day = now.wDay;
    value.hour = now.wHour;
    value.minute = now.wMinute;
    value.second = now.wSecond;
    return value;
}

DateTime DateOnly(const DateTime& value) {
    DateTime date;
    date.year = value.year;
    date.month = value.month;
    date.day = value.day;
    return date;
}

std::string FormatDateText(const DateTime& value) {
    char text[128];
    int length = std::snprintf(text, sizeof text, "%d年%d月%d日", value.year, value.month, value.day);
    const size_t room = sizeof text - length;
    if (value.second != 0) {
        std::snprintf(text + length, room, "%d时%d分%d秒", value.hour, value.minute, value.second);
    } else if (value.minute != 0) {
        std::snprintf(text + length, room, "%d时%d分", value.hour, value.minute);
    } else if (value.hour != 0) {
        std::snprintf(text + length, room, "%d时", value.hour);
    }
    return text;
}

double TextToNumber(const std::string& text) {
    const char* p = text.c_str();
    const char* end = p + text.size();
    while (p < end && (*p == ' ' || *p == '\t')) ++p;
    bool negative = p < end && *p == '-';
    if (p < end && (*p == '-' || *p == '+')) ++p;
    // Only digits with an optional fraction count: no exponent, hex, "inf" or "nan".
    const char* digits = p;
    while (p < end && *p >= '0' && *p <= '9') ++p;
    if (p < end && *p == '.') ++p;
    while (p < end && *p >= '0' && *p <= '9') ++p;
    double value = 0;
    if (std::from_chars(digits, p, value, std::chars_format::fixed).ec != std::errc()) return 0;
    return negative ? -value : value;
}

}  // namespace rt
