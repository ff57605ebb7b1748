#include "foundation/TypedEditValue.h"

#include <gtest/gtest.h>

namespace {

// Types every byte of typed into an edit holding text with the caret at its end.
bool Accepts(const CTypedEditValue& value, const CString& text, unsigned char c)
{
    return value.AcceptChar(c, 1, text, text.GetLength(), text.GetLength());
}

} // namespace

TEST(TypedEditInteger, BoundsClampTheParsedValue)
{
    const IntegerFormat format{NF_MAXIMUM | NF_MINIMUM, 10, 1};
    CTypedEditValue value;
    value.SetIntegerFormat(&format);
    EXPECT_EQ(value.ParseInteger("0"), "1");
    EXPECT_EQ(value.GetInteger(), 1);
    EXPECT_EQ(value.ParseInteger("25"), "10");
    EXPECT_EQ(value.GetInteger(), 10);
    EXPECT_EQ(value.ParseInteger("7"), "7");
}

TEST(TypedEditInteger, TheMaximumWinsWhenTheBoundsCross)
{
    const IntegerFormat crossed{NF_MAXIMUM | NF_MINIMUM, 5, 8};
    CTypedEditValue value;
    value.SetIntegerFormat(&crossed);
    EXPECT_EQ(value.SetInteger(0), "5");
}

TEST(TypedEditInteger, ZeroSeparatorsAndTheCutAtThePoint)
{
    const IntegerFormat plain{0, 0, 0};
    const IntegerFormat zeroAndCommas{NF_SHOW_ZERO | NF_SEPARATORS, 0, 0};
    CTypedEditValue value;
    value.SetIntegerFormat(&plain);
    EXPECT_EQ(value.SetInteger(0), "");
    EXPECT_EQ(value.ParseInteger("1,234.9"), "1234");
    EXPECT_EQ(value.ParseInteger("abc"), "");
    value.SetIntegerFormat(&zeroAndCommas);
    EXPECT_EQ(value.SetInteger(0), "0");
    EXPECT_EQ(value.SetInteger(-1234567), "-1,234,567");
    EXPECT_EQ(value.ParseInteger("\x82\x50"
                                 "2,000円"),
              "12,000");
}

TEST(TypedEditInteger, ValuesPastTheRangeTakeTheLimit)
{
    const IntegerFormat wheel{NF_MAXIMUM | NF_MINIMUM, 10, 1};
    CTypedEditValue value;
    value.SetIntegerFormat(&wheel);
    EXPECT_EQ(value.ParseInteger("3000000000"), "10");
    EXPECT_EQ(value.ParseInteger("-3000000000"), "1");
    EXPECT_EQ(value.ParseInteger("99999999999999999999999"), "10");
    const IntegerFormat open{NF_SHOW_ZERO, 0, 0};
    value.SetIntegerFormat(&open);
    EXPECT_EQ(value.ParseInteger("3000000000"), "2147483647");
    EXPECT_EQ(value.ParseInteger("-3000000000"), "-2147483648");
    EXPECT_TRUE(value.GetRefusal().IsEmpty());
}

TEST(TypedEditNumbers, FullWidthDigitsCount)
{
    CTypedEditValue value;
    const IntegerFormat integer{NF_SHOW_ZERO, 0, 0};
    value.SetIntegerFormat(&integer);
    EXPECT_EQ(value.ParseInteger("１２３"), "123");
    EXPECT_EQ(value.ParseInteger("－４５"), "-45");
    const RealFormat real{0, 1, 0, 0};
    value.SetRealFormat(&real);
    EXPECT_EQ(value.ParseReal("１２．５"), "12.5");
    const DecimalFormat decimal{NF_SHOW_ZERO, 2, 0, 0, false};
    value.SetDecimalFormat(&decimal);
    EXPECT_EQ(value.ParseDecimal("１２．５"), "12.50");
    EXPECT_EQ(value.GetDecimal().GetValue().GetUnits(), 125000);
    const YearMonthFormat yearMonth{0, 0, 0};
    value.SetYearMonthFormat(&yearMonth);
    EXPECT_EQ(value.ParseYearMonth("２００８－３"), "2008-03");
}

