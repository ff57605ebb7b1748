#include "grid/MemoryDataSource.h"

#include "support/FakeGrid.h"

#include <gtest/gtest.h>

namespace {

CCellRecord Text(const char* text)
{
    CCellRecord record;
    record.SetTextValue(text);
    return record;
}

CCellRecord Number(double value)
{
    CCellRecord record;
    record.SetNumberValue(value);
    return record;
}

CString TextAt(CCellDataSource& source, int column, int row)
{
    CCellRecord record;
    source.GetCell(column, row, record);
    return record.GetText();
}

// The texts of a column from row 0 down, joined.
CString ColumnText(CCellGridCore& grid, int column)
{
    CString joined;
    for (int row = 0; row < grid.GetRowCount(); ++row) {
        joined += grid.GetCellText(column, row);
    }
    return joined;
}

} // namespace

TEST(MemoryDataSourceStorage, WritingRowFiveCreatesTheRowsBeforeIt)
{
    CMemoryDataSource source;
    EXPECT_EQ(source.GetRowCount(), 0);
    EXPECT_EQ(source.SetCell(1, 5, Text("five")), 0);
    EXPECT_EQ(source.GetRowCount(), 5);

    CCellRecord record;
    record.SetFillColor(RGB(1, 2, 3));
    EXPECT_EQ(source.GetCell(1, 3, record), 1);
    EXPECT_EQ(record.GetMaskBits(), CellMask::BackColor);
    EXPECT_EQ(TextAt(source, 1, 5), "five");
    // Row 3 exists although it holds nothing: a row can be inserted before it.
    EXPECT_EQ(source.InsertRow(3), 0);
    EXPECT_EQ(TextAt(source, 1, 6), "five");
}

TEST(MemoryDataSourceStorage, GetCellMergesOverTheGivenRecord)
{
    CMemoryDataSource source;
    CCellRecord stored = Text("a");
    source.SetCell(0, 0, stored);
    CCellRecord record;
    record.SetFillColor(RGB(7, 7, 7));
    EXPECT_EQ(source.GetCell(0, 0, record), 0);
    EXPECT_EQ(record.GetText(), "a");
    EXPECT_EQ(record.GetFillColor(), RGB(7, 7, 7));
}

TEST(MemoryDataSourceStorage, HeadingCellsLiveAtNegativeIndexes)
{
    CMemoryDataSource source;
    source.SetCell(0, 0, Text("cell"));
    source.SetCell(0, -1, Text("heading"));
    source.SetCell(-1, 0, Text("side"));
    EXPECT_EQ(TextAt(source, 0, -1), "heading");
    EXPECT_EQ(TextAt(source, -1, 0), "side");
    EXPECT_EQ(TextAt(source, 0, 0), "cell");
    EXPECT_EQ(source.GetRowCount(), 0);
}

TEST(MemoryDataSourceStorage, RowsWithoutSlotsRefuseInsertButDeleteQuietly)
{
    CMemoryDataSource source;
    EXPECT_EQ(source.InsertRow(0), 1);
    EXPECT_EQ(source.DeleteRow(4), 0);
    source.SetCell(0, 2, Text("x"));
    EXPECT_EQ(source.InsertRow(7), 1);
    EXPECT_EQ(source.DeleteRow(0), 0);
    EXPECT_EQ(TextAt(source, 0, 1), "x");
    EXPECT_EQ(source.DeleteCell(5, 1), 1);
    EXPECT_EQ(source.DeleteCell(0, 1), 0);
    CCellRecord record;
    EXPECT_EQ(source.GetCell(0, 1, record), 1);
}

TEST(MemoryDataSourceColumns, DeletingTheLastColumnOfARowKeepsItsSlot)
{
    CMemoryDataSource source;
    source.SetCell(0, 0, Text("a"));
    source.SetCell(1, 0, Text("b"));
    source.SetCell(2, 0, Text("c"));
    source.SetCell(0, 1, Text("d"));
    EXPECT_EQ(source.DeleteColumn(2), 0);
    CCellRecord record;
    EXPECT_EQ(source.GetCell(2, 0, record), 1);
    EXPECT_EQ(TextAt(source, 1, 0), "b");
    EXPECT_EQ(source.DeleteColumn(0), 0);
    EXPECT_EQ(TextAt(source, 0, 0), "b");
    EXPECT_EQ(source.GetCell(0, 1, record), 1); // row 1's only slot was its last
    EXPECT_EQ(CMemoryDataSource().DeleteColumn(0), 1);
}

