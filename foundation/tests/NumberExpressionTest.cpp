#include "foundation/Number.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

namespace {

struct Outcome
{
    int64_t units;
    int error;
    CString message;
};

Outcome Parse(const CString& text)
{
    CNumber number(99);
    CNumber copy = number.ParseExpression(text);
    EXPECT_EQ(copy.GetValue(), number.GetValue());
    EXPECT_EQ(copy.GetErrorCode(), number.GetErrorCode());
    EXPECT_EQ(copy.GetErrorMessage(), number.GetErrorMessage());
    return {number.GetValue().GetUnits(), number.GetErrorCode(), number.GetErrorMessage()};
}

// Units of a text that must evaluate without error.
int64_t Value(const CString& text)
{
    Outcome outcome = Parse(text);
    EXPECT_EQ(outcome.error, 0) << text.GetString() << ": " << outcome.message.GetString();
    return outcome.units;
}

} // namespace

TEST(ExpressionNumbers, PlainNumbersAndSeparators)
{
    EXPECT_EQ(Value("1,234.5"), 12345000);
    EXPECT_EQ(Value("0.0001"), 1);
    EXPECT_EQ(Value(".5"), 5000);
    EXPECT_EQ(Value(" 1 2 "), 120000);
    EXPECT_EQ(Value("-7"), -70000);
    EXPECT_EQ(Value("+7"), 70000);
}

TEST(ExpressionNumbers, DigitsAndAPointAloneAreReadAsTheyStand)
{
    EXPECT_EQ(Value("007"), 70000);
    EXPECT_EQ(Value("12."), 120000);
    EXPECT_EQ(Value("1.23456"), 12346) << "the fifth decimal rounds";
    EXPECT_EQ(Value("922337203685477.5807"), INT64_MAX);
    for (const char* refused : {"1.2.3", ".", "922337203685477.5808", "99999999999999999999"}) {
        Outcome outcome = Parse(refused);
        EXPECT_EQ(outcome.error, 4) << refused;
        EXPECT_EQ(outcome.message, CString(refused) + " は数値として変換できません");
        EXPECT_EQ(outcome.units, 0);
    }
}

TEST(ExpressionNumbers, EmptyTextIsZeroWithoutError)
{
    Outcome outcome = Parse("");
    EXPECT_EQ(outcome.units, 0);
    EXPECT_EQ(outcome.error, 0);
    EXPECT_TRUE(outcome.message.IsEmpty());
}

TEST(ExpressionNumbers, FullWidthCharactersCountAsTheirSingleByteForms)
{
    EXPECT_EQ(Value("１２３"), 1230000);
    EXPECT_EQ(Value("１，０００＊（２＋３）"), 50000000);
    EXPECT_EQ(Value("ｒｏｕｎｄ（２．５）"), 30000);
    EXPECT_EQ(Value("１　２"), 120000);
}

TEST(ExpressionNumbers, BlanksOnly)
{
    Outcome ascii = Parse("   ");
    EXPECT_EQ(ascii.error, 1);
    EXPECT_EQ(ascii.message, "全て空白文字のため変換できません");
    // Full-width blanks turn single-byte in the width conversion and are removed after it.
    Outcome fullWidth = Parse("　　");
    EXPECT_EQ(fullWidth.error, 1);
    EXPECT_EQ(fullWidth.message, "全て空白文字のため変換できません");
    Outcome mixed = Parse(" 　 ");
    EXPECT_EQ(mixed.error, 1);
}

TEST(ExpressionNumbers, DoubleByteCharacterLeft)
{
    Outcome outcome = Parse("１２３円");
    EXPECT_EQ(outcome.error, 2);
    EXPECT_EQ(outcome.message, "全角文字が含まれているため変換できません");
    EXPECT_EQ(outcome.units, 0);
}

TEST(ExpressionNumbers, OperandThatIsNoNumber)
{
    Outcome word = Parse("abc");
    EXPECT_EQ(word.error, 4);
    EXPECT_EQ(word.message, "abc は数値として変換できません");
    Outcome points = Parse("2*1.2.3");
    EXPECT_EQ(points.error, 4);
    EXPECT_EQ(points.message, "1.2.3 は数値として変換できません");
    Outcome kana = Parse("ｱ");
    EXPECT_EQ(kana.error, 4);
    EXPECT_EQ(Parse("1e5").error, 4);
}

TEST(ExpressionNumbers, AfterAnErrorTheValueIsZeroAndInvalid)
{
    CNumber number(5);
    number.ParseExpression("abc");
    EXPECT_EQ(number.GetValue().GetUnits(), 0);
    EXPECT_FALSE(number.IsValid());
    number.ParseExpression("2");
    EXPECT_EQ(number.GetErrorCode(), 0);
    EXPECT_TRUE(number.GetErrorMessage().IsEmpty());
    EXPECT_TRUE(number.IsValid());
}

