// Date encoding, decoding, formatting and parsing agree with the Pascal calendar conventions.
#include "rtl/VlDateTime.h"
#include "rtl/VlSysUtils.h"

#include <gtest/gtest.h>

using namespace VlSysUtils;

TEST(DateTimeEncode, KnownSerials)
{
    struct Row { int y, m, d; double serial; } rows[] = {
        {1899, 12, 30, 0}, {1900, 1, 1, 2}, {2000, 1, 1, 36526}, {1899, 12, 29, -1},
        {2024, 2, 29, 45351}, {1, 1, 1, -693593}, {9999, 12, 31, 2958465},
    };
    for (const Row &r : rows) {
        EXPECT_DOUBLE_EQ(EncodeDate(r.y, r.m, r.d), r.serial) << r.y << "-" << r.m << "-" << r.d;
        int y, m, d;
        DecodeDate(r.serial, y, m, d);
        EXPECT_EQ(y * 10000 + m * 100 + d, r.y * 10000 + r.m * 100 + r.d);
    }
}

TEST(DateTimeEncode, InvalidArgumentsRaise)
{
    for (auto [y, m, d] : {std::tuple{2023, 2, 29}, {2024, 13, 1}, {0, 1, 1}, {2024, 4, 31}, {2024, 1, 0}}) {
        try {
            EncodeDate(y, m, d);
            ADD_FAILURE() << y << "-" << m << "-" << d;
        } catch (const EConvertError &e) {
            EXPECT_EQ(e.Message(), "Invalid argument to date encode");
        }
    }
    EXPECT_THROW(EncodeTime(24, 0, 0, 0), EConvertError);
    EXPECT_THROW(EncodeTime(0, 60, 0, 0), EConvertError);
}

TEST(DateTimeEncode, TimeRoundTripsToTheMillisecond)
{
    TDateTime t = EncodeTime(13, 45, 30, 250);
    int h, n, s, ms;
    DecodeTime(t, h, n, s, ms);
    EXPECT_EQ(h * 10000000 + n * 100000 + s * 1000 + ms, 13 * 10000000 + 45 * 100000 + 30 * 1000 + 250);
    DecodeTime(EncodeDate(1899, 12, 29) - 0.5, h, n, s, ms);  // negative dates keep a positive time
    EXPECT_EQ(h, 12);
}

TEST(DateTimeCalendar, LeapYearsWeekdaysAndMonths)
{
    EXPECT_TRUE(IsLeapYear(2000));
    EXPECT_FALSE(IsLeapYear(1900));
    EXPECT_TRUE(IsLeapYear(2024));
    EXPECT_EQ(DayOfWeek(0), 7);                          // 30 Dec 1899: Saturday
    EXPECT_EQ(DayOfWeek(EncodeDate(2024, 1, 7)), 1);     // Sunday
    EXPECT_EQ(DayOfWeek(EncodeDate(2024, 1, 8)), 2);     // Monday
    EXPECT_DOUBLE_EQ(IncMonth(EncodeDate(2024, 1, 31), 1), EncodeDate(2024, 2, 29));
    EXPECT_DOUBLE_EQ(IncMonth(EncodeDate(2024, 3, 15), -14), EncodeDate(2023, 1, 15));
}

TEST(DateTimeText, FormatDateTimePictures)
{
    TDateTime dt = EncodeDate(2024, 3, 5) + EncodeTime(14, 7, 9, 45);
    struct Row { const char *format; const char *text; } rows[] = {
        {"yyyy-mm-dd", "2024-03-05"}, {"d/m/yy", "5.3.24"}, {"hh:nn:ss.zzz", "14:07:09.045"},
        {"h:mm", "14:07"}, {"hh:mm am/pm", "02:07 pm"}, {"c", "05.03.2024 14:07:09"},
        {"ddddd", "05.03.2024"}, {"mmmm", "\xCC\xE0\xF0\xF2"}, {"ddd", "\xC2\xF2"},
        {"'day' d", "day 5"}, {"tt", "14:07:09"}, {"t", "14:07"},
    };
    for (const Row &r : rows)
        EXPECT_EQ(FormatDateTime(r.format, dt), r.text) << r.format;
    EXPECT_EQ(DateTimeToStr(EncodeDate(2024, 3, 5)), "05.03.2024");
    EXPECT_EQ(DateToStr(dt), "05.03.2024");
    EXPECT_EQ(TimeToStr(dt), "14:07:09");
}

TEST(DateTimeText, ParsingDatesAndTimes)
{
    EXPECT_DOUBLE_EQ(StrToDate("05.03.2024"), EncodeDate(2024, 3, 5));
    EXPECT_DOUBLE_EQ(StrToDate(" 5.3.2024 "), EncodeDate(2024, 3, 5));
    EXPECT_DOUBLE_EQ(StrToTime("14:07"), EncodeTime(14, 7, 0, 0));
    EXPECT_DOUBLE_EQ(StrToTime("2:07:09 PM"), EncodeTime(14, 7, 9, 0));
    EXPECT_DOUBLE_EQ(StrToDateTime("05.03.2024 14:07:09"), EncodeDate(2024, 3, 5) + EncodeTime(14, 7, 9, 0));
    int y, m, d;
    DecodeDate(StrToDate("1.2.30"), y, m, d);
    EXPECT_EQ(y % 100, 30);
    for (const char *bad : {"", "31.02.2024", "a.b.c", "1.2.3.4"}) {
        try {
            StrToDate(bad);
            ADD_FAILURE() << bad;
        } catch (const EConvertError &e) {
            EXPECT_EQ(e.Message(), "'" + std::string(bad) + "' is not a valid date");
        }
    }
    EXPECT_THROW(StrToTime("25:00"), EConvertError);
    EXPECT_THROW(StrToDateTime("05.03.2024 x"), EConvertError);
}

TEST(DateTimeClock, NowIsTodayPlusTime)
{
    TDateTime now = Now();
    EXPECT_GT(now, EncodeDate(2020, 1, 1));
    EXPECT_NEAR(Date() + Time(), now, 1.0 / 86400 * 2);
    EXPECT_NEAR(FileDateToDateTime(DateTimeToFileDate(EncodeDate(2024, 3, 5) + EncodeTime(1, 2, 3, 0))),
                EncodeDate(2024, 3, 5) + EncodeTime(1, 2, 3, 0), 1e-9);
}