TEST(TypedEditNumbers, TypedFullWidthDigitsAndSignsBecomeHalfWidth)
{
    CTypedEditValue value;
    EXPECT_EQ(value.NarrowTyped("１"), "１") << "text mode keeps what is typed";
    const DecimalFormat decimal{0, 2, 0, 0, false};
    value.SetDecimalFormat(&decimal);
    EXPECT_EQ(value.NarrowTyped("１"), "1");
    EXPECT_EQ(value.NarrowTyped("．"), ".");
    EXPECT_EQ(value.NarrowTyped("－"), "-");
    EXPECT_EQ(value.NarrowTyped("Ａ"), "Ａ");
    EXPECT_EQ(value.NarrowTyped("あ"), "あ");
    EXPECT_EQ(value.NarrowTyped("5"), "5");
}

TEST(TypedEditDecimal, DecimalsBeyondTheRangeAreRefused)
{
    const DecimalFormat format{NF_SHOW_ZERO, 2, 0, 0, false};
    CTypedEditValue value;
    value.SetDecimalFormat(&format);
    EXPECT_EQ(value.ParseDecimal("12.5"), "12.50");
    EXPECT_EQ(value.ParseDecimal("99999999999999999999"), "12.50");
    EXPECT_EQ(value.GetRefusal(), "99999999999999999999 は入力できる数値の範囲を超えています");
    EXPECT_EQ(value.GetDecimal().GetValue().GetUnits(), 125000);
    EXPECT_EQ(value.ParseDecimal("１２３４５６７８９０１２３４５６７８９"), "12.50");
    EXPECT_FALSE(value.GetRefusal().IsEmpty());
    EXPECT_EQ(value.ParseDecimal("1.2.3"), "12.50");
    EXPECT_EQ(value.GetRefusal(), "1.2.3 は数値として変換できません");
    EXPECT_EQ(value.ParseDecimal("922337203685477.5807"), "922337203685477.58");
    EXPECT_TRUE(value.GetRefusal().IsEmpty());
}

TEST(TypedEditReal, SeparatorsNeverFollowTheSign)
{
    const RealFormat commas{NF_SEPARATORS, 0, 0, 0};
    CTypedEditValue value;
    value.SetRealFormat(&commas);
    EXPECT_EQ(value.SetReal(-1234), "-1,234");
    EXPECT_EQ(value.SetReal(123), "123");
    EXPECT_EQ(value.SetReal(-123456), "-123,456");
    EXPECT_EQ(value.SetReal(0), "0");
    const RealFormat oneDecimal{NF_SEPARATORS, 1, 0, 0};
    value.SetRealFormat(&oneDecimal);
    EXPECT_EQ(value.SetReal(1234.5), "1,234.5");
    EXPECT_EQ(value.ParseReal("-98765.43"), "-98,765.4");
}

TEST(TypedEditReal, TheMinimumTakesWhatIsNotAtLeastIt)
{
    const RealFormat bounded{NF_MAXIMUM | NF_MINIMUM, 2, 9.5, 0.5};
    CTypedEditValue value;
    value.SetRealFormat(&bounded);
    EXPECT_EQ(value.ParseReal("0.1"), "0.50");
    EXPECT_EQ(value.ParseReal("12"), "9.50");
    EXPECT_DOUBLE_EQ(value.GetReal(), 9.5);
}

TEST(TypedEditDecimal, BoundsReplaceTheValueAndTheMinimumWins)
{
    const DecimalFormat format{NF_SHOW_ZERO | NF_MAXIMUM | NF_MINIMUM, 2, 1000000, -50000, false};
    CTypedEditValue value;
    value.SetDecimalFormat(&format);
    EXPECT_EQ(value.ParseDecimal("12.345"), "12.34");
    EXPECT_EQ(value.ParseDecimal("500"), "100.00");
    EXPECT_EQ(value.ParseDecimal("-9"), "-5.00");
    EXPECT_EQ(value.ParseDecimal("x"), "0.00");
    const DecimalFormat crossed{NF_MAXIMUM | NF_MINIMUM, 0, 10000, 30000, false};
    value.SetDecimalFormat(&crossed);
    EXPECT_EQ(value.ParseDecimal("2"), "3");
}

