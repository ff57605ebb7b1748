#include "foundation/DateEx.h"
#include "foundation/OleDateTime.h"

#include <gtest/gtest.h>

#include <string>

namespace {

constexpr int kThisYear = 2024;

// "Y-M-D h:m:s" of what the text reads as, or "refused".
std::string Read(const char* text, bool timeField = false)
{
    COleDateTime value;
    COleDateTime::Parts p;
    if (!value.ParseDateTime(text, timeField, kThisYear) || !value.GetParts(p)) {
        EXPECT_EQ(value.GetStatus(), COleDateTime::invalid) << text;
        EXPECT_EQ(value.GetValue(), 0.0) << text;
        return "refused";
    }
    char buffer[64];
    snprintf(buffer, sizeof buffer, "%d-%d-%d %d:%d:%d", p.year, p.month, p.day, p.hour, p.minute, p.second);
    return buffer;
}

struct Case
{
    const char* text;
    const char* expected;
};

void ExpectAll(std::initializer_list<Case> cases, bool timeField = false)
{
    for (const Case& c : cases) {
        EXPECT_EQ(Read(c.text, timeField), c.expected) << c.text;
    }
}

} // namespace

TEST(DateTextReader, DatesWithEachSeparator)
{
    ExpectAll({
        {"2008/03/04", "2008-3-4 0:0:0"},
        {"2008-3-4", "2008-3-4 0:0:0"},
        {"2008.3.04", "2008-3-4 0:0:0"},
        {"2008年3月4日", "2008-3-4 0:0:0"},
        {"  2008/3/4\t", "2008-3-4 0:0:0"},
    });
}

TEST(DateTextReader, DateAndTime)
{
    ExpectAll({
        {"2008/03/04 14:07:09", "2008-3-4 14:7:9"},
        {"2008/3/4  9:05", "2008-3-4 9:5:0"},
        {"2008年3月4日 23:59:59", "2008-3-4 23:59:59"},
        // The form every row of a list is stored in, at its limits.
        {"0100/01/01 00:00:00", "100-1-1 0:0:0"},
        {"9999/12/31 23:59:59", "9999-12-31 23:59:59"},
        {"2024/02/30 00:00:00", "refused"},
        {"2024/01/02 24:00:00", "refused"},
        {"0099/12/31 23:59:59", "refused"},
        {"2024/01/02-03:04:05", "refused"},
    });
}

TEST(DateTextReader, TimeAloneLiesOnDayZero)
{
    ExpectAll({
        {"14:07:09", "1899-12-30 14:7:9"},
        {"0:00", "1899-12-30 0:0:0"},
    });
    COleDateTime noon;
    ASSERT_TRUE(noon.ParseDateTime("12:00", false, kThisYear));
    EXPECT_DOUBLE_EQ(noon.GetValue(), 0.5);
}

TEST(DateTextReader, TwoDigitYearsFallIn1930To2029)
{
    ExpectAll({
        {"08/3/4", "2008-3-4 0:0:0"},
        {"29-1-1", "2029-1-1 0:0:0"},
        {"30.1.1", "1930-1-1 0:0:0"},
        {"99/12/31", "1999-12-31 0:0:0"},
        {"0/1/1", "2000-1-1 0:0:0"},
        {"999/1/1", "999-1-1 0:0:0"},
    });
}

TEST(DateTextReader, PartsOutOfRangeAreRefused)
{
    ExpectAll({
        {"2023/2/29", "refused"},
        {"2024/0/1", "refused"},
        {"2024/4/31", "refused"},
        {"2024/1/1 24:00", "refused"},
        {"12:60", "refused"},
        {"12:00:60", "refused"},
        {"0099/1/1", "refused"},
        {"10000/1/1", "refused"},
        {"1900/2/29", "refused"},
        {"2024/2/29", "2024-2-29 0:0:0"},
        {"2000/2/29", "2000-2-29 0:0:0"},
    });
}

TEST(DateTextReader, OtherSpellingsAreRefused)
{
    for (const char* text :
         {"", "abc", "2008/3-4", "2008/3", "2008/3/4/5", "2008/3/4 14", "2008/3/4 14:", "2008/3/414:00",
          "14:07 2008/3/4", "2008年3月4", "2008/3/4x", "12345/1/1", "2008/123/1", "令和", "R", "2024/11/31",
          "2024/2/30", "2024/13/1", "1e3"}) {
        EXPECT_EQ(Read(text), "refused") << text;
    }
}

