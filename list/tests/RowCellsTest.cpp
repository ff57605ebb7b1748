#include "list/RowCells.h"

#include <gtest/gtest.h>

#include <string>

TEST(RowCells, EachKindReadsBackAndAnUnwrittenSlotReadsEmpty)
{
    RowCells cells;
    COleDateTime date;
    date.SetDateTime(2024, 5, 1, 13, 45, 10);
    cells.SetText(0, "表示テキスト");
    cells.SetNumber(1, COleCurrency(-12345678));
    cells.SetDate(2, date);
    cells.SetYesNo(127, true);

    EXPECT_EQ(cells.Text(0), "表示テキスト");
    EXPECT_EQ(cells.Number(1), COleCurrency(-12345678));
    EXPECT_EQ(cells.Date(2), date);
    EXPECT_TRUE(cells.YesNo(127));
    EXPECT_EQ(cells.ValueCount(), 4);

    const CellRecord unwritten = cells.Get(3);
    EXPECT_TRUE(unwritten.text.IsEmpty());
    EXPECT_EQ(unwritten.number.GetValue(), COleCurrency());
    EXPECT_EQ(unwritten.date.GetStatus(), COleDateTime::null);
    EXPECT_FALSE(unwritten.yesNo);
    EXPECT_EQ(unwritten.textColor, kDefaultColor);
    EXPECT_EQ(unwritten.backColor, kDefaultColor);
    EXPECT_EQ(cells.Get(-1).text, "");
    EXPECT_EQ(cells.Get(kMaxColumns).text, "");
}

TEST(RowCells, AnInvalidNumberIsKeptAndADateThatFailedIsNone)
{
    RowCells cells;
    cells.SetNumber(0, COleCurrency(0, COleCurrency::invalid));
    COleDateTime failed;
    failed.ParseDateTime("no date");
    cells.SetDate(1, failed);
    EXPECT_EQ(cells.Number(0).GetStatus(), COleCurrency::invalid) << "it sorts apart from a blank 0";
    EXPECT_FALSE(cells.Date(1).IsValid());
    EXPECT_EQ(cells.ValueCount(), 1);
}

TEST(RowCells, EmptyValuesAndDefaultColoursTakeNoRoom)
{
    RowCells cells;
    cells.SetText(0, "");
    cells.SetNumber(1, COleCurrency());
    cells.SetDate(2, COleDateTime(0, COleDateTime::null));
    cells.SetYesNo(3, false);
    cells.SetColors(4, kDefaultColor, kDefaultColor);
    EXPECT_TRUE(cells.IsEmpty());

    cells.SetText(0, "a");
    cells.SetColors(0, RGB(1, 2, 3), kDefaultColor);
    cells.SetText(0, "");
    EXPECT_EQ(cells.ValueCount(), 0);
    EXPECT_TRUE(cells.HasColours()) << "a colour stays without a value";
    cells.SetColors(0, kDefaultColor, kDefaultColor);
    EXPECT_TRUE(cells.IsEmpty());
    EXPECT_EQ(cells.TextBytes(), 0u);
}

TEST(RowCells, AValueOfAnotherKindTakesTheSlotsPlace)
{
    RowCells cells;
    cells.SetText(5, "1234");
    cells.SetNumber(5, COleCurrency(1234 * COleCurrency::kUnitsPerOne));
    EXPECT_EQ(cells.KindAt(5), RowCells::Kind::Number);
    EXPECT_EQ(cells.Text(5), "");
    EXPECT_EQ(cells.TextBytes(), 0u);
    cells.SetYesNo(5, true);
    EXPECT_EQ(cells.Number(5), COleCurrency());
    EXPECT_TRUE(cells.Get(5).yesNo);
    EXPECT_EQ(cells.ValueCount(), 1);
}

