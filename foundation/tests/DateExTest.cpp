#include "foundation/DateEx.h"

#include <gtest/gtest.h>

namespace {

CDateEx Date(int year, int month, int day, int hour = 0, int minute = 0, int second = 0)
{
    CDateEx date;
    date.SetDateTime(year, month, day, hour, minute, second);
    return date;
}

} // namespace

TEST(DateExNormalise, DaysCarryIntoMonths)
{
    EXPECT_EQ(Date(2024, 1, 32).FormatDate("YYYY-MM-DD"), "2024-02-01");
    EXPECT_EQ(Date(2024, 3, 0).FormatDate("YYYY-MM-DD"), "2024-02-29");
    EXPECT_EQ(Date(2023, 3, 0).FormatDate("YYYY-MM-DD"), "2023-02-28");
    EXPECT_EQ(Date(2024, 1, -30).FormatDate("YYYY-MM-DD"), "2023-12-01");
    EXPECT_EQ(Date(2024, 1, 366).FormatDate("YYYY-MM-DD"), "2024-12-31");
}

TEST(DateExNormalise, MonthsCarryIntoYears)
{
    EXPECT_EQ(Date(2024, 13, 1).FormatDate("YYYY-MM-DD"), "2025-01-01");
    EXPECT_EQ(Date(2024, 0, 1).FormatDate("YYYY-MM-DD"), "2023-12-01");
    EXPECT_EQ(Date(2024, -12, 1).FormatDate("YYYY-MM-DD"), "2022-12-01");
    EXPECT_EQ(Date(2024, 25, 1).FormatDate("YYYY-MM-DD"), "2026-01-01");
}

TEST(DateExNormalise, TimeCarriesIntoDays)
{
    EXPECT_EQ(Date(2024, 3, 1, 0, 0, -1).FormatDate("YYYY-MM-DD HH:NN:SS"), "2024-02-29 23:59:59");
    EXPECT_EQ(Date(2024, 12, 31, 23, 59, 60).FormatDate("YYYY-MM-DD HH:NN:SS"), "2025-01-01 00:00:00");
    EXPECT_EQ(Date(2024, 1, 1, 25, 61, 0).FormatDate("YYYY-MM-DD HH:NN:SS"), "2024-01-02 02:01:00");
    CDateEx date;
    date.SetDate(2024, 1, 1);
    EXPECT_EQ(date.FormatDate("HH:NN:SS"), "00:00:00");
}

TEST(DateExNormalise, ResultsOutsideTheYearsAreInvalid)
{
    EXPECT_FALSE(Date(99, 12, 31).IsValid());
    EXPECT_EQ(Date(99, 12, 31).FormatDate("YYYY"), "");
    EXPECT_FALSE(Date(9999, 12, 31, 24, 0, 0).IsValid());
    EXPECT_TRUE(Date(99, 13, 1).IsValid());
    EXPECT_FALSE(Date(INT_MAX, INT_MAX, INT_MAX, INT_MAX, INT_MAX, INT_MAX).IsValid());
    EXPECT_FALSE(Date(2000, 1, INT_MIN).IsValid());
}

TEST(DateExNull, NoDateFormatsEmpty)
{
    CDateEx date;
    EXPECT_EQ(date.GetStatus(), COleDateTime::null);
    EXPECT_EQ(date.GetSerial(), 0.0);
    EXPECT_EQ(date.FormatDate("YYYY/MM/DD"), "");
    EXPECT_EQ(date.Format("%Y"), "");
    EXPECT_EQ(date.GetWeekdayIndex(), -1);
    EXPECT_EQ(date.GetWeekdayName(true), "");
    EXPECT_EQ(date.GetEraName(), "");
}

TEST(DateExDays, DaysInMonth)
{
    EXPECT_EQ(GetDaysInMonth(1900, 2), 28);
    EXPECT_EQ(GetDaysInMonth(2000, 2), 29);
    EXPECT_EQ(GetDaysInMonth(2023, 2), 28);
    EXPECT_EQ(GetDaysInMonth(2024, 4), 30);
    EXPECT_EQ(GetDaysInMonth(2024, 12), 31);
    EXPECT_EQ(GetDaysInMonth(2024, 13), 0);
    EXPECT_EQ(GetDaysInMonth(2024, 0), 0);
}

TEST(DateExDays, TodayHasNoTime)
{
    CDateEx today = GetToday();
    ASSERT_TRUE(today.IsValid());
    EXPECT_EQ(today.FormatDate("HHNNSS"), "000000");
    COleDateTime::Parts now;
    ASSERT_TRUE(COleDateTime::GetCurrentTime().GetParts(now));
    EXPECT_GE(now.year, 2024);
}

TEST(DateExEra, BoundariesOfTheEras)
{
    struct Case
    {
        int year, month, day;
        const char* gee;
        const char* name;
    } cases[] = {
        {2019, 5, 1, "R01", "令和"},  {2019, 4, 30, "H31", "平成"},  {1989, 1, 8, "H01", "平成"},
        {1989, 1, 7, "S64", "昭和"},  {1926, 12, 25, "S01", "昭和"}, {1926, 12, 24, "T15", "大正"},
        {1912, 7, 30, "T01", "大正"}, {1912, 7, 29, "M45", "明治"},  {1868, 1, 1, "M01", "明治"},
        {2024, 6, 1, "R06", "令和"},
    };
    for (const Case& c : cases) {
        CDateEx date = Date(c.year, c.month, c.day);
        EXPECT_EQ(date.FormatDate("GEE"), c.gee) << c.year << "-" << c.month << "-" << c.day;
        EXPECT_EQ(date.GetEraName(), c.name);
    }
}