TEST(MemoryDataSourceColumns, InsertingAColumnShiftsCellsAndTheGridsIds)
{
    RecordingGrid grid(4, 2);
    CCellDataSource& source = *grid.DataSourceAt(0);
    for (int column = 0; column < 4; ++column) {
        CCellRecord record = Text(CString(static_cast<char>('a' + column)));
        grid.WriteCell(column, 0, record);
    }
    EXPECT_EQ(source.InsertColumn(1), 0);
    EXPECT_EQ(grid.GetCellText(0, 0), "a");
    EXPECT_EQ(grid.GetCellText(1, 0), "b"); // column 1 now reads data-source id 2
    EXPECT_EQ(grid.DataSourceColumn(1), 2);
    EXPECT_EQ(grid.DataSourceColumn(3), 4);
    EXPECT_EQ(TextAt(source, 1, 0), "");
}

TEST(MemoryDataSourceFind, WholeTextMatchesWithoutRegardToCase)
{
    RecordingGrid grid(3, 4);
    CCellRecord record = Text("Apple");
    grid.WriteCell(1, 2, record);
    CCellDataSource& source = *grid.DataSourceAt(0);
    int column = 1, row = 0;
    EXPECT_EQ(source.FindNext("apple", &column, &row, 0), 0);
    EXPECT_EQ(row, 2);
    column = 1;
    row = 0;
    EXPECT_EQ(source.FindNext("app", &column, &row, 0), 1);
    EXPECT_EQ(source.FindNext("ppl", &column, &row, FindFlags::Partial), 0);
    EXPECT_EQ(row, 2);
    EXPECT_EQ(source.FindNext("APP", &column, &row, FindFlags::Partial), 1);
    EXPECT_EQ(source.FindNext("APP", &column, &row, FindFlags::Partial | FindFlags::IgnoreCase), 0);
    // The only hit is found again after one full round, also backwards.
    EXPECT_EQ(source.FindNext("APP", &column, &row,
                              FindFlags::Partial | FindFlags::IgnoreCase | FindFlags::Backward),
              0);
    EXPECT_EQ(row, 2);
    EXPECT_EQ(source.FindNext("xyz", &column, &row, FindFlags::Partial), 1);
    EXPECT_EQ(source.FindNext("", &column, &row, FindFlags::Partial), 1);
}

TEST(MemoryDataSourceFind, ForwardSearchFromTheLastCellWrapsToRowZero)
{
    RecordingGrid grid(3, 4);
    CCellRecord record = Text("hit");
    grid.WriteCell(0, 0, record);
    grid.WriteCell(2, 3, record);
    CCellDataSource& source = *grid.DataSourceAt(0);
    int column = 2, row = 3;
    EXPECT_EQ(source.FindNext("hit", &column, &row, FindFlags::AlongRows), 0);
    EXPECT_EQ(column, 0);
    EXPECT_EQ(row, 0);
    // Backwards from (0,0) wraps to the last row.
    EXPECT_EQ(source.FindNext("hit", &column, &row, FindFlags::AlongRows | FindFlags::Backward), 0);
    EXPECT_EQ(column, 2);
    EXPECT_EQ(row, 3);
    // Without moving along rows the search stays in the column.
    column = 1;
    row = 0;
    EXPECT_EQ(source.FindNext("hit", &column, &row, 0), 1);
    EXPECT_EQ(source.FindFirst("hit", &column, &row, FindFlags::AlongRows), 0);
    EXPECT_EQ(column, 0);
    EXPECT_EQ(row, 0);
}

TEST(MemoryDataSourceFind, CaseFoldingKeepsDoubleByteCharactersWhole)
{
    RecordingGrid grid(2, 2);
    // The trail byte of ヌ is 'k': folding bytes would turn it into ケ (trail 'K').
    CCellRecord record = Text("ケーキ");
    grid.WriteCell(0, 0, record);
    record = Text("ｂｅｅｒ");
    grid.WriteCell(1, 1, record);
    CCellDataSource& source = *grid.DataSourceAt(0);
    int column = -1, row = 0;
    const int flags = FindFlags::AlongRows | FindFlags::Partial | FindFlags::IgnoreCase;
    EXPECT_EQ(source.FindNext("ヌ", &column, &row, flags), 1);
    column = -1;
    row = 0;
    EXPECT_EQ(source.FindNext("ＢＥＥ", &column, &row, flags), 0);
    EXPECT_EQ(column, 1);
    EXPECT_EQ(row, 1);
}

