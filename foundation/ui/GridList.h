#pragma once

#include "foundation/GridFocusFrame.h"
#include "foundation/GridRangeFrame.h"
#include "foundation/ui/FontObject.h"
#include "grid/ui/CellGrid.h"

#include <wx/eventfilter.h>

#include <vector>

struct GridColumnDef;

// The grid window under every grid of the program: a grid control whose columns and headings
// come from one column table, whose heading font is its parent's, with a focus frame of its own
// and a range frame that callers move over cells.
class CGridList : public CCellGrid, private wxEventFilter
{
  public:
    CGridList();
    ~CGridList() override;

    // Columns
    // Builds the columns of the current sheet from a table ended by an entry without heading;
    // the first lockedColumns columns do not scroll. The heading font is made from the parent
    // window's font on the first call and becomes the sheet's default font; widths count in
    // half the width of "あ" in it.
    void SetupColumns(const GridColumnDef* table, int lockedColumns);
    const GridColumnDef* GetColumnTable() const { return m_columnTable; }
    const CFontObject& GetHeadingFont() const { return m_headingFont; }
    // No current cell, no columns or rows, and empty data sources (0 and the sheet's own).
    void ResetGrid();
    // Where a cell's in-cell edit goes; false for a heading or a cell outside the sheet, else
    // whether the cell's type edits it.
    bool GetCellEditRect(int column, int row, CRect& rect);

    // Selection and moves
    // A block of cells, its right column and bottom row included.
    struct Block
    {
        int left, top, right, bottom;
    };
    // The selected blocks with their corners in order; the current cell alone when nothing is
    // selected.
    std::vector<Block> GetSelectedBlocks();
    // Enter's walk through the cells: the next column, then the first column of the next row,
    // and from the last row back to the first.
    void MoveToNextCell();

    // Frames
    // Draws the grid list's own frame round the current cell or the selection block being built.
    virtual void DrawCustomFocusRect(Canvas* dc, const CRect& rect);
    // Switches between the own frame (with or without its corner mark) and the grid's dotted one.
    virtual void SetCustomFocusRect(bool on, bool cornerMark);
    // Shows the range frame round the cells; a negative coordinate takes it away.
    virtual void DrawRangeFrame(int left, int top, int right, int bottom);

    // Every mouse and key event of the grid and of the windows inside it (parts and in-cell
    // edits) comes here before they handle it; true swallows it. The base swallows none;
    // derived grids call it for the events they leave.
    virtual bool PreTranslateMessage(wxEvent& event);

    // Notifications of the grid control. Derived grids that override OnPrepareDC call this one:
    // it queues the cells the frames lie on.
    int OnDrawFocusRect(Canvas* dc, const CRect& rect) override;
    void OnPrepareDC(Canvas* dc, Canvas* bufferDc, int section) override;

  private:
    int FilterEvent(wxEvent& event) override;

    CFontObject m_headingFont;
    const GridColumnDef* m_columnTable = nullptr;
    bool m_customFocus = false;
    CGridFocusFrame m_focusFrame;
    CGridRangeFrame m_rangeFrame;
};