TEST(ExpressionArithmetic, PrecedenceAndGrouping)
{
    EXPECT_EQ(Value("2*(3+4)"), 140000);
    EXPECT_EQ(Value("2+3*4"), 140000);
    EXPECT_EQ(Value("8-2-1"), 50000);
    EXPECT_EQ(Value("8/2*2"), 80000);
    EXPECT_EQ(Value("-(2+3)"), -50000);
    EXPECT_EQ(Value("(-2)*3"), -60000);
    EXPECT_EQ(Value("10/4"), 25000);
    EXPECT_EQ(Value("1/3"), 3333);
    EXPECT_EQ(Value("((1+2))*((3))"), 90000);
    EXPECT_EQ(Value("()"), 0);
}

TEST(ExpressionArithmetic, DivisionByZeroNamesTheExpression)
{
    Outcome outcome = Parse("5/0");
    EXPECT_EQ(outcome.error, 4);
    EXPECT_EQ(outcome.message, "5/0 ... ゼロで除算しています");
    EXPECT_EQ(Parse("1+6/(2-2)").message, "6/(2-2) ... ゼロで除算しています");
}

TEST(ExpressionArithmetic, OverflowIsAnError)
{
    Outcome sum = Parse("922337203685477+1");
    EXPECT_EQ(sum.error, 4);
    EXPECT_EQ(sum.message, "922337203685477+1 ... 予期しないｴﾗｰです");
    Outcome product = Parse("1+900000000000000*2");
    EXPECT_EQ(product.error, 4);
    EXPECT_EQ(product.message, "900000000000000*2 ... 乗算ｴﾗｰです");
    Outcome quotient = Parse("900000000000000/0.5");
    EXPECT_EQ(quotient.error, 4);
    EXPECT_EQ(quotient.message, "900000000000000/0.5 ... 除算ｴﾗｰです");
    Outcome rounding = Parse("ROUNDUP(922337203685477.1)");
    EXPECT_EQ(rounding.error, 4);
    EXPECT_EQ(rounding.message, "ROUNDUP(922337203685477.1) ... 予期しないｴﾗｰです");
    EXPECT_EQ(Parse("99999999999999999999").error, 4);
}

// A leading minus belongs to the first term: the lowest amount, whose magnitude has no positive
// value, evaluates from its own text, and everything else keeps its value.
TEST(ExpressionArithmetic, LeadingMinusGoesWithTheFirstTerm)
{
    EXPECT_EQ(Value("-922337203685477.5808"), INT64_MIN);
    EXPECT_EQ(Value("-922337203685477.5808+1"), INT64_MIN + 10000);
    EXPECT_EQ(Value("-922337203685477.5808/2"), INT64_MIN / 2);
    EXPECT_EQ(Value("-2*3-1"), -70000);
    EXPECT_EQ(Value("-(2+3)*2"), -100000);
    EXPECT_EQ(Value("-ROUND(2.5)"), -30000);
    EXPECT_EQ(Value("1-2*3"), -50000);
    EXPECT_EQ(Parse("-922337203685477.5808-1").error, 4);
    EXPECT_EQ(Parse("-(-922337203685477.5808)").error, 4);
}

TEST(ExpressionSyntax, OperatorsInTheWrongPlace)
{
    for (const char* text : {"2*-3", "--2", "1+", "1*", "2*/3", "(1)2", "(+)", "*2", "1-(2*)", ")("}) {
        SCOPED_TRACE(text);
        Outcome outcome = Parse(text);
        EXPECT_EQ(outcome.error, 3);
        EXPECT_EQ(outcome.message, "書式を理解することができません");
        EXPECT_EQ(outcome.units, 0);
    }
}

TEST(ExpressionSyntax, UnbalancedParentheses)
{
    for (const char* text : {"(1+2", "((1)", "1)+(2", "("}) {
        SCOPED_TRACE(text);
        Outcome outcome = Parse(text);
        EXPECT_EQ(outcome.error, 3);
        EXPECT_EQ(outcome.message, "括弧の数が対応していません");
    }
}

TEST(ExpressionSyntax, NestingIsCapped)
{
    auto nested = [](int depth) { return CString(std::string(depth, '(') + "1" + std::string(depth, ')')); };
    EXPECT_EQ(Value(nested(60)), 10000);
    Outcome deep = Parse(nested(100000));
    EXPECT_EQ(deep.error, 3);
    EXPECT_EQ(deep.message, "括弧の入れ子が深すぎます");
    std::string calls;
    for (int i = 0; i < 5000; ++i) {
        calls += "ROUND(";
    }
    Outcome deepCalls = Parse(CString(calls + "1" + std::string(5000, ')')));
    EXPECT_EQ(deepCalls.error, 3);
}

TEST(ExpressionSyntax, LongChainsNeedNoDeepNesting)
{
    std::string chain = "1";
    for (int i = 0; i < 20000; ++i) {
        chain += i % 2 == 0 ? "+2" : "-1";
    }
    EXPECT_EQ(Value(CString(chain)), 100010000);
}

