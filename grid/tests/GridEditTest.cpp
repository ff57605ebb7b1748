#include "grid/CellGridCore.h"

#include "support/FakeGrid.h"

#include <gtest/gtest.h>

TEST(GridBeginEdit, OpensTheEditOverTheCellWithItsText)
{
    RecordingGrid grid(4, 4);
    grid.SetCellText(1, 1, "abc");
    EXPECT_EQ(grid.BeginEditAt(1, 1, 'x'), 0);
    EXPECT_TRUE(grid.IsEditing());
    EXPECT_TRUE(grid.edit.open);
    EXPECT_EQ(grid.edit.text, "abcx");
    EXPECT_EQ(grid.edit.section, GridSection::CellArea);
    EXPECT_EQ(grid.edit.placed, CRect(75, 20, 149, 39));
    EXPECT_EQ(grid.CurrentColumn(), 1);
    EXPECT_EQ(grid.BeginEdit(), 1); // already editing
}

TEST(GridBeginEdit, MaskedCellsTakeTheMaskedEditAndHeadingsTheirPart)
{
    RecordingGrid grid(4, 4);
    CCellRecord masked;
    masked.SetEditMask("00-00");
    grid.WriteCell(2, 0, masked);
    EXPECT_EQ(grid.BeginEditAt(2, 0, 0), 0);
    EXPECT_TRUE(grid.maskedEdit.open);
    grid.CancelEdit();
    EXPECT_FALSE(grid.maskedEdit.open);
    EXPECT_EQ(grid.BeginEditAt(-1, 2, 0), 0);
    EXPECT_EQ(grid.edit.section, GridSection::SideHeading);
    EXPECT_EQ(grid.CurrentRow(), 0); // a heading cell is edited where it is
}

TEST(GridBeginEdit, ReadOnlyCellsAndRefusalsOpenNothing)
{
    RecordingGrid grid(4, 4);
    CCellRecord locked;
    locked.SetReadOnly(1);
    grid.WriteCell(1, 1, locked);
    EXPECT_EQ(grid.BeginEditAt(1, 1, 0), 1);
    EXPECT_FALSE(grid.IsEditing());
    EXPECT_FALSE(grid.edit.open);

    struct NotEditable : CCellType
    {
        NotEditable() { m_editable = 0; }
    } checkBox;
    const int index = grid.RegisterCellType(&checkBox);
    CCellRecord typed;
    typed.SetTypeIndex(index);
    grid.WriteCell(2, 2, typed);
    EXPECT_EQ(grid.BeginEditAt(2, 2, 0), 1);

    grid.allowMoves = 0;
    EXPECT_EQ(grid.BeginEditAt(3, 3, 0), 2);
    EXPECT_FALSE(grid.IsEditing());
}

TEST(GridFinishEdit, StoresTheTextAndMovesByTheRequest)
{
    RecordingGrid grid(3, 3);
    grid.BeginEditAt(1, 1, 0);
    EXPECT_EQ(grid.FinishEdit("new", 0, 1, 2, 1), 1);
    EXPECT_FALSE(grid.IsEditing());
    EXPECT_FALSE(grid.edit.open);
    EXPECT_EQ(grid.GetCellText(1, 1), "new");
    EXPECT_EQ(grid.CurrentColumn(), 2);
    EXPECT_TRUE(grid.Saw("OnEditFinish 1 1 0"));
}

TEST(GridFinishEdit, MovesPastTheEdgesWrapAround)
{
    RecordingGrid grid(3, 3);
    grid.BeginEditAt(2, 1, 0);
    grid.FinishEdit("a", 0, 1, 3, 1);
    EXPECT_EQ(grid.CurrentColumn(), 0);
    EXPECT_EQ(grid.CurrentRow(), 1);
    grid.BeginEditAt(0, 1, 0);
    grid.FinishEdit("b", 0, 1, -1, 1);
    EXPECT_EQ(grid.CurrentColumn(), 2);
    grid.BeginEditAt(2, 0, 0);
    grid.FinishEdit("c", 0, 1, 2, -1);
    EXPECT_EQ(grid.CurrentRow(), 2);
}

