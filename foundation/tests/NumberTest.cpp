#include "foundation/Number.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

// A number from its units of 1/10,000.
CNumber Units(int64_t units)
{
    return CNumber(COleCurrency(units));
}

int64_t UnitsOf(const CNumber& number)
{
    return number.GetValue().GetUnits();
}

} // namespace

TEST(NumberFormat, CutsDecimalsInsteadOfRounding)
{
    EXPECT_EQ(Units(23456780).Format(true, 2, true), "2,345.67");
    EXPECT_EQ(Units(23456780).Format(true, 0, true), "2,345");
    EXPECT_EQ(Units(23456780).Format(false, 4, true), "2345.6780");
}

TEST(NumberFormat, ThousandsSeparatorsEveryThreeDigits)
{
    EXPECT_EQ(CNumber(123).Format(true, 0, true), "123");
    EXPECT_EQ(CNumber(1234).Format(true, 0, true), "1,234");
    EXPECT_EQ(CNumber(123456).Format(true, 0, true), "123,456");
    EXPECT_EQ(CNumber(-1234567).Format(true, 1, true), "-1,234,567.0");
}

TEST(NumberFormat, ZeroIsBlankUnlessShown)
{
    EXPECT_EQ(CNumber(0).Format(true, 2, false), "");
    EXPECT_EQ(CNumber(0).Format(true, 2, true), "0.00");
    EXPECT_EQ(Units(5).Format(false, 4, true), "0.0005");
}

TEST(NumberFormat, MinusSignStaysWhenShownDigitsAreZero)
{
    EXPECT_EQ(Units(-1).Format(false, 2, true), "-0.00");
}

TEST(NumberFormat, NegativeDecimalsBlankTrailingZerosAndKeepWidth)
{
    EXPECT_EQ(Units(125000).Format(false, -4, true), "12.5   ");
    EXPECT_EQ(CNumber(12).Format(false, -2, true), "12   ");
    EXPECT_EQ(CNumber(5).Format(false, -2, true), "5   ");
    EXPECT_EQ(Units(12345).Format(false, -4, true), "1.2345");
    EXPECT_EQ(Units(10050).Format(false, -3, true), "1.005");
}

TEST(NumberFormat, DecimalsBeyondFourShowFour)
{
    EXPECT_EQ(Units(12345).Format(false, 9, true), "1.2345");
    EXPECT_EQ(Units(12000).Format(false, -9, true), "1.2   ");
}

TEST(NumberFormat, InvalidValueIsBlank)
{
    CNumber invalid(COleCurrency(10000, COleCurrency::invalid));
    EXPECT_EQ(invalid.Format(true, 2, true), "");
}

TEST(NumberFormat, LimitsOfTheRangeFormatInFull)
{
    EXPECT_EQ(Units(INT64_MAX).Format(true, 4, true), "922,337,203,685,477.5807");
    EXPECT_EQ(Units(INT64_MIN).Format(true, 4, true), "-922,337,203,685,477.5808");
}

TEST(NumberFormatWithPattern, NegativePatternTakesTheMagnitude)
{
    CNumber minus = CNumber(-1234);
    EXPECT_EQ(minus.FormatWithPattern("%s円", "△%s円", true, 0, true), "△1,234円");
    EXPECT_EQ(UnitsOf(minus), -12340000);
    EXPECT_EQ(minus.FormatWithPattern("%s円", "", true, 0, true), "-1,234円");
    EXPECT_EQ(CNumber(5).FormatWithPattern("%s%%", "", false, 0, true), "5%");
    EXPECT_EQ(CNumber(5).FormatWithPattern("", "", false, 0, true), "5");
    EXPECT_EQ(CNumber(0).FormatWithPattern("%s円", "", false, 0, false), "");
}

TEST(NumberFormatWithPattern, StrayPlaceholdersAreNotFormatted)
{
    EXPECT_EQ(CNumber(5).FormatWithPattern("%d %s %s %n", "", false, 0, true), "%d 5 %s %n");
}

TEST(NumberConversion, ToIntTruncatesAndClamps)
{
    EXPECT_EQ(Units(29999).ToInt(), 2);
    EXPECT_EQ(Units(-29999).ToInt(), -2);
    EXPECT_EQ(Units(INT64_MAX).ToInt(), INT_MAX);
    EXPECT_EQ(Units(INT64_MIN).ToInt(), INT_MIN);
    CNumber number = Units(5);
    number.SetInteger(-7);
    EXPECT_EQ(UnitsOf(number), -70000);
    EXPECT_TRUE(number.IsValid());
}