TEST(TypedEditYearMonth, MonthsCarryIntoYears)
{
    const YearMonthFormat format{YMF_EMPTY_FOR_ZERO, 0, 0};
    CTypedEditValue value;
    value.SetYearMonthFormat(&format);
    EXPECT_EQ(value.ParseYearMonth("2008-13"), "2009-01");
    EXPECT_EQ(value.GetYearMonth(), 200901);
    EXPECT_EQ(value.ParseYearMonth("2008-0"), "2007-12");
    EXPECT_EQ(value.ParseYearMonth("2008/03"), "2008-03");
    EXPECT_EQ(value.ParseYearMonth("2008年3"), "2008-03");
    EXPECT_EQ(value.ParseYearMonth("200803"), "2008-03");
    EXPECT_EQ(value.ParseYearMonth(""), "");
    EXPECT_EQ(value.GetYearMonth(), 0);
}

TEST(TypedEditYearMonth, ABareYearIsThatYear)
{
    CTypedEditValue value;
    const YearMonthFormat format{0, 0, 0};
    value.SetYearMonthFormat(&format);
    EXPECT_EQ(value.ParseYearMonth("2008年"), "2008-01");
    EXPECT_EQ(value.ParseYearMonth("2008"), "2008-01");
    EXPECT_EQ(value.ParseYearMonth("2008-"), "2008-01");
}

TEST(TypedEditYearMonth, MaximumThenMinimumApply)
{
    const YearMonthFormat format{YMF_MAXIMUM | YMF_MINIMUM, 202012, 200001};
    CTypedEditValue value;
    value.SetYearMonthFormat(&format);
    EXPECT_EQ(value.ParseYearMonth("2030-1"), "2020-12");
    EXPECT_EQ(value.ParseYearMonth("1999-12"), "2000-01");
}

TEST(TypedEditDateTime, UnreadableTextsKeepTheValue)
{
    CTypedEditValue value;
    value.SetDateFormat("GGGEE年MM月DD日(WW)");
    EXPECT_EQ(value.ParseDate("2019/13/1"), "");
    EXPECT_EQ(value.GetRefusal(), "2019/13/1 は日付として変換できません");
    EXPECT_EQ(value.ParseDate("2019/5/1"), "令和01年05月01日(水)");
    EXPECT_TRUE(value.GetRefusal().IsEmpty());
    EXPECT_EQ(value.ParseDate("2019/2/29"), "令和01年05月01日(水)");
    EXPECT_FALSE(value.GetRefusal().IsEmpty());
    EXPECT_EQ(value.ParseDate("令和01年05月01日(水)"), "令和01年05月01日(水)");
    EXPECT_EQ(value.ParseDate(""), "");
    EXPECT_FALSE(value.GetDate().IsValid());
    EXPECT_TRUE(value.GetRefusal().IsEmpty());
    value.SetTimeFormat("H時NN分SS秒");
    EXPECT_EQ(value.ParseTime("7:05"), "7時05分00秒");
    EXPECT_EQ(value.ParseTime("25:00"), "7時05分00秒");
    EXPECT_EQ(value.GetRefusal(), "25:00 は時刻として変換できません");
    EXPECT_EQ(value.ParseTime("0930"), "9時30分00秒");
    EXPECT_EQ(value.ParseTime("１０時３０分"), "10時30分00秒");
    EXPECT_EQ(value.ParseTime("10時30分00秒"), "10時30分00秒");
    EXPECT_EQ(CTypedEditValue::FormatTime(13, 4, 5, "HHNNSS-H:N:S"), "130405-13:4:5");
}