TEST(DateExEra, BeforeTheEras)
{
    CDateEx date = Date(1867, 12, 31);
    EXPECT_EQ(date.GetEra(), ' ');
    EXPECT_EQ(date.GetEraName(), "");
    EXPECT_EQ(date.GetEraYear(), 0);
    EXPECT_EQ(date.FormatDate("[G][GG][GGG][EE]"), "[ ][][][00]");
}

TEST(DateExEra, NewestEraInPatterns)
{
    EXPECT_EQ(Date(2019, 5, 1).FormatDate("GGGEE年"), "令和01年");
    EXPECT_EQ(Date(2019, 5, 1).FormatDate("GG E"), "令 1");
    EXPECT_EQ(Date(2019, 4, 30).FormatDate("GGGE年"), "平成31年");
}

TEST(DateExWeekday, NamesByIndex)
{
    CDateEx tuesday = Date(2008, 3, 4);
    EXPECT_EQ(tuesday.GetWeekdayIndex(), 1);
    EXPECT_EQ(tuesday.GetWeekdayName(true), "火");
    EXPECT_EQ(tuesday.GetWeekdayName(false), "Tue");
    const char* english[] = {"Mon", "Tue", "Wed", "Thu", "Fri", "Sat", "Sun"};
    const char* japanese[] = {"月", "火", "水", "木", "金", "土", "日"};
    for (int i = 0; i < 7; ++i) {
        CDateEx date = Date(2008, 3, 3 + i);
        EXPECT_EQ(date.GetWeekdayIndex(), i);
        EXPECT_EQ(date.FormatDate("W"), english[i]);
        EXPECT_EQ(date.FormatDate("WW"), japanese[i]);
    }
}

TEST(DateExFormatDate, PatternsOfTheProgram)
{
    CDateEx date = Date(2008, 3, 4, 14, 7, 9);
    EXPECT_EQ(date.FormatDate("YYYY/MM/DD"), "2008/03/04");
    EXPECT_EQ(date.FormatDate("GGGEE年M月D日(WW)"), "平成20年3月4日(火)");
    EXPECT_EQ(date.FormatDate("GEE.MM.DD"), "H20.03.04");
    EXPECT_EQ(date.FormatDate("HH:NN:SS"), "14:07:09");
    EXPECT_EQ(date.FormatDate("H:N:S"), "14:7:9");
    EXPECT_EQ(date.FormatDate("NNN"), "847");
    EXPECT_EQ(date.FormatDate("W"), "Tue");
    EXPECT_EQ(date.FormatDate("YY"), "08");
    EXPECT_EQ(date.FormatDate("GG"), "平");
    EXPECT_EQ(date.FormatDate("yyyy-mm"), "yyyy-mm");
    EXPECT_EQ(date.FormatDate("YYYYY"), "2008Y");
}

TEST(DateExFormatDate, YearsAreSpacePadded)
{
    EXPECT_EQ(Date(999, 1, 1).FormatDate("YYYY"), " 999");
    EXPECT_EQ(Date(2005, 1, 1).FormatDate("YY"), "05");
}

TEST(DateExFormatDate, DoubleByteCharactersNeverMatchTokens)
{
    // The second bytes of 年 and 日 are 'N' and 'u', of 表 a backslash, of ソ 'm'.
    CDateEx date = Date(2008, 3, 4, 14, 7, 9);
    EXPECT_EQ(date.FormatDate("YYYY年NN"), "2008年07");
    EXPECT_EQ(date.FormatDate("表ソ"), "表ソ");
}

TEST(DateExFormatDate, AmpersandQuotesTheNextCharacter)
{
    CDateEx date = Date(2008, 3, 4);
    EXPECT_EQ(date.FormatDate("&YYYY"), "Y08Y");
    EXPECT_EQ(date.FormatDate("&&"), "&");
    EXPECT_EQ(date.FormatDate("&年D"), "年4");
}

TEST(DateExFormatDate, PatternEndsNeverReadPast)
{
    CDateEx date = Date(2008, 3, 4);
    EXPECT_EQ(date.FormatDate("D&"), "4&");
    EXPECT_EQ(date.FormatDate(std::string("D\x94").c_str()), "4\x94");
    EXPECT_EQ(date.FormatDate(std::string("D&\x94").c_str()), "4\x94");
}

TEST(DateExParse, TextIntoADate)
{
    CDateEx date;
    ASSERT_TRUE(date.ParseDateTime("2008/3/4 14:07:09"));
    EXPECT_EQ(date.FormatDate("GGGEE年M月D日 HH:NN:SS"), "平成20年3月4日 14:07:09");
    EXPECT_FALSE(date.ParseDateTime("2008/2/30"));
    EXPECT_EQ(date.GetStatus(), COleDateTime::invalid);
    EXPECT_EQ(date.FormatDate("YYYY"), "");
}