TEST(GridFinishEdit, AMoveOutOfAJoinGoesPastIt)
{
    RecordingGrid grid(6, 3);
    grid.MergeCellRange(1, 0, 3, 0);
    grid.BeginEditAt(1, 0, 0);
    grid.FinishEdit("joined", 0, 1, 2, 0);
    EXPECT_EQ(grid.CurrentColumn(), 4);
}

TEST(GridFinishEdit, CancelledOrRefusedEditsStoreNothing)
{
    RecordingGrid grid(3, 3);
    grid.SetCellText(0, 0, "old");
    grid.BeginEditAt(0, 0, 0);
    grid.allowEditFinish = 0;
    EXPECT_EQ(grid.FinishEdit("new", 0, 0, 0, 0), 0);
    EXPECT_TRUE(grid.IsEditing());
    grid.allowEditFinish = 1;
    EXPECT_EQ(grid.FinishEdit("new", 1, 0, 0, 0), 1);
    EXPECT_EQ(grid.GetCellText(0, 0), "old");
    // A finish with no edit open counts as cancelled.
    EXPECT_EQ(grid.FinishEdit("late", 0, 0, 0, 0), 1);
    EXPECT_EQ(grid.GetCellText(0, 0), "old");
}

TEST(GridFinishEdit, ANumberCellStaysANumber)
{
    RecordingGrid grid(1, 2);
    CCellRecord number;
    number.SetNumberValue(9);
    grid.WriteCell(0, 0, number);
    number.SetNumberValue(5);
    grid.WriteCell(0, 1, number);
    grid.BeginEditAt(0, 1, 0);
    grid.FinishEdit("10", 0, 0, 0, 0);
    CCellRecord stored;
    grid.ReadCell(0, 1, stored);
    EXPECT_EQ(stored.GetDataType(), CellDataType::Number);
    grid.DataSourceAt(0)->SortByColumn(0, 0);
    EXPECT_EQ(grid.GetCellText(0, 0), "9.000000");
    EXPECT_EQ(grid.GetCellText(0, 1), "10");
}

TEST(GridFinishEdit, AColumnDefaultNumberTypeIsKeptToo)
{
    RecordingGrid grid(1, 1);
    CCellRecord numeric;
    numeric.SetDataType(CellDataType::Number);
    grid.SetColDefaultCell(0, numeric);
    grid.BeginEditAt(0, 0, 0);
    grid.FinishEdit("42", 0, 0, 0, 0);
    CCellRecord stored;
    grid.ReadCell(0, 0, stored);
    EXPECT_EQ(stored.GetDataType(), CellDataType::Number);
}

TEST(GridFinishEdit, TextSpillingIntoAnEmptyNeighbourRepaintsTheGrid)
{
    RecordingGrid grid(3, 1);
    grid.BeginEditAt(0, 0, 0);
    const int before = grid.host.fullRepaints;
    grid.FinishEdit("short", 0, 0, 0, 0);
    EXPECT_EQ(grid.host.fullRepaints, before);
    grid.BeginEditAt(0, 0, 0);
    grid.FinishEdit("a text much wider than a column", 0, 0, 0, 0);
    EXPECT_GT(grid.host.fullRepaints, before);
}

TEST(GridCancelEdit, HidesTheEditAndGivesTheFocusBack)
{
    RecordingGrid grid(2, 2);
    grid.CancelEdit();
    EXPECT_EQ(grid.host.focusCalls, 0);
    grid.BeginEditAt(0, 0, 0);
    grid.CancelEdit();
    EXPECT_FALSE(grid.IsEditing());
    EXPECT_FALSE(grid.edit.open);
    EXPECT_EQ(grid.host.focusCalls, 1);
    EXPECT_FALSE(grid.Saw("OnEditFinish 0 0 1"));
}