TEST(TypedEditFilter, TextClassesAndTheByteLimit)
{
    const TextFormat digits{TF_DIGITS, 4, 0, 0};
    CTypedEditValue value;
    value.SetTextFormat(&digits);
    EXPECT_TRUE(Accepts(value, "123", '4'));
    EXPECT_FALSE(Accepts(value, "1234", '5'));
    // With text selected the typed digit replaces it.
    EXPECT_TRUE(value.AcceptChar('5', 1, "1234", 1, 3));
    EXPECT_FALSE(Accepts(value, "12", 'a'));
    // Backspace and other control characters always pass.
    EXPECT_TRUE(Accepts(value, "1234", 8));

    const TextFormat letters{TF_UPPER | TF_LOWER, 3, 0, 0};
    value.SetTextFormat(&letters);
    EXPECT_TRUE(Accepts(value, "", 'a'));
    EXPECT_TRUE(Accepts(value, "", 'Z'));
    EXPECT_FALSE(Accepts(value, "", '-'));
    EXPECT_FALSE(Accepts(value, "", 0xB1));
    // A double-byte character does not fit into the last free byte.
    const TextFormat wide{TF_DOUBLE_BYTE, 3, 0, 0};
    value.SetTextFormat(&wide);
    EXPECT_TRUE(value.AcceptChar(0x82, 2, "a", 1, 1));
    EXPECT_FALSE(value.AcceptChar(0x82, 2, "ab", 2, 2));

    const TextFormat kanaAndSymbols{TF_HALF_KANA | TF_SYMBOLS, 0, 0, 0};
    value.SetTextFormat(&kanaAndSymbols);
    EXPECT_TRUE(Accepts(value, "", 0xB1));
    EXPECT_TRUE(Accepts(value, "", ' '));
    EXPECT_FALSE(Accepts(value, "", 0x82));
}

TEST(TypedEditFilter, NumberModesTakeDigitsOneSignAndOnePoint)
{
    CTypedEditValue value;
    const IntegerFormat integer{};
    value.SetIntegerFormat(&integer);
    EXPECT_TRUE(value.AcceptChar('-', 1, "", 0, 0));
    EXPECT_TRUE(value.AcceptChar('-', 1, "12", 0, 0));
    EXPECT_FALSE(value.AcceptChar('-', 1, "12", 1, 1));
    EXPECT_FALSE(value.AcceptChar('-', 1, "-12", 0, 0));
    EXPECT_FALSE(Accepts(value, "1", '.'));

    const RealFormat real{};
    value.SetRealFormat(&real);
    EXPECT_TRUE(Accepts(value, "1", '.'));
    EXPECT_FALSE(Accepts(value, "1.5", '.'));

    const DecimalFormat noDecimals{0, 0, 0, 0, false};
    const DecimalFormat twoDecimals{0, 2, 0, 0, false};
    value.SetDecimalFormat(&noDecimals);
    EXPECT_FALSE(Accepts(value, "1", '.'));
    value.SetDecimalFormat(&twoDecimals);
    EXPECT_TRUE(Accepts(value, "1", '.'));

    const YearMonthFormat yearMonth{};
    value.SetYearMonthFormat(&yearMonth);
    EXPECT_TRUE(Accepts(value, "2008", '-'));
    EXPECT_FALSE(Accepts(value, "2008-", '-'));
    EXPECT_FALSE(Accepts(value, "2008", '/'));

    value.SetDigitsMode();
    EXPECT_TRUE(Accepts(value, "03-", '-'));
    EXPECT_FALSE(Accepts(value, "03", 'x'));

    value.SetDateFormat(nullptr);
    EXPECT_TRUE(Accepts(value, "", 'x'));
}

TEST(TypedEditFocus, OnlyTextModeOpensTheInputMethod)
{
    CTypedEditValue value;
    EXPECT_EQ(value.GetFocusImeMode(), 1);
    const TextFormat hiragana{TF_DOUBLE_BYTE, 0, 0, 5};
    value.SetTextFormat(&hiragana);
    EXPECT_EQ(value.GetFocusImeMode(), 5);
    const IntegerFormat integer{};
    value.SetIntegerFormat(&integer);
    EXPECT_EQ(value.GetFocusImeMode(), 1);
}
