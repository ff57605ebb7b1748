#include "grid/CellRecord.h"

#include "platform/SystemColors.h"
#include "support/FakeGrid.h"

#include <gtest/gtest.h>

#include <cstring>

TEST(CellRecordDefaults, ClearedRecordAnswersTheFixedDefaults)
{
    CCellRecord record;
    EXPECT_EQ(record.GetMaskBits(), 0u);
    EXPECT_EQ(record.GetFillColor(), GetSysColor(COLOR_WINDOW));
    EXPECT_EQ(record.GetForeColor(), GetSysColor(COLOR_WINDOWTEXT));
    EXPECT_EQ(record.GetDataType(), CellDataType::Text);
    EXPECT_EQ(record.GetText(), "");
    EXPECT_EQ(record.GetTypeIndex(), 0);
    EXPECT_EQ(record.GetIntValue(), -1);
    int first = 7, columns = 7, rows = 7;
    EXPECT_EQ(record.GetJoin(first, columns, rows), 1);
    EXPECT_EQ(first, 7);
    CString label = "kept";
    EXPECT_EQ(record.GetLabel(label), 1);
    EXPECT_EQ(label, "kept");
}

TEST(CellRecordValues, BooleanReadsLeadingTOrANonZeroNumber)
{
    CCellRecord record;
    record.SetBoolValue(1);
    EXPECT_EQ(record.GetBoolValue(), 1);
    EXPECT_EQ(record.GetDataType(), CellDataType::Bool);
    EXPECT_EQ(record.GetText(), "1");
    for (const char* text : {"true", "T", "12"}) {
        record.SetTextValue(text);
        EXPECT_EQ(record.GetBoolValue(), 1) << text;
    }
    for (const char* text : {"0", "abc", "", "false"}) {
        record.SetTextValue(text);
        EXPECT_EQ(record.GetBoolValue(), 0) << text;
    }
}

TEST(CellRecordValues, NumberIsWrittenWithTheDecimalsSet)
{
    CCellRecord record;
    record.SetNumberValue(3.14159);
    EXPECT_EQ(record.GetText(), "3.141590");
    EXPECT_EQ(record.GetDataType(), CellDataType::Number);
    record.SetDecimals(2);
    record.SetNumberValue(3.14159);
    EXPECT_EQ(record.GetText(), "3.14");
    EXPECT_DOUBLE_EQ(record.GetNumberValue(), 3.14);
    record.SetDecimals(0);
    record.SetNumberValue(-2.5);
    EXPECT_EQ(record.GetText(), "-2");
    // A negative count of decimals falls back to the plain format instead of a broken one.
    record.SetDecimals(-3);
    record.SetNumberValue(1);
    EXPECT_EQ(record.GetText(), "1.000000");
}

TEST(CellRecordValues, NumberTextReadsLikeStrtodAndZeroWithoutText)
{
    CCellRecord record;
    EXPECT_EQ(record.GetNumberValue(), 0);
    record.SetTextValue("  +12.5kg");
    EXPECT_DOUBLE_EQ(record.GetNumberValue(), 12.5);
    record.SetTextValue("-1e3");
    EXPECT_DOUBLE_EQ(record.GetNumberValue(), -1000);
    record.SetTextValue("abc");
    EXPECT_EQ(record.GetNumberValue(), 0);
}

TEST(CellRecordMerge, OnlyTheSourcesPropertiesChange)
{
    CCellRecord full;
    full.SetTextValue("表示");
    full.SetForeColor(RGB(1, 2, 3));
    full.SetFillColor(RGB(4, 5, 6));
    full.SetTypeIndex(2);
    full.SetLabelString("a\nb\n");
    const std::uint32_t before = full.GetMaskBits();

    CCellRecord back;
    back.SetFillColor(RGB(9, 9, 9));
    back.MergePropertiesInto(full);
    EXPECT_EQ(full.GetMaskBits(), before);
    EXPECT_EQ(full.GetFillColor(), RGB(9, 9, 9));
    EXPECT_EQ(full.GetForeColor(), RGB(1, 2, 3));
    EXPECT_EQ(full.GetText(), "表示");
    EXPECT_EQ(full.GetLabel(), "a\nb\n");
    EXPECT_EQ(full.GetTypeIndex(), 2);
}

TEST(CellRecordMerge, CopyIsAnAssignmentByMask)
{
    CCellRecord source;
    source.SetTextValue("x");
    CCellRecord target;
    target.SetFillColor(RGB(1, 1, 1));
    target.SetEditMask("00");
    source.CopyPropertiesTo(target);
    EXPECT_EQ(target.GetMaskBits(), source.GetMaskBits());
    EXPECT_EQ(target.GetFillColor(), GetSysColor(COLOR_WINDOW));
    EXPECT_EQ(target.GetEditMask(), "");
}

TEST(CellRecordMerge, ExtraDataIsCopiedOrDroppedWithItsBit)
{
    const char bytes[] = "abc";
    CCellRecord withBlock;
    withBlock.SetExtraData(bytes, 3);
    CCellRecord target;
    withBlock.MergePropertiesInto(target);
    ASSERT_EQ(target.GetExtraSize(), 3);
    EXPECT_EQ(std::memcmp(target.GetExtraData(), bytes, 3), 0);
    EXPECT_NE(target.GetExtraData(), withBlock.GetExtraData());

    CCellRecord bitWithoutBlock;
    bitWithoutBlock.SetMaskBits(CellMask::Extra);
    bitWithoutBlock.MergePropertiesInto(target);
    EXPECT_EQ(target.GetExtraData(), nullptr);
    EXPECT_EQ(target.GetExtraSize(), 0);
}

TEST(CellRecordMerge, CopiesAreIndependent)
{
    CCellRecord original;
    original.SetLabelString("one\n");
    CCellRecord copy(original);
    copy.SetLabelString("two\n");
    EXPECT_EQ(original.GetLabel(), "one\n");
    original = copy;
    EXPECT_EQ(original.GetLabel(), "two\n");
}

TEST(CellRecordPicture, NullBitmapClearsTheProperty)
{
    CCellRecord record;
    record.SetPicture(nullptr);
    EXPECT_FALSE(record.TestMaskBits(CellMask::Picture));
}

TEST(CellRecordMeasure, MultiLineTextMeasuresItsWidestLine)
{
    FixedMeasurer dc;
    CCellRecord record;
    EXPECT_EQ(record.MeasureText(dc), CSize(0, 0));
    record.SetTextValue("ab\r\nlonger line\r\nc");
    EXPECT_EQ(record.MeasureText(dc).cx, 8 * 18); // the whole text as one line
    record.SetTypeStyle(kCellStyleMultiLine);
    EXPECT_EQ(record.MeasureText(dc), CSize(8 * 11, 14));
}