TEST(DateTextReader, ErasByNameLetterAndFirstCharacter)
{
    ExpectAll({
        {"令和6年3月5日", "2024-3-5 0:0:0"},
        {"令和06年03月05日", "2024-3-5 0:0:0"},
        {"令和 6年 3月 5日", "2024-3-5 0:0:0"},
        {"R6.3.5", "2024-3-5 0:0:0"},
        {"r6/3/5", "2024-3-5 0:0:0"},
        {"H31/4/30", "2019-4-30 0:0:0"},
        {"H20.03.04", "2008-3-4 0:0:0"},
        {"平20年3月4日", "2008-3-4 0:0:0"},
        {"S64.1.7", "1989-1-7 0:0:0"},
        {"昭和64年1月7日", "1989-1-7 0:0:0"},
        {"T15-12-24", "1926-12-24 0:0:0"},
        {"大正元年7月30日", "1912-7-30 0:0:0"},
        {"M1.1.1", "1868-1-1 0:0:0"},
        {"明治45年7月29日", "1912-7-29 0:0:0"},
    });
}

TEST(DateTextReader, FirstYearWrittenGan)
{
    ExpectAll({
        {"令和元年5月1日", "2019-5-1 0:0:0"},
        {"令和元年12月31日", "2019-12-31 0:0:0"},
        {"平成元年1月8日", "1989-1-8 0:0:0"},
        {"R元.5.1", "2019-5-1 0:0:0"},
    });
}

TEST(DateTextReader, EraDaysAreCheckedAgainstTheCalendar)
{
    ExpectAll({
        // Before the era began.
        {"令和元年4月30日", "refused"},
        {"R1.4.30", "refused"},
        {"平成元年1月7日", "refused"},
        {"H1.1.7", "refused"},
        // Days that do not exist, and an era year 0.
        {"R6.2.30", "refused"},
        {"令和6年13月1日", "refused"},
        {"H0.1.1", "refused"},
        {"R100.1.1", "refused"},
        {"X6.3.5", "refused"},
        {"令和6年3月5", "refused"},
        // Old forms carry their era's count on past its end.
        {"H31.5.1", "2019-5-1 0:0:0"},
        {"平成32年1月1日", "2020-1-1 0:0:0"},
    });
}

TEST(DateTextReader, MonthAndDayFallInTheCurrentYear)
{
    ExpectAll({
        {"3/5", "2024-3-5 0:0:0"},
        {"3-5", "2024-3-5 0:0:0"},
        {"3月5日", "2024-3-5 0:0:0"},
        {"12/31 23:59", "2024-12-31 23:59:0"},
        {"2/29", "2024-2-29 0:0:0"},
        {"2/30", "refused"},
        {"13/1", "refused"},
        {"3月5", "refused"},
        {"3/", "refused"},
    });
}

TEST(DateTextReader, FullWidthDigitsAndSigns)
{
    ExpectAll({
        {"２０２４／３／５", "2024-3-5 0:0:0"},
        {"２０２４－０３－０５", "2024-3-5 0:0:0"},
        {"２０２４年３月５日", "2024-3-5 0:0:0"},
        {"Ｒ６．３．５", "2024-3-5 0:0:0"},
        {"令和６年３月５日", "2024-3-5 0:0:0"},
        {"１０：３０", "1899-12-30 10:30:0"},
        {"　2024/3/5　１０：３０：１５　", "2024-3-5 10:30:15"},
        {"２０２４／２／３０", "refused"},
    });
}

TEST(DateTextReader, EightDigits)
{
    ExpectAll({
        {"20240305", "2024-3-5 0:0:0"},
        {"20240229 12:00", "2024-2-29 12:0:0"},
        {"２０２４０３０５", "2024-3-5 0:0:0"},
        {"20230229", "refused"},
        {"20241301", "refused"},
        {"2024030", "refused"},
        {"202403051", "refused"},
    });
}

TEST(DateTextReader, TimesInKanji)
{
    ExpectAll({
        {"10時30分", "1899-12-30 10:30:0"},
        {"10時", "1899-12-30 10:0:0"},
        {"9時5分7秒", "1899-12-30 9:5:7"},
        {"2024年3月5日 10時30分", "2024-3-5 10:30:0"},
        {"2024年3月5日10時30分", "2024-3-5 10:30:0"},
        {"24時", "refused"},
        {"10時60分", "refused"},
        {"10時30", "refused"},
        {"10時30分15", "refused"},
    });
}