TEST(ExpressionFunctions, RoundingFamilies)
{
    EXPECT_EQ(Value("round(2.5)"), 30000);
    EXPECT_EQ(Value("ROUND(-2.5)"), -30000);
    EXPECT_EQ(Value("ROUNDJIS(2.5)"), 20000);
    EXPECT_EQ(Value("ROUNDJIS(3.5)"), 40000);
    EXPECT_EQ(Value("ROUND(1.2345,2)"), 12300);
    EXPECT_EQ(Value("ROUNDUP(1.2301,2)"), 12400);
    EXPECT_EQ(Value("RoundDown(-2.9)"), -20000);
    EXPECT_EQ(Value("FIX(123,2)"), 1200000);
    EXPECT_EQ(Value("FIX(1234.5678,3)"), 12300000);
    EXPECT_EQ(Value("FIXUP(1234.5678,3)"), 12400000);
    EXPECT_EQ(Value("FIXDOWN(1299,2)"), 12000000);
    EXPECT_EQ(Value("FIXJIS(125,2)"), 1200000);
}

TEST(ExpressionFunctions, ArgumentsAreExpressions)
{
    EXPECT_EQ(Value("ROUND(1200*1.05,0)"), 12600000);
    EXPECT_EQ(Value("ROUND(1.23456,1+1)"), 12300);
    EXPECT_EQ(Value("ROUND(1.26,1.9)"), 13000);
    EXPECT_EQ(Value("ROUND(ROUND(1.45,1))"), 20000);
    EXPECT_EQ(Value("2*FIX(1234,2)+1"), 24010000);
    EXPECT_EQ(Value("ROUND()"), 0);
}

TEST(ExpressionFunctions, ParenthesisBeforeTheNextArgument)
{
    EXPECT_EQ(Value("ROUND(1200*(1+0.08),0)"), 12960000);
    EXPECT_EQ(Value("ROUND(ROUND(1.44,1),0)"), 10000);
    EXPECT_EQ(Value("FIX(ROUND(1234.5),2)"), 12000000);
    EXPECT_EQ(Value("ＲＯＵＮＤ（（１＋２）＊３，０）"), 90000);
    // Outside a call the comma still joins no operands.
    Outcome outcome = Parse("(1),2");
    EXPECT_EQ(outcome.error, 4);
    EXPECT_EQ(outcome.message, "(1),2 は数値として変換できません");
}

TEST(ExpressionFunctions, WrongArgumentCounts)
{
    Outcome many = Parse("ROUND(1,2,3)");
    EXPECT_EQ(many.error, 7);
    EXPECT_EQ(many.message, "ROUND 関数のﾊﾟﾗﾒｰﾀ数が違います");
    Outcome few = Parse("fix(5)");
    EXPECT_EQ(few.error, 7);
    EXPECT_EQ(few.message, "fix 関数のﾊﾟﾗﾒｰﾀ数が違います");
}

TEST(ExpressionFunctions, UnknownFunctions)
{
    Outcome sum = Parse("SUM(1)");
    EXPECT_EQ(sum.error, 6);
    EXPECT_EQ(sum.message, "SUM 関数が見つかりません");
    EXPECT_EQ(Parse("2(3)").message, "2 関数が見つかりません");
}

TEST(ExpressionFunctions, JuxtaposedGroupsAreNoNumber)
{
    Outcome outcome = Parse("(1)(2)");
    EXPECT_EQ(outcome.error, 4);
    EXPECT_EQ(outcome.message, "1)(2 は数値として変換できません");
}

TEST(ExpressionFunctions, ErrorsInsideArgumentsWin)
{
    Outcome outcome = Parse("ROUND(1/0,abc)");
    EXPECT_EQ(outcome.error, 4);
    EXPECT_EQ(outcome.message, "1/0 ... ゼロで除算しています");
}

TEST(ExpressionFunctionCall, SplitsAtTopLevelCommas)
{
    CNumber number;
    CStringArray list;
    ASSERT_TRUE(number.ParseFunctionCall("F(a,G(b,c),)", list));
    ASSERT_EQ(list.GetSize(), 4);
    EXPECT_EQ(list[0], "F");
    EXPECT_EQ(list[1], "a");
    EXPECT_EQ(list[2], "G(b,c)");
    EXPECT_EQ(list[3], "");

    CNumber nameless;
    EXPECT_FALSE(nameless.ParseFunctionCall("(1)", list));
    EXPECT_EQ(nameless.GetErrorCode(), 5);
    EXPECT_EQ(nameless.GetErrorMessage(), "(1) 関数の書式が理解できません");
}

TEST(ExpressionEvaluate, StopsAtAnErrorAlreadySet)
{
    CNumber number;
    number.ParseExpression("abc");
    CNumber result = number.EvaluateExpression("1+2");
    EXPECT_EQ(number.GetErrorMessage(), "abc は数値として変換できません");
    EXPECT_EQ(result.GetErrorCode(), 4);
}

TEST(ExpressionEvaluate, UncheckedTextNeverFailsHard)
{
    for (const char* text : {")", "(", "1)+(2", "F(", ",", "((("}) {
        SCOPED_TRACE(text);
        CNumber number;
        number.EvaluateExpression(text);
        EXPECT_NE(number.GetErrorCode(), 0);
    }
}
