#include "foundation/OleCurrency.h"

#include <gtest/gtest.h>

#include <cstdint>

namespace {

// Units of an accepted text, or -1 with a failure when it is refused.
int64_t Parsed(const char* text)
{
    COleCurrency value;
    if (!value.ParseCurrency(text)) {
        ADD_FAILURE() << "refused: " << text;
        return -1;
    }
    EXPECT_TRUE(value.IsValid());
    return value.GetUnits();
}

bool Refused(const char* text)
{
    COleCurrency value(123);
    bool accepted = value.ParseCurrency(text);
    return !accepted && value.GetUnits() == 0 && value.GetStatus() == COleCurrency::invalid;
}

} // namespace

TEST(CurrencyParse, DigitsPointAndSign)
{
    EXPECT_EQ(Parsed("0"), 0);
    EXPECT_EQ(Parsed("1234.5"), 12345000);
    EXPECT_EQ(Parsed("-1234.5"), -12345000);
    EXPECT_EQ(Parsed("+3"), 30000);
    EXPECT_EQ(Parsed(".25"), 2500);
    EXPECT_EQ(Parsed("7."), 70000);
    EXPECT_EQ(Parsed("007"), 70000);
    EXPECT_EQ(Parsed(" \t12 "), 120000);
}

TEST(CurrencyParse, DecimalsBeyondFourRoundHalfAwayFromZero)
{
    EXPECT_EQ(Parsed("1.23454"), 12345);
    EXPECT_EQ(Parsed("1.23455"), 12346);
    EXPECT_EQ(Parsed("-1.23455"), -12346);
    EXPECT_EQ(Parsed("0.00004999"), 0);
}

TEST(CurrencyParse, WholeRangeOfTheUnits)
{
    EXPECT_EQ(Parsed("922337203685477.5807"), INT64_MAX);
    EXPECT_EQ(Parsed("-922337203685477.5808"), INT64_MIN);
    EXPECT_TRUE(Refused("922337203685477.5808"));
    EXPECT_TRUE(Refused("922337203685477.58075"));
    EXPECT_TRUE(Refused("-922337203685477.5809"));
    EXPECT_TRUE(Refused("123456789012345678901234567890"));
}

TEST(CurrencyParse, OtherSpellingsAreRefused)
{
    for (const char* text : {"", " ", "-", ".", "1.2.3", "1,234", "1e5", "\\100", "12円", "- 5", "5-", "0x10",
                             "1 2", "++1", "abc"}) {
        EXPECT_TRUE(Refused(text)) << text;
    }
}

TEST(CurrencyArithmetic, StatusPropagates)
{
    COleCurrency one(10000);
    COleCurrency bad(5, COleCurrency::invalid);
    COleCurrency none(0, COleCurrency::null);
    EXPECT_EQ((one + one).GetUnits(), 20000);
    EXPECT_EQ((one - bad).GetStatus(), COleCurrency::invalid);
    EXPECT_EQ((none + one).GetStatus(), COleCurrency::null);
    EXPECT_EQ((none + bad).GetStatus(), COleCurrency::invalid);
    EXPECT_EQ((-one).GetUnits(), -10000);
    EXPECT_EQ((COleCurrency(INT64_MAX) + one).GetStatus(), COleCurrency::invalid);
    EXPECT_EQ((-COleCurrency(INT64_MIN)).GetStatus(), COleCurrency::invalid);
}