TEST(RowCells, RewrittenTextsStayWhole)
{
    RowCells cells;
    for (int slot = 0; slot < kMaxColumns; ++slot) {
        cells.SetText(slot, std::string(slot % 7 + 1, static_cast<char>('a' + slot % 26)));
    }
    // Longer and shorter texts over and over, and slots freed among them.
    for (int round = 0; round < 50; ++round) {
        for (int slot = round % 3; slot < kMaxColumns; slot += 3) {
            cells.SetText(slot, std::string((slot + round) % 40 + 1, static_cast<char>('A' + round % 26)));
        }
        cells.SetText((round * 11) % kMaxColumns, "");
    }
    size_t live = 0;
    for (int slot = 0; slot < kMaxColumns; ++slot) {
        const std::string_view text = cells.Text(slot);
        live += text.size();
        if (!text.empty()) {
            EXPECT_EQ(text.find_first_not_of(text[0]), std::string_view::npos) << "slot " << slot;
        }
    }
    EXPECT_EQ(cells.TextBytes(), live);
    EXPECT_EQ(cells.Text(49), std::string((49 + 49) % 40 + 1, 'A' + 49 % 26)) << "its last text";
}

TEST(RowCells, ATextCanBeCopiedFromTheSameRow)
{
    RowCells cells;
    cells.SetText(0, "とても長い商品の名前、二行にわたる説明つき");
    for (int slot = 1; slot < 20; ++slot) {
        cells.SetText(slot, cells.Text(slot - 1));
    }
    cells.SetText(0, cells.Text(0).substr(3));
    EXPECT_EQ(cells.Text(19), "とても長い商品の名前、二行にわたる説明つき");
    EXPECT_EQ(cells.Text(0), CString("とても長い商品の名前、二行にわたる説明つき").Mid(3).view());
}

TEST(RowCells, ColoursAndValuesAreCopiedAndClearedTogether)
{
    RowCells from;
    from.SetText(2, "赤");
    from.SetColors(2, RGB(255, 0, 0), RGB(0, 0, 255));
    from.SetColors(9, kDefaultColor, RGB(0, 255, 0));

    RowCells to;
    to.SetNumber(2, COleCurrency(5));
    to.SetText(9, "消える");
    to.Copy(2, from);
    to.Copy(9, from);
    EXPECT_EQ(to.Text(2), "赤");
    EXPECT_EQ(to.TextColor(2), RGB(255, 0, 0));
    EXPECT_EQ(to.BackColor(2), RGB(0, 0, 255));
    EXPECT_EQ(to.KindAt(9), RowCells::Kind::Empty);
    EXPECT_EQ(to.BackColor(9), RGB(0, 255, 0));

    to.Clear(2);
    EXPECT_EQ(to.Get(2).text, "");
    EXPECT_EQ(to.TextColor(2), kDefaultColor);
    EXPECT_EQ(to.BackColor(9), RGB(0, 255, 0)) << "the other slot keeps its colour";
}

TEST(RowCells, CellsAreStoredByTheColumnTypeOnly)
{
    CellValue value;
    value.text = "text";
    value.number.SetInteger(7);
    value.date.SetDate(2020, 2, 29);
    value.yesNo = true;
    const int kinds[][2] = {{kTypeYesNo, static_cast<int>(RowCells::Kind::YesNo)},
                            {kTypeText, static_cast<int>(RowCells::Kind::Text)},
                            {kTypeMark, static_cast<int>(RowCells::Kind::Text)},
                            {kTypeNumber, static_cast<int>(RowCells::Kind::Number)},
                            {kTypeDate, static_cast<int>(RowCells::Kind::Date)},
                            {kTypeNone, static_cast<int>(RowCells::Kind::Empty)}};
    for (const auto& [type, kind] : kinds) {
        RowCells cells;
        cells.Set(0, type, value);
        EXPECT_EQ(static_cast<int>(cells.KindAt(0)), kind) << "type " << type;
        EXPECT_EQ(cells.ValueCount(), kind == 0 ? 0 : 1) << "type " << type;
    }
}

TEST(RowCells, SlotsOutsideTheRowAreIgnored)
{
    RowCells cells;
    cells.SetText(-1, "x");
    cells.SetNumber(kMaxColumns, COleCurrency(1));
    cells.SetColors(kMaxColumns, RGB(1, 1, 1), RGB(1, 1, 1));
    cells.Clear(-5);
    EXPECT_TRUE(cells.IsEmpty());
    EXPECT_EQ(cells.KindAt(kMaxColumns), RowCells::Kind::Empty);
}
