#include "grid/CellGridCore.h"

#include "platform/Bitmap.h"
#include "support/FakeGrid.h"

#include <gtest/gtest.h>

TEST(GridColumnCount, OutOfRangeCountsChangeNothing)
{
    RecordingGrid grid(5, 5);
    EXPECT_EQ(grid.SetColCount(32001), 1);
    EXPECT_EQ(grid.SetColCount(-1), 1);
    EXPECT_EQ(grid.GetColCount(), 5);
    EXPECT_EQ(grid.SetColCount(32000, 0), 0);
    EXPECT_EQ(grid.SetColCount(0), 0);
    EXPECT_EQ(grid.CurrentColumn(), -1);
}

TEST(GridColumnCount, NewColumnsTakeTheDefaultsAndKeptOnesKeepTheirs)
{
    RecordingGrid grid(2, 1);
    grid.SetColumnWidth(1, 33);
    CCellRecord right;
    right.SetAlignFlags(2);
    grid.SetColDefaultCell(1, right);
    grid.CurrentSheet()->columnTemplate.SetTypeIndex(2);
    grid.SetColCount(4);
    EXPECT_EQ(grid.GetColumnWidth(1), 33);
    EXPECT_EQ(grid.GetColumnWidth(3), 75);
    CCellRecord record;
    grid.GetColDefaultCell(1, record);
    EXPECT_EQ(record.GetAlignFlags(), 2);
    grid.GetColDefaultCell(3, record);
    EXPECT_EQ(record.GetTypeIndex(), 2);
    EXPECT_EQ(grid.DataSourceColumn(3), 3);
    EXPECT_EQ(grid.GetColDefaultCell(4, record), 1);
}

TEST(GridRowCount, ManyRowsSwitchToUniformHeight)
{
    RecordingGrid grid(1, 10);
    grid.SetRowSize(3, 50);
    EXPECT_EQ(grid.GetRowSize(3), 50);
    EXPECT_EQ(grid.SetRowCount(-1), 1);
    grid.SetRowCount(64001);
    EXPECT_EQ(grid.CurrentSheet()->uniformRowHeight, 1);
    EXPECT_TRUE(grid.CurrentSheet()->rowHeights.empty());
    EXPECT_EQ(grid.GetRowSize(3), 20);
    EXPECT_EQ(grid.SetRowSize(5, 30), 0);
    EXPECT_EQ(grid.GetRowSize(64000), 30);
    EXPECT_EQ(grid.GetRowSize(64001), 0);
    grid.EnableUniformRowHeight(0);
    EXPECT_EQ(grid.GetRowSize(7), 30);
}

TEST(GridRowCount, CurrentRowFollowsTheCount)
{
    RecordingGrid grid(2, 0);
    EXPECT_EQ(grid.CurrentRow(), -1);
    grid.SetRowCount(5);
    EXPECT_EQ(grid.CurrentRow(), 0);
    grid.MoveToCell(0, 4);
    grid.SetRowCount(2);
    EXPECT_EQ(grid.CurrentRow(), 1);
}

TEST(GridRowCount, RowSizesAreCheckedAndNegativeMeansDefault)
{
    RecordingGrid grid(1, 3);
    EXPECT_EQ(grid.SetRowSize(3, 10), 1);
    EXPECT_EQ(grid.SetRowSize(-1, 10), 1);
    EXPECT_EQ(grid.SetRowSize(1, 40000), 1);
    grid.SetRowSize(1, 7);
    grid.SetRowSize(1, -1);
    EXPECT_EQ(grid.GetRowSize(1), 20);
    EXPECT_EQ(grid.SetUniformRowSize(0), 1);
    EXPECT_EQ(grid.SetUniformRowSize(1025), 1);
    EXPECT_EQ(grid.SetUniformRowSize(24), 0);
    EXPECT_EQ(grid.GetRowSize(0), 20); // per-row heights stay until uniform height is on
}

