// Columns and joined heading rows built from a column table, without windows.
#include "foundation/GridColumnSetup.h"
#include "foundation/GridColumnDef.h"
#include "grid/CellGridCore.h"
#include "platform/TextMeasurer.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// Every byte is 7 pixels wide, so "あ" is 14 and a character unit (14 + 1) / 2 = 7.
class SevenPixelMeasurer : public TextMeasurer
{
  public:
    CSize GetTextExtent(const char*, int length) const override { return CSize(7 * length, 14); }
};

// The join holding a cell as "left,top,right,bottom", or "none".
std::string JoinOf(CCellGridCore& grid, int column, int row)
{
    int left, top, right, bottom;
    if (grid.GetJoinRange(column, row, left, top, right, bottom) != 0) {
        return "none";
    }
    return std::to_string(left) + "," + std::to_string(top) + "," + std::to_string(right) + "," +
           std::to_string(bottom);
}

int Unit()
{
    return CGridColumnSetup::CharUnit(SevenPixelMeasurer());
}

} // namespace

TEST(GridColumnSetup, TwoHeadingRowsJoinAcrossAndDown)
{
    const GridColumnDef table[] = {
        {"商品\v1\t名称", 0, 10, 9, 0, 0}, {"\tｶﾅ", 0, 0, 12, 2, 0x1000}, {"写真\v100", 0, 4, 12, 0, 0},
        {"合計\v101", 0, 6, 10, 0, 0},     {"", 0, 6, 10, 0, 0},          {nullptr, 0, 0, 0, 0, 0},
    };
    CCellGridCore grid;
    EXPECT_EQ(CGridColumnSetup::Apply(grid, table, 1, Unit()), 5);

    EXPECT_EQ(grid.CurrentSheet()->lockedColumns, 1);
    EXPECT_EQ(grid.CurrentSheet()->sideHeadingWidth, 20);
    EXPECT_EQ(grid.CurrentSheet()->TopHeadingRowCount(), 2);

    // The first part goes to the top row, the last to the row next to the cells.
    EXPECT_EQ(grid.GetCellText(0, -2), "商品");
    EXPECT_EQ(grid.GetCellText(0, -1), "名称");
    EXPECT_EQ(grid.GetCellText(1, -1), "ｶﾅ");
    EXPECT_EQ(JoinOf(grid, 1, -2), "0,-2,1,-2");
    EXPECT_EQ(JoinOf(grid, 1, -1), "none");
    // A count of 100 joins one row down; 101 one row down and one column across.
    EXPECT_EQ(grid.GetCellText(2, -2), "写真");
    EXPECT_EQ(JoinOf(grid, 2, -1), "2,-2,2,-1");
    EXPECT_EQ(JoinOf(grid, 4, -1), "3,-2,4,-1");

    // Widths are the characters plus two, in units; a width of 0 still gives two units.
    EXPECT_EQ(grid.GetColumnWidth(0), 12 * 7);
    EXPECT_EQ(grid.GetColumnWidth(1), 2 * 7);

    CCellRecord cell;
    grid.GetColDefaultCell(1, cell);
    EXPECT_EQ(cell.GetAlignFlags(), 12);
    EXPECT_EQ(cell.GetTypeIndex(), 2);
    EXPECT_EQ(cell.GetTypeStyle(), 0x1000u);
    grid.GetColDefaultCell(0, cell);
    EXPECT_FALSE(cell.TestMaskBits(CellMask::TypeStyle)) << "style 0 keeps the type's default";
}

TEST(GridColumnSetup, FirstHeadingWithoutTabGivesOneRowWhateverFollows)
{
    const GridColumnDef table[] = {
        {"番号", 0, 4, 10, 0, 0}, {"上\t下", 0, 8, 9, 0, 0}, {"名前\v1", 0, 8, 9, 0, 0},
        {"ﾌﾘｶﾞﾅ", 0, 8, 9, 0, 0}, {nullptr, 0, 0, 0, 0, 0},
    };
    CCellGridCore grid;
    CGridColumnSetup::Apply(grid, table, 0, Unit());
    EXPECT_EQ(grid.CurrentSheet()->TopHeadingRowCount(), 1);
    EXPECT_EQ(grid.GetCellText(1, -1), "上\t下");
    EXPECT_EQ(grid.GetCellText(2, -1), "名前");
    EXPECT_EQ(JoinOf(grid, 3, -1), "2,-1,3,-1");
}

TEST(GridColumnSetup, JoinsStayInsideTheHeadingsAndTheColumns)
{
    const GridColumnDef table[] = {
        {"左\t", 0, 4, 9, 0, 0},
        {"右\v205\t", 0, 4, 9, 0, 0},
        {"端", 0, 4, 9, 0, 0},
        {nullptr, 0, 0, 0, 0, 0},
    };
    CCellGridCore grid;
    grid.SetRowCount(5);
    CGridColumnSetup::Apply(grid, table, 0, Unit());
    // Five columns across and two rows down are cut at the last column and the last heading row.
    EXPECT_EQ(JoinOf(grid, 2, -1), "1,-2,2,-1");
    EXPECT_EQ(JoinOf(grid, 1, 0), "none");
    // A heading with more parts than the first one has rows never writes into the cells.
    EXPECT_EQ(grid.GetCellText(2, 0), "");
}

TEST(GridColumnSetup, ANewTableLeavesNoJoinOfTheOldOne)
{
    const GridColumnDef joined[] = {{"一\v1", 0, 4, 9, 0, 0}, {"", 0, 4, 9, 0, 0}, {nullptr, 0, 0, 0, 0, 0}};
    const GridColumnDef plain[] = {{"一", 0, 4, 9, 0, 0}, {"二", 0, 4, 9, 0, 0}, {nullptr, 0, 0, 0, 0, 0}};
    CCellGridCore grid;
    CGridColumnSetup::Apply(grid, joined, 0, Unit());
    ASSERT_EQ(JoinOf(grid, 1, -1), "0,-1,1,-1");
    CGridColumnSetup::Apply(grid, plain, 0, Unit());
    EXPECT_EQ(JoinOf(grid, 0, -1), "none");
    EXPECT_EQ(grid.GetCellText(1, -1), "二");
}