TEST(NumberArithmetic, SumsAndDifferencesOverflowToInvalid)
{
    EXPECT_EQ(UnitsOf(CNumber(2) + CNumber(3)), 50000);
    EXPECT_EQ(UnitsOf(CNumber(2) - CNumber(3)), -10000);
    EXPECT_FALSE((Units(INT64_MAX) + Units(1)).IsValid());
    EXPECT_FALSE((Units(INT64_MIN) - Units(1)).IsValid());
    EXPECT_FALSE(Units(INT64_MIN).Negate().IsValid());
    EXPECT_EQ(UnitsOf(Units(INT64_MAX).Negate()), -INT64_MAX);
}

TEST(NumberArithmetic, ResultsCarryNoError)
{
    CNumber failed;
    failed.ParseExpression("abc");
    ASSERT_NE(failed.GetErrorCode(), 0);
    CNumber sum = failed + CNumber(1);
    EXPECT_EQ(sum.GetErrorCode(), 0);
    EXPECT_TRUE(sum.GetErrorMessage().IsEmpty());
}

TEST(NumberArithmetic, ProductsAreCutTowardZero)
{
    EXPECT_EQ(UnitsOf(Units(1).Multiply(Units(1))), 0);
    EXPECT_EQ(UnitsOf(Units(15000).Multiply(Units(-15000))), -22500);
    EXPECT_EQ(UnitsOf(Units(-12345).Multiply(Units(-12345))), 15239);
    EXPECT_EQ(UnitsOf(CNumber(0).Multiply(Units(INT64_MIN))), 0);
}

TEST(NumberArithmetic, ProductsBeyondTheRangeAreInvalid)
{
    CNumber big = Units(INT64_MAX / 2);
    EXPECT_FALSE(big.Multiply(CNumber(3)).IsValid());
    EXPECT_FALSE(Units(INT64_MIN).Multiply(CNumber(-1)).IsValid());
    EXPECT_EQ(UnitsOf(Units(INT64_MIN).Multiply(CNumber(1))), INT64_MIN);
    // Large enough for a 64-bit product of the raw values to wrap back into range.
    EXPECT_FALSE(Units(4294967296LL * 10000).Multiply(Units(4294967296LL * 10000)).IsValid());
}

TEST(NumberArithmetic, QuotientsAreCutTowardZero)
{
    EXPECT_EQ(UnitsOf(CNumber(1).Divide(CNumber(3))), 3333);
    EXPECT_EQ(UnitsOf(CNumber(-2).Divide(CNumber(3))), -6666);
    EXPECT_EQ(UnitsOf(CNumber(10).Divide(CNumber(4))), 25000);
    EXPECT_EQ(UnitsOf(CNumber(0).Divide(CNumber(0))), 0);
}

TEST(NumberArithmetic, BadDivisionsAreInvalid)
{
    EXPECT_FALSE(CNumber(1).Divide(CNumber(0)).IsValid());
    EXPECT_FALSE(Units(INT64_MAX).Divide(Units(1)).IsValid());
    EXPECT_FALSE(Units(INT64_MIN).Divide(CNumber(-1)).IsValid());
    CNumber invalid(COleCurrency(10000, COleCurrency::invalid));
    EXPECT_FALSE(CNumber(1).Divide(invalid).IsValid());
    EXPECT_FALSE(invalid.Multiply(CNumber(1)).IsValid());
}

TEST(NumberRounding, ByDecimalPlacesAtWholeNumbers)
{
    struct Case
    {
        int64_t units;
        int64_t round, up, down, jis;
    } cases[] = {
        {25000, 30000, 30000, 20000, 20000},      // 2.5
        {-25000, -30000, -30000, -20000, -20000}, // -2.5
        {35000, 40000, 40000, 30000, 40000},      // 3.5
        {-29000, -30000, -30000, -20000, -30000}, // -2.9
        {-21000, -20000, -30000, -20000, -20000}, // -2.1
        {20001, 20000, 30000, 20000, 20000},      // 2.0001
        {25001, 30000, 30000, 20000, 30000},      // 2.5001
        {20000, 20000, 20000, 20000, 20000},      // 2
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.units);
        EXPECT_EQ(UnitsOf(Units(c.units).Round(0)), c.round);
        EXPECT_EQ(UnitsOf(Units(c.units).RoundUp(0)), c.up);
        EXPECT_EQ(UnitsOf(Units(c.units).RoundDown(0)), c.down);
        EXPECT_EQ(UnitsOf(Units(c.units).RoundJis(0)), c.jis);
    }
}

