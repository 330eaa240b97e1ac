#pragma once
#include <string>

namespace rt {

struct DateTime {
    int year = 1899, month = 12, day = 30;
    int hour = 0, minute = 0, second = 0;
};

// The current local date and time, as the services in force tell it.
DateTime Now();
// The system's local clock itself, which the real services read.
DateTime LocalClock();
// The same date at 00:00:00.
DateTime DateOnly(const DateTime& value);
// "%d年%d月%d日" without leading zeros, plus "%d时%d分%d秒", "%d时%d分" or "%d时"
// when the time of day is not midnight (GBK text).
std::string FormatDateText(const DateTime& value);
// The leading decimal number of a text (sign, digits, fraction), 0 when there is none.
double TextToNumber(const std::string& text);

}  // namespace rt