TEST(DateTextReader, BareDigitsAreATimeOnlyInTimeFields)
{
    ExpectAll(
        {
            {"0905", "1899-12-30 9:5:0"},
            {"2359", "1899-12-30 23:59:0"},
            {"090512", "1899-12-30 9:5:12"},
            {"０９０５", "1899-12-30 9:5:0"},
            {"2400", "refused"},
            {"0960", "refused"},
            {"905", "refused"},
            {"09051", "refused"},
            // A date still reads as a date.
            {"2024/3/5 9:05", "2024-3-5 9:5:0"},
        },
        true);
    ExpectAll({
        {"0905", "refused"},
        {"090512", "refused"},
    });
}

TEST(DateTextReader, WeekdaysAfterTheDateAreSkipped)
{
    ExpectAll({
        {"平成20年3月4日(火)", "2008-3-4 0:0:0"},
        {"2008/03/04（火） 14:07", "2008-3-4 14:7:0"},
        {"2008/03/04 Tue", "2008-3-4 0:0:0"},
        {"2008/03/04(火)14:07", "2008-3-4 14:7:0"},
        {"2008/03/04 (火", "refused"},
        {"2008/03/04 火曜", "refused"},
    });
}

// Every pattern of the program's vocabulary that names the year, month and day reads back as
// the date it was made from, and as much of the time as it shows.
TEST(DateTextReader, ShownDatesReadBack)
{
    struct Moment
    {
        int year, month, day, hour, minute, second;
    };
    const Moment moments[] = {
        {2008, 3, 4, 14, 7, 9},  {1989, 1, 7, 0, 0, 0},   {1989, 1, 8, 23, 59, 59}, {2019, 4, 30, 12, 0, 0},
        {2019, 5, 1, 0, 0, 1},   {2024, 2, 29, 9, 5, 0},  {1926, 12, 25, 1, 2, 3},  {1912, 7, 30, 10, 0, 0},
        {1868, 1, 1, 0, 0, 0},   {2100, 12, 31, 6, 30, 0},
    };
    // Which parts of the time each pattern shows: 0 none, 1 hours, 2 minutes, 3 seconds.
    struct Pattern
    {
        const char* text;
        int timeParts;
    };
    const Pattern patterns[] = {
        {"YYYY/MM/DD", 0},
        {"YYYY/M/D", 0},
        {"YYYY-MM-DD", 0},
        {"YYYY.MM.DD", 0},
        {"YYYYMMDD", 0},
        {"YYYY年M月D日", 0},
        {"YYYY年MM月DD日(WW)", 0},
        {"YYYY/MM/DD W", 0},
        {"GGGEE年M月D日(WW)", 0},
        {"GGGE年M月D日", 0},
        {"GGEE年MM月DD日", 0},
        {"GEE.MM.DD", 0},
        {"GE/M/D", 0},
        {"YYYY/MM/DD HH:NN:SS", 3},
        {"YYYY/MM/DD HH:NN", 2},
        {"YYYY/MM/DD(WW) H:NN", 2},
        {"GGGEE年M月D日 HH時NN分SS秒", 3},
        {"YYYY年M月D日H時N分S秒", 3},
        {"GGGE年M月D日 H時", 1},
    };
    for (const Moment& m : moments) {
        CDateEx date;
        date.SetDateTime(m.year, m.month, m.day, m.hour, m.minute, m.second);
        const int shown[] = {m.hour, m.minute, m.second};
        for (const Pattern& pattern : patterns) {
            const CString text = date.FormatDate(pattern.text);
            COleDateTime read;
            COleDateTime::Parts p;
            ASSERT_TRUE(read.ParseDateTime(text.view(), false, kThisYear) && read.GetParts(p))
                << pattern.text << " gave " << text.GetString();
            EXPECT_EQ(p.year * 10000 + p.month * 100 + p.day, m.year * 10000 + m.month * 100 + m.day)
                << pattern.text << " gave " << text.GetString();
            const int readBack[] = {p.hour, p.minute, p.second};
            for (int part = 0; part < 3; ++part) {
                EXPECT_EQ(readBack[part], part < pattern.timeParts ? shown[part] : 0)
                    << pattern.text << " gave " << text.GetString();
            }
        }
    }
}

TEST(DateTextReader, ShownTimesReadBack)
{
    CDateEx time;
    time.SetDateTime(1899, 12, 30, 9, 5, 7);
    for (const char* pattern : {"HH:NN:SS", "H:N:S", "HH時NN分SS秒"}) {
        COleDateTime read;
        ASSERT_TRUE(read.ParseDateTime(time.FormatDate(pattern).view(), false, kThisYear)) << pattern;
        EXPECT_EQ(read, time.GetValue()) << pattern;
    }
    COleDateTime read;
    ASSERT_TRUE(read.ParseDateTime(time.FormatDate("HHNNSS").view(), true, kThisYear));
    EXPECT_EQ(read, time.GetValue());
}