TEST(GridLockedCounts, ShrinkingToNoRowsOrColumnsCapsTheLockedCounts)
{
    RecordingGrid grid(4, 4);
    EXPECT_EQ(grid.SetLockedColCount(5), 1);
    EXPECT_EQ(grid.SetLockedColCount(2), 0);
    EXPECT_EQ(grid.SetLockedRowCount(2), 0);
    EXPECT_EQ(grid.CurrentSheet()->lockedWidth, 150);
    EXPECT_EQ(grid.FirstVisibleColumn(), 2);
    grid.SetRowCount(0);
    grid.SetColCount(0);
    EXPECT_EQ(grid.CurrentSheet()->lockedRows, 0);
    EXPECT_EQ(grid.CurrentSheet()->lockedColumns, 0);
    EXPECT_EQ(grid.CurrentSheet()->lockedHeight, 0);
    // Growing again reads no height or width past the arrays.
    grid.SetRowCount(3);
    grid.SetColCount(3);
    EXPECT_EQ(grid.CurrentSheet()->lockedWidth, 0);
    grid.SetLockedRowCount(3);
    grid.SetRowCount(2);
    EXPECT_EQ(grid.CurrentSheet()->lockedRows, 1);
}

TEST(GridHeadingSizes, RescalingKeepsTheRatioOfTheHeadingRows)
{
    RecordingGrid grid(2, 2);
    EXPECT_EQ(grid.SetTopHeadingRowCount(2), 0);
    EXPECT_EQ(grid.GetTopHeadingHeight(), 40);
    EXPECT_EQ(grid.SetTopHeadingRowHeight(-2, 10), 0);
    EXPECT_EQ(grid.SetTopHeadingHeight(60), 0);
    EXPECT_EQ(grid.CurrentSheet()->RowHeight(-1), 40);
    EXPECT_EQ(grid.CurrentSheet()->RowHeight(-2), 20);
    EXPECT_EQ(grid.SetTopHeadingRowHeight(-3, 10), 1);
    EXPECT_EQ(grid.SetTopHeadingRowHeight(-1, 1025), 2);
    EXPECT_EQ(grid.SetTopHeadingHeight(1025), 1);
    EXPECT_EQ(grid.SetTopHeadingRowCount(65), 1);
}

TEST(GridHeadingSizes, HeadingsDraggedShutCanBeOpenedAgain)
{
    RecordingGrid grid(2, 2);
    grid.SetTopHeadingRowCount(3);
    EXPECT_EQ(grid.SetTopHeadingHeight(0), 0);
    EXPECT_EQ(grid.SetTopHeadingHeight(31), 0);
    EXPECT_EQ(grid.CurrentSheet()->RowHeight(-1), 10);
    EXPECT_EQ(grid.CurrentSheet()->RowHeight(-2), 10);
    EXPECT_EQ(grid.CurrentSheet()->RowHeight(-3), 11);
    EXPECT_EQ(grid.SetSideHeadingWidth(0), 0);
    EXPECT_EQ(grid.SetSideHeadingWidth(25), 0);
    EXPECT_EQ(grid.CurrentSheet()->ColumnWidth(-1), 25);
}

TEST(GridHeadingSizes, TheOnlySideHeadingColumnSetsTheSideHeadingWidth)
{
    RecordingGrid grid(2, 2);
    EXPECT_EQ(grid.SetColumnWidth(-1, 30), 1);
    EXPECT_EQ(grid.GetSideHeadingWidth(), 30);
    EXPECT_EQ(grid.SetSideHeadingColWidth(-2, 10), 1);
    EXPECT_EQ(grid.SetColumnWidth(2, 10), 1);
    EXPECT_EQ(grid.GetColumnWidth(-1), 0);
}

TEST(GridHeadingSizes, DraggingUniformRowsAboveTheFirstRowDividesByOne)
{
    EXPECT_EQ(CCellGridCore::UniformRowHeightForDrag(200, 5), 40);
    EXPECT_EQ(CCellGridCore::UniformRowHeightForDrag(15, 0), 15);
    EXPECT_EQ(CCellGridCore::UniformRowHeightForDrag(-4, 0), 1);
}

TEST(GridFitWidths, ColumnsTakeTheWidthOfTheirWidestCell)
{
    RecordingGrid grid(3, 3);
    grid.SetCellText(0, 1, "abcd");
    grid.SetCellText(0, 2, "ab");
    EXPECT_EQ(grid.FitColWidths(0, 1, 0, 0), 0);
    EXPECT_EQ(grid.GetColumnWidth(0), 8 * 4 + 6 + 2);
    EXPECT_EQ(grid.GetColumnWidth(1), 3 + 6 + 2); // empty cells measure 3 x 3
    EXPECT_EQ(grid.FitColWidths(-2, 0, 0, 0), 1);
    EXPECT_EQ(grid.FitColWidths(0, 3, 0, 0), 2);
    EXPECT_EQ(grid.FitColWidths(2, 1, 0, 0), 3);
    // Only the first row is measured: a row with no text.
    EXPECT_EQ(grid.FitColWidths(0, 0, 1, 0), 0);
    EXPECT_EQ(grid.GetColumnWidth(0), 11);
    RecordingGrid empty(1, 0);
    empty.FitColWidths(0, 0, 0, 0);
    EXPECT_EQ(empty.GetColumnWidth(0), 5);
}

