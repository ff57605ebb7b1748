#include "foundation/SpinSteps.h"

#include <gtest/gtest.h>

namespace {

CDateEx Day(int year, int month, int day)
{
    CDateEx date;
    date.SetDate(year, month, day);
    return date;
}

} // namespace

TEST(SpinStep, IntegerStepsStopAtTheEditsBounds)
{
    const IntegerFormat format{NF_SHOW_ZERO | NF_MAXIMUM | NF_MINIMUM, 100, 0};
    CTypedEditValue value;
    value.SetIntegerFormat(&format);
    CSpinSteps steps;
    steps.integerStep = 5;
    const CDateEx today = Day(2024, 5, 1);
    EXPECT_EQ(steps.Step(value, "97", true, today), "100");
    EXPECT_EQ(steps.Step(value, "100", true, today), "100");
    EXPECT_EQ(steps.Step(value, "3", false, today), "0");
}

TEST(SpinStep, DecimalAndRealStepByTheirOwnSteps)
{
    const DecimalFormat decimal{NF_SHOW_ZERO, 4, 0, 0, false};
    CTypedEditValue value;
    value.SetDecimalFormat(&decimal);
    CSpinSteps steps;
    steps.decimalStep = CNumber(COleCurrency(2500));
    EXPECT_EQ(steps.Step(value, "1", true, CDateEx()), "1.2500");
    const RealFormat real{0, 1, 0, 0};
    value.SetRealFormat(&real);
    steps.realStep = 0.5;
    EXPECT_EQ(steps.Step(value, "1.0", false, CDateEx()), "0.5");
}

TEST(SpinStep, DatesMoveADayAndNormaliseAcrossMonthAndYearEnds)
{
    CTypedEditValue value;
    value.SetDateFormat("YYYY/MM/DD");
    const CSpinSteps steps;
    EXPECT_EQ(steps.Step(value, "2024/01/31", true, Day(2000, 1, 1)), "2024/02/01");
    EXPECT_EQ(steps.Step(value, "2024/01/01", false, Day(2000, 1, 1)), "2023/12/31");
    // Without a date the step starts from today.
    EXPECT_EQ(steps.Step(value, "", true, Day(2024, 2, 28)), "2024/02/29");
}

TEST(SpinStep, TimesCarryAndYearMonthsStartAtTheCurrentMonth)
{
    CTypedEditValue value;
    value.SetTimeFormat("HH:NN");
    CSpinSteps steps;
    steps.minuteStep = 15;
    EXPECT_EQ(steps.Step(value, "10:50", true, Day(2024, 5, 1)), "11:05");
    EXPECT_EQ(steps.Step(value, "", false, Day(2024, 5, 1)), "23:45");

    const YearMonthFormat format{YMF_EMPTY_FOR_ZERO, 0, 0};
    value.SetYearMonthFormat(&format);
    EXPECT_EQ(steps.Step(value, "", true, Day(2024, 5, 1)), "2024-05");
    EXPECT_EQ(steps.Step(value, "2024-12", true, Day(2024, 5, 1)), "2025-01");
    EXPECT_EQ(steps.Step(value, "2024-01", false, Day(2024, 5, 1)), "2023-12");
}

TEST(SpinStep, TextModesDoNotStep)
{
    CTypedEditValue value;
    EXPECT_EQ(CSpinSteps().Step(value, "abc", true, CDateEx()), "abc");
}