TEST(GridWriteCell, StaysInsideTheCountsAndTheHeadings)
{
    RecordingGrid grid(3, 2);
    CCellRecord record;
    record.SetTextValue("x");
    EXPECT_EQ(grid.WriteCell(3, 0, record), 1);
    EXPECT_EQ(grid.WriteCell(0, 2, record), 1);
    EXPECT_EQ(grid.WriteCell(-2, 0, record), 1);
    EXPECT_EQ(grid.WriteCell(0, -2, record), 1);
    EXPECT_EQ(grid.WriteCell(-1, 1, record), 0);
    EXPECT_EQ(grid.WriteCell(2, -1, record), 0);
    // Nothing stray comes back when the grid grows.
    grid.SetColCount(4);
    grid.SetRowCount(3);
    EXPECT_EQ(grid.GetCellText(3, 0), "");
    EXPECT_EQ(grid.GetCellText(0, 2), "");
}

TEST(GridReadCell, DisplayLayersColumnDefaultsStoredCellAndAmendments)
{
    struct Amending : RecordingGrid
    {
        Amending() : RecordingGrid(2, 2) {}
        void OnGetCell(int, int row, CCellRecord& record) override
        {
            if (row == 1) {
                record.SetForeColor(RGB(255, 0, 0));
            }
        }
    } grid;
    CCellRecord centred;
    centred.SetAlignFlags(4);
    grid.SetColDefaultCell(0, centred);
    grid.SetCellText(0, 1, "text");
    CCellRecord style;
    style.SetFillColor(RGB(0, 0, 255));
    CCellRecord linking;
    grid.ReadCell(0, 1, linking);
    linking.SetLinkedRecord(&style);
    grid.WriteCell(0, 1, linking);

    CCellRecord shown;
    grid.ReadCellForDisplay(0, 1, shown);
    EXPECT_EQ(shown.GetAlignFlags(), 4);
    EXPECT_EQ(shown.GetText(), "text");
    EXPECT_EQ(shown.GetForeColor(), RGB(255, 0, 0));
    EXPECT_EQ(shown.GetFillColor(), RGB(0, 0, 255));
    // The setters never write the layers back.
    CCellRecord stored;
    grid.ReadCell(0, 1, stored);
    EXPECT_FALSE(stored.TestMaskBits(CellMask::Align | CellMask::TextColor));
    // Heading cells take the heading default.
    grid.ReadCellForDisplay(0, -1, shown);
    EXPECT_EQ(shown.GetBorderStyle(), 0x2000);
}

TEST(GridRows, InsertedAndDeletedRowsTakeTheirDataAndHeightsAlong)
{
    RecordingGrid grid(1, 3);
    grid.SetCellText(0, 0, "a");
    grid.SetCellText(0, 2, "c");
    grid.SetRowSize(2, 44);
    EXPECT_EQ(grid.InsertRowAt(1), 0);
    EXPECT_EQ(grid.GetRowCount(), 4);
    EXPECT_EQ(grid.GetCellText(0, 3), "c");
    EXPECT_EQ(grid.GetRowSize(3), 44);
    EXPECT_EQ(grid.InsertRowAt(5), 1);
    EXPECT_EQ(grid.DeleteRowAt(0), 0);
    EXPECT_EQ(grid.GetCellText(0, 2), "c");
    EXPECT_EQ(grid.GetRowSize(2), 44);
    EXPECT_EQ(grid.DeleteRowAt(3), 1);
}

TEST(GridColumns, MovingAColumnMovesItsSettings)
{
    RecordingGrid grid(4, 1);
    grid.SetColumnWidth(0, 10);
    grid.SetCellText(0, 0, "zero");
    EXPECT_EQ(grid.MoveColumn(0, 2, 0), 0);
    EXPECT_EQ(grid.GetColumnWidth(2), 10);
    EXPECT_EQ(grid.GetCellText(2, 0), "zero");
    EXPECT_EQ(grid.MoveColumn(2, 0, 1), 0);
    EXPECT_EQ(grid.GetColumnWidth(0), 10);
    EXPECT_EQ(grid.MoveColumn(0, 4, 1), 1);
    EXPECT_EQ(grid.MoveColumn(1, 1, 1), 0);
}