TEST(GridFitWidths, NeverWiderThanTheCellArea)
{
    RecordingGrid grid(1, 1);
    grid.SetCellText(0, 0, CString('x', 200));
    grid.FitColWidths(0, 0, 0, 0);
    EXPECT_EQ(grid.GetColumnWidth(0), grid.CurrentSheet()->areaWidth - grid.CurrentSheet()->vScrollBarWidth);
}

TEST(GridFitWidths, AZeroSizeBitmapMeasuresAsNone)
{
    RecordingGrid grid(1, 1);
    Bitmap empty;
    grid.SetCellBitmap(0, 0, &empty);
    grid.FitColWidths(0, 0, 0, 0);
    EXPECT_EQ(grid.GetColumnWidth(0), 11);
    Bitmap wide;
    ASSERT_TRUE(wide.Create(40, 20, 24));
    grid.SetCellBitmap(0, 0, &wide);
    grid.FitColWidths(0, 0, 0, 0);
    EXPECT_EQ(grid.GetColumnWidth(0), 7 * 40 / 20 + 6 + 11);
}

TEST(GridBitmapFit, ShrinksKeepingTheAspectAndSurvivesEmptySizes)
{
    EXPECT_EQ(CCellType::FitBitmap(CSize(40, 20), CSize(100, 100)), CSize(40, 20));
    EXPECT_EQ(CCellType::FitBitmap(CSize(200, 100), CSize(100, 100)), CSize(100, 50));
    EXPECT_EQ(CCellType::FitBitmap(CSize(0, 100), CSize(100, 100)), CSize(0, 0));
    EXPECT_EQ(CCellType::FitBitmap(CSize(10, 10), CSize(0, 5)), CSize(0, 0));
}

TEST(GridSheets, CountsOutsideOneTo1024AreRefused)
{
    RecordingGrid grid;
    EXPECT_EQ(grid.SetSheetCount(0), 1);
    EXPECT_EQ(grid.SetSheetCount(1025), 1);
    EXPECT_EQ(grid.GetSheetCount(), 1);
}

TEST(GridSheets, AddedSheetsAreSetUpWhileCurrent)
{
    struct SetupGrid : RecordingGrid
    {
        std::vector<int> currentDuringSetup;
        void OnSheetSetup(int sheet) override
        {
            RecordingGrid::OnSheetSetup(sheet);
            currentDuringSetup.push_back(CurrentSheetIndex());
            SetColCount(sheet + 1);
        }
    } grid;
    EXPECT_EQ(grid.SetSheetCount(3), 0);
    EXPECT_EQ(grid.log, (std::vector<std::string>{"OnSheetSetup 1", "OnSheetSetup 2"}));
    EXPECT_EQ(grid.currentDuringSetup, (std::vector<int>{1, 2}));
    EXPECT_EQ(grid.CurrentSheetIndex(), 0);
    EXPECT_EQ(grid.SheetAt(2)->colCount, 3);
    EXPECT_EQ(grid.SelectSheet(2), 0);
    EXPECT_EQ(grid.GetColCount(), 3);
    EXPECT_EQ(grid.SetSheetCount(2), 0);
    EXPECT_EQ(grid.CurrentSheetIndex(), 1);
    EXPECT_EQ(grid.GetColCount(), 2);
    EXPECT_EQ(grid.SelectSheet(2), 1);
}

TEST(GridSheets, ANewSheetHasTheStandardSizes)
{
    RecordingGrid grid;
    grid.SetSheetCount(2);
    const CGridSheetInfo& sheet = *grid.SheetAt(1);
    EXPECT_EQ(sheet.defaultColumnWidth, 75);
    EXPECT_EQ(sheet.defaultRowHeight, 20);
    EXPECT_EQ(sheet.topHeadingHeight, 20);
    EXPECT_EQ(sheet.sideHeadingWidth, 40);
    EXPECT_EQ(sheet.gridLineColor, RGB(220, 220, 220));
    EXPECT_EQ(sheet.headingDefault.GetBorderStyle(), 0x2000);
    EXPECT_EQ(sheet.headingDefault.GetAlignFlags(), 36);
    EXPECT_EQ(sheet.editWindow, &grid.edit);
}