TEST(MemoryDataSourceSort, NumbersSortByValueAndEmptyKeysKeepTheirOrder)
{
    RecordingGrid grid(2, 6);
    const double values[] = {10, 9, 100};
    for (int row = 0; row < 3; ++row) {
        CCellRecord key = Number(values[row]);
        grid.WriteCell(0, row, key);
    }
    // Rows 3-5 have no key; their second column tells them apart.
    for (int row = 0; row < 6; ++row) {
        CCellRecord tag = Text(CString(static_cast<char>('A' + row)));
        grid.WriteCell(1, row, tag);
    }
    CCellDataSource& source = *grid.DataSourceAt(0);
    EXPECT_EQ(source.SortByColumn(0, 0), 0);
    EXPECT_EQ(ColumnText(grid, 1), "DEFBAC");
    EXPECT_EQ(source.SortByColumn(0, kSortDescending), 0);
    EXPECT_EQ(ColumnText(grid, 1), "CABDEF");
}

TEST(MemoryDataSourceSort, TextsCompareByUnsignedBytesAndTheSortIsStable)
{
    RecordingGrid grid(2, 5);
    const char* keys[] = {"表", "b", "a", "b", "ｱ"};
    for (int row = 0; row < 5; ++row) {
        CCellRecord key = Text(keys[row]);
        grid.WriteCell(0, row, key);
        CCellRecord tag = Text(CString(static_cast<char>('0' + row)));
        grid.WriteCell(1, row, tag);
    }
    const int ids[] = {0};
    EXPECT_EQ(grid.DataSourceAt(0)->SortRows(ids, 1, 0), 0);
    EXPECT_EQ(ColumnText(grid, 1),
              "21304"); // a, b, b (in their old order), kanji (lead 0x95), half-width kana (0xB1)
    EXPECT_EQ(CMemoryDataSource().SortByColumn(0, 0), 1);
}

TEST(MemoryDataSourceSort, TheGridsComparisonDecides)
{
    struct Reversed : RecordingGrid
    {
        Reversed() : RecordingGrid(1, 3) {}
        int OnSortCompare(const CCellRecord* a, const CCellRecord* b, int flags) override
        {
            return -CCellGridCore::DefaultSortCompare(a, b, flags);
        }
    } grid;
    for (int row = 0; row < 3; ++row) {
        CCellRecord key = Text(CString(static_cast<char>('a' + row)));
        grid.WriteCell(0, row, key);
    }
    grid.DataSourceAt(0)->SortByColumn(0, 0);
    EXPECT_EQ(grid.GetCellText(0, 0), "c");
}

TEST(MemoryDataSourceTextBefore, FindsTheNearestNonEmptyCellToTheLeft)
{
    CMemoryDataSource source;
    source.SetCell(0, 0, Text("first"));
    source.SetCell(1, 0, Text(""));
    source.SetCell(3, 0, Text("self"));
    int column = 3;
    EXPECT_EQ(source.FindTextBefore(&column, 0), 0);
    EXPECT_EQ(column, 0);
    column = 9; // past the row's end: from its last cell, which is not the given column
    EXPECT_EQ(source.FindTextBefore(&column, 0), 0);
    EXPECT_EQ(column, 3);
    column = 0;
    EXPECT_EQ(source.FindTextBefore(&column, 0), 1);
    EXPECT_EQ(source.FindTextBefore(&column, 4), 1);
}

TEST(GridSortCompare, BothDirectionsAgree)
{
    CCellRecord number = Number(-3);
    CCellRecord empty;
    CCellRecord text = Text("abc");
    CCellRecord notANumber = Text("nan");
    notANumber.SetDataType(CellDataType::Number);
    const CCellRecord* records[] = {&number, &empty, &text, &notANumber, nullptr};
    for (const CCellRecord* a : records) {
        for (const CCellRecord* b : records) {
            for (int flags : {0, kSortDescending}) {
                EXPECT_EQ(CCellGridCore::DefaultSortCompare(a, b, flags),
                          -CCellGridCore::DefaultSortCompare(b, a, flags));
            }
        }
    }
    EXPECT_LT(CCellGridCore::DefaultSortCompare(&empty, &number, 0), 0);
    EXPECT_GT(CCellGridCore::DefaultSortCompare(nullptr, &number, 0), 0);
    EXPECT_LT(CCellGridCore::DefaultSortCompare(nullptr, &number, kSortDescending), 0);
}