TEST(NumberRounding, RoundsTheNumberItselfAndReturnsACopy)
{
    CNumber number = Units(12345);
    CNumber copy = number.Round(2);
    EXPECT_EQ(UnitsOf(number), 12300);
    EXPECT_EQ(UnitsOf(copy), 12300);
    EXPECT_EQ(copy.GetErrorCode(), 0);
}

TEST(NumberRounding, DecimalPlacesAndTens)
{
    EXPECT_EQ(UnitsOf(Units(12350).Round(2)), 12400);
    EXPECT_EQ(UnitsOf(Units(12350).RoundJis(2)), 12400);
    EXPECT_EQ(UnitsOf(Units(12250).RoundJis(2)), 12200);
    EXPECT_EQ(UnitsOf(Units(12345).Round(4)), 12345);
    EXPECT_EQ(UnitsOf(Units(12345).RoundUp(9)), 12345);
    EXPECT_EQ(UnitsOf(CNumber(1250).Round(-2)), 13000000);
    EXPECT_EQ(UnitsOf(CNumber(1250).RoundJis(-2)), 12000000);
    EXPECT_EQ(UnitsOf(CNumber(1201).RoundUp(-2)), 13000000);
}

TEST(NumberRounding, UnitsBeyondTheRange)
{
    EXPECT_EQ(UnitsOf(CNumber(123).Round(INT_MIN)), 0);
    EXPECT_EQ(UnitsOf(CNumber(123).RoundDown(-30)), 0);
    EXPECT_TRUE(CNumber(123).Round(-30).IsValid());
    EXPECT_FALSE(CNumber(123).RoundUp(-30).IsValid());
    EXPECT_EQ(UnitsOf(CNumber(0).RoundUp(-30)), 0);
}

TEST(NumberRounding, ResultsBeyondTheRangeAreInvalid)
{
    CNumber top = Units(INT64_MAX);
    top.Round(0);
    EXPECT_FALSE(top.IsValid());
    EXPECT_FALSE(Units(INT64_MIN).RoundUp(0).IsValid());
    EXPECT_EQ(UnitsOf(Units(INT64_MAX).RoundDown(0)), INT64_MAX - 5807);
    EXPECT_EQ(UnitsOf(Units(INT64_MIN).RoundDown(2)), INT64_MIN + 8);
}

TEST(NumberRounding, SignificantFigures)
{
    EXPECT_EQ(UnitsOf(Units(12345678).Fix(3)), 12300000);
    EXPECT_EQ(UnitsOf(Units(12345678).FixUp(3)), 12400000);
    EXPECT_EQ(UnitsOf(Units(12345678).FixDown(3)), 12300000);
    EXPECT_EQ(UnitsOf(Units(-12345678).FixUp(3)), -12400000);
    EXPECT_EQ(UnitsOf(Units(123).Fix(2)), 120); // 0.0123 to 0.0120
    EXPECT_EQ(UnitsOf(CNumber(125).FixJis(2)), 1200000);
    EXPECT_EQ(UnitsOf(CNumber(135).FixJis(2)), 1400000);
    EXPECT_EQ(UnitsOf(CNumber(125).Fix(2)), 1300000);
}

TEST(NumberRounding, FiguresAtLeastTheDigitsChangeNothing)
{
    EXPECT_EQ(UnitsOf(Units(12345).Fix(5)), 12345);
    EXPECT_EQ(UnitsOf(Units(12345).FixUp(50)), 12345);
    EXPECT_EQ(UnitsOf(CNumber(0).FixUp(1)), 0);
}

TEST(NumberRounding, FewFiguresOnLargeValues)
{
    EXPECT_EQ(UnitsOf(CNumber(5).Fix(0)), 100000);
    EXPECT_EQ(UnitsOf(CNumber(5).FixDown(-40)), 0);
    EXPECT_FALSE(Units(INT64_MAX).FixUp(1).IsValid());
    EXPECT_EQ(UnitsOf(Units(INT64_MAX).FixDown(1)), 9000000000000000000LL);
}