TEST(GridPtrList, FreedSlotsReadNullAndTheListGrowsByTen)
{
    CGridPtrList list;
    int item = 0;
    for (int i = 0; i < 10; ++i) {
        EXPECT_EQ(list.Add(&item), i);
    }
    EXPECT_EQ(list.GetCapacity(), 10);
    EXPECT_EQ(list.Add(&item, 5), 10);
    EXPECT_EQ(list.GetCapacity(), 20);
    EXPECT_EQ(list.GetValue(10), 5);
    EXPECT_TRUE(list.FreeAt(3));
    EXPECT_EQ(list.GetAt(3), nullptr);
    EXPECT_EQ(list.GetAt(15), nullptr);
    EXPECT_EQ(list.GetAt(25), nullptr);
    EXPECT_EQ(list.Add(&item), 3);
    EXPECT_EQ(list.GetCount(), 11);
}

TEST(GridRegistries, NullObjectsAreRefused)
{
    RecordingGrid grid;
    EXPECT_EQ(grid.RegisterDataSource(nullptr), -1);
    EXPECT_EQ(grid.RegisterCellType(nullptr), -1);
    EXPECT_EQ(grid.RegisterBitmap(nullptr), -1);
}

TEST(GridRegistries, IndexesAndFallbacks)
{
    RecordingGrid grid(1, 1);
    CMemoryDataSource other;
    EXPECT_EQ(grid.RegisterDataSource(&other), 1);
    EXPECT_EQ(grid.DataSourceAt(1), &other);
    EXPECT_EQ(other.GetGrid(), &grid);
    EXPECT_EQ(grid.DataSourceAt(0), &grid.CurrentSheet()->memoryDataSource);
    EXPECT_EQ(grid.DataSourceAt(17), nullptr);
    // The drop list, check box and arrow types take 1 to 3; the owner's come after them.
    EXPECT_EQ(grid.GetCellType(CellTypeIndex::CheckBox)->GetName(), CString("CheckBox"));
    EXPECT_EQ(grid.GetCellType(CellTypeIndex::DropList)->GetName(), CString("DropList"));
    EXPECT_EQ(grid.GetCellType(CellTypeIndex::Arrow)->GetName(), CString("Side Arrows"));
    struct Answering : CCellType
    {
        std::intptr_t OnMessage(std::intptr_t parameter) override { return parameter * 2; }
    } custom;
    EXPECT_EQ(grid.RegisterCellType(&custom), 4);
    EXPECT_EQ(grid.GetCellType(4), &custom);
    EXPECT_EQ(grid.SendToCellType(4, 21), 42);
    EXPECT_EQ(grid.SendToCellType(9, 21), 0) << "no type there";
    EXPECT_EQ(grid.GetCellType(9), grid.GetCellType(0));
    EXPECT_EQ(grid.GetCellType(-1), grid.GetCellType(0));
    const int index = grid.RegisterBitmap(new Bitmap);
    EXPECT_EQ(grid.SetCellBitmapIndex(0, 0, index), 0);
    CCellRecord record;
    grid.ReadCellForDisplay(0, 0, record);
    EXPECT_EQ(record.GetPicture(), grid.GetBitmapAt(index));
}

TEST(GridTips, DefaultTipNamesColumnAndRow)
{
    RecordingGrid grid;
    CString text;
    EXPECT_EQ(grid.OnGetHintText(3, 7, GridSection::CellArea, text), 1);
    EXPECT_EQ(text, "Col:3 Row:7");
}

TEST(GridLayout, BarsAppearOnlyWhenTheCellsDoNotFit)
{
    RecordingGrid grid(2, 2);
    const CGridPartRects& fits = grid.host.parts;
    EXPECT_EQ(fits.cellArea, CRect(40, 20, 640, 480));
    EXPECT_EQ(fits.vScrollBar.Width(), 0);
    EXPECT_EQ(grid.CurrentSheet()->areaWidth, 600);
    grid.SetColCount(20);
    grid.SetRowCount(100);
    grid.LayoutParts();
    const CGridPartRects& overflows = grid.host.parts;
    EXPECT_EQ(overflows.cellArea, CRect(40, 20, 623, 463));
    EXPECT_EQ(overflows.hScrollBar, CRect(0, 463, 623, 480));
    EXPECT_EQ(grid.CurrentSheet()->areaHeight, 443);
    // 22 rows of 20 fit in 443 pixels: the last top row leaves them in view.
    EXPECT_EQ(grid.CurrentSheet()->maxTopRow, 78);
}
