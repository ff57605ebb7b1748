#include "foundation/OleDateTime.h"

#include <gtest/gtest.h>

namespace {

COleDateTime At(int year, int month, int day, int hour = 0, int minute = 0, int second = 0)
{
    COleDateTime value;
    value.SetDateTime(year, month, day, hour, minute, second);
    return value;
}

} // namespace

TEST(DateTimeParse, ThroughTheDateTextReader)
{
    COleDateTime value;
    COleDateTime::Parts p;
    ASSERT_TRUE(value.ParseDateTime("3/5") && value.GetParts(p));
    COleDateTime::Parts now;
    ASSERT_TRUE(COleDateTime::GetCurrentTime().GetParts(now));
    EXPECT_EQ(p.year, now.year) << "a month and day fall in this year";
    EXPECT_FALSE(value.ParseDateTime("0905"));
    EXPECT_EQ(value.GetStatus(), COleDateTime::invalid);
    ASSERT_TRUE(value.ParseDateTime("0905", true) && value.GetParts(p));
    EXPECT_EQ(p.hour * 60 + p.minute, 9 * 60 + 5);
}

TEST(DateTimeSerial, DayZeroAndNeighbours)
{
    EXPECT_DOUBLE_EQ(At(1899, 12, 30).GetValue(), 0.0);
    EXPECT_DOUBLE_EQ(At(1900, 1, 1).GetValue(), 2.0);
    EXPECT_DOUBLE_EQ(At(2008, 3, 4).GetValue(), 39511.0);
    EXPECT_DOUBLE_EQ(At(1899, 12, 30, 18, 0, 0).GetValue(), 0.75);
    // Before day 0 the fraction counts forward from midnight.
    EXPECT_DOUBLE_EQ(At(1899, 12, 29, 6, 0, 0).GetValue(), -1.25);
    COleDateTime::Parts p;
    ASSERT_TRUE(At(1899, 12, 29, 6, 0, 0).GetParts(p));
    EXPECT_EQ(p.day, 29);
    EXPECT_EQ(p.hour, 6);
}

TEST(DateTimeSerial, RangeOfYears)
{
    EXPECT_TRUE(At(100, 1, 1).IsValid());
    EXPECT_TRUE(At(9999, 12, 31, 23, 59, 59).IsValid());
    EXPECT_FALSE(At(99, 12, 31).IsValid());
    EXPECT_FALSE(At(10000, 1, 1).IsValid());
    COleDateTime::Parts p;
    ASSERT_TRUE(At(100, 1, 1).GetParts(p));
    EXPECT_EQ(p.year, 100);
}

TEST(DateTimeSerial, RoundTripsEveryDayOfAFewCenturies)
{
    COleDateTime value;
    COleDateTime::Parts p;
    for (int64_t day = COleDateTime::DayNumber(1799, 1, 1); day < COleDateTime::DayNumber(2401, 1, 1);
         ++day) {
        ASSERT_EQ(value.SetDayNumber(day, 43199), COleDateTime::valid);
        ASSERT_TRUE(value.GetParts(p));
        ASSERT_EQ(COleDateTime::DayNumber(p.year, p.month, p.day), day);
        ASSERT_EQ(p.hour * 3600 + p.minute * 60 + p.second, 43199);
    }
}

TEST(DateTimeSerial, WeekdaysAndLastSecond)
{
    COleDateTime::Parts p;
    ASSERT_TRUE(At(2008, 3, 4).GetParts(p));
    EXPECT_EQ(p.dayOfWeek, 3); // Tuesday
    ASSERT_TRUE(At(1899, 12, 30).GetParts(p));
    EXPECT_EQ(p.dayOfWeek, 7); // Saturday
    ASSERT_TRUE(At(1899, 12, 24).GetParts(p));
    EXPECT_EQ(p.dayOfWeek, 1); // Sunday
    // The last second of a day stays in that day despite the fraction's rounding.
    COleDateTime lastSecond;
    lastSecond.SetDayNumber(10, 86399);
    ASSERT_TRUE(lastSecond.GetParts(p));
    EXPECT_EQ(p.day, 9);
    EXPECT_EQ(p.second, 59);
}

TEST(DateTimeCompare, ByMomentAcrossDayZero)
{
    EXPECT_LT(At(1899, 12, 29, 0, 0, 0), At(1899, 12, 29, 6, 0, 0));
    EXPECT_LT(At(1899, 12, 29, 23, 0, 0), At(1899, 12, 30));
    EXPECT_EQ(At(2008, 3, 4), At(2008, 3, 4));
    EXPECT_GT(At(2008, 3, 4, 0, 0, 1), At(2008, 3, 4));
}

TEST(DateTimeFormat, StrftimeInTheCLocale)
{
    EXPECT_EQ(At(2008, 3, 4, 14, 7, 9).Format("%Y/%m/%d %H:%M:%S"), "2008/03/04 14:07:09");
    EXPECT_EQ(At(2008, 3, 4).Format("%a %b %j 年"), "Tue Mar 064 年");
    EXPECT_EQ(At(2008, 3, 4).Format(""), "");
    COleDateTime bad;
    bad.SetStatus(COleDateTime::invalid);
    EXPECT_EQ(bad.Format("%Y"), "");
    std::string longPattern(3000, 'x');
    EXPECT_EQ(At(2008, 3, 4).Format((longPattern + "%Y").c_str()).GetLength(), 3004);
}

TEST(DateTimeSetters, StrictParts)
{
    COleDateTime value;
    EXPECT_EQ(value.SetDate(2024, 2, 30), COleDateTime::invalid);
    EXPECT_EQ(value.GetValue(), 0.0);
    EXPECT_EQ(value.SetTime(23, 59, 59), COleDateTime::valid);
    EXPECT_NEAR(value.GetValue(), 86399.0 / 86400.0, 1e-12);
    EXPECT_EQ(value.SetTime(-1, 0, 0), COleDateTime::invalid);
}
