#include "runtime/datetime.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <cmath>

namespace {

rt::DateTime At(int year, int month, int day, int hour = 0, int minute = 0, int second = 0) {
    rt::DateTime value;
    value.year = year;
    value.month = month;
    value.day = day;
    value.hour = hour;
    value.minute = minute;
    value.second = second;
    return value;
}

TEST(DateTime, FormatDateText) {
    const struct {
        rt::DateTime value;
        const char* text;
    } cases[] = {
        {At(2013, 11, 26), "2013年11月26日"},
        {At(2014, 3, 5), "2014年3月5日"},
        {At(2013, 11, 26, 9), "2013年11月26日9时"},
        {At(2013, 11, 26, 23), "2013年11月26日23时"},
        {At(2013, 11, 26, 9, 5), "2013年11月26日9时5分"},
        {At(2013, 11, 26, 0, 5), "2013年11月26日0时5分"},
        {At(2013, 11, 26, 9, 5, 7), "2013年11月26日9时5分7秒"},
        {At(2013, 11, 26, 0, 0, 7), "2013年11月26日0时0分7秒"},
        {At(2013, 11, 26, 9, 0, 7), "2013年11月26日9时0分7秒"},
        {At(1, 1, 1), "1年1月1日"},
    };
    for (const auto& c : cases) EXPECT_EQ(rt::FormatDateText(c.value), c.text);
}

TEST(DateTime, DateOnlyDropsTheTimeOfDay) {
    const rt::DateTime date = rt::DateOnly(At(2014, 3, 5, 13, 14, 15));
    EXPECT_EQ(rt::FormatDateText(date), "2014年3月5日");
    EXPECT_EQ(date.hour + date.minute + date.second, 0);
}

// Seconds since 1601 of a local calendar time, for comparing two of them.
long long SecondsOf(int year, int month, int day, int hour, int minute, int second) {
    SYSTEMTIME st{};
    st.wYear = static_cast<WORD>(year);
    st.wMonth = static_cast<WORD>(month);
    st.wDay = static_cast<WORD>(day);
    st.wHour = static_cast<WORD>(hour);
    st.wMinute = static_cast<WORD>(minute);
    st.wSecond = static_cast<WORD>(second);
    FILETIME ft;
    if (!SystemTimeToFileTime(&st, &ft)) return -1;
    return ((static_cast<long long>(ft.dwHighDateTime) << 32) | ft.dwLowDateTime) / 10000000;
}

long long SecondsOf(const SYSTEMTIME& t) { return SecondsOf(t.wYear, t.wMonth, t.wDay, t.wHour, t.wMinute, t.wSecond); }

TEST(DateTime, NowIsTheLocalTimeToTheSecond) {
    SYSTEMTIME before, after;
    GetLocalTime(&before);
    const rt::DateTime now = rt::Now();
    GetLocalTime(&after);
    long long seconds = SecondsOf(now.year, now.month, now.day, now.hour, now.minute, now.second);
    EXPECT_GE(seconds, SecondsOf(before)) << rt::FormatDateText(now);
    EXPECT_LE(seconds, SecondsOf(after)) << rt::FormatDateText(now);
}

TEST(DateTime, TextToNumber) {
    const struct {
        const char* text;
        double number;
    } cases[] = {
        {"1", 1},
        {"1.1", 1.1},
        {"0.9", 0.9},
        {"1.00000001", 1.00000001},
        {"-2", -2},
        {"+3", 3},
        {"1.1x", 1.1},
        {"12abc", 12},
        {"abc", 0},
        {"", 0},
        {" 真", 0},
        {"真", 0},
        {" 7", 7},
        {".5", 0.5},
        {"5.", 5},
        {"-", 0},
        {"1e5", 1},
        {"0x10", 0},
        {"inf", 0},
        {"1.2.3", 1.2},
    };
    for (const auto& c : cases) EXPECT_DOUBLE_EQ(rt::TextToNumber(c.text), c.number) << '"' << c.text << '"';
}

// The update check compares versions to within 1e-7; the conversion must keep that.
TEST(DateTime, TextToNumberKeepsSmallDifferences) {
    EXPECT_LT(std::abs(rt::TextToNumber("1.00000001") - 1), 1e-7);
    EXPECT_GT(std::abs(rt::TextToNumber("1.0000002") - 1), 1e-7);
}

}  // namespace
