#pragma once

#include "platform/CString.h"
#include "platform/Geometry.h"

#include <vector>

class CZantobyDoc;

// The list grid's edits of the document over cells and selections, each one undo step: typed
// and picked values, cell colours, clearing cells and photos, and the automatic drop lists.
// The grid shows the result afterwards; nothing here touches a window.
class CListGridEdits
{
  public:
    // A selected block of grid cells, corners included.
    struct Block
    {
        int left, top, right, bottom;
    };
    struct Cell
    {
        int column, line;
    };

    explicit CListGridEdits(CZantobyDoc& doc) : m_doc(doc) {}

    // Stores a value typed or picked into a cell (the new-row line gets a row) and marks the
    // list modified; a new-row line follows the last row. Returns the text the grid shows. A
    // text the column refuses changes nothing; refusal, when given, receives the reason.
    CString StoreCellText(int column, int line, const CString& text, bool addToDropList,
                          CString* refusal = nullptr);

    // The undo step over every line of the blocks that has a row: begin before, end after.
    void BeginSelectionUndo(const std::vector<Block>& blocks);
    void EndSelectionUndo(const std::vector<Block>& blocks);
    // The undo step over the rows of the lines. Lines without a row get one as cells are
    // written; the rows they will take are saved while still free, so that undo frees them.
    void BeginLinesUndo(const std::vector<int>& lines);
    void EndLinesUndo(const std::vector<int>& lines);

    // Gives every selected data cell with a row the colour (-1 the default) as one undo step;
    // the list is marked modified when a cell changed. Returns the cells changed.
    std::vector<Cell> ApplyColor(const std::vector<Block>& blocks, COLORREF color, bool back);

    // Empties the blocks' data cells and takes their photos out of the rows, one photo per
    // photo column from the block's first photo position, as one undo step. Returns the lines
    // changed; none when nothing is selected.
    std::vector<int> ClearCells(const std::vector<Block>& blocks);

    // A column with an automatic drop list takes a text it does not hold yet (an empty one too)
    // and sorts its entries; true when the list changed.
    bool AddToAutoDropList(int column, const CString& text);

  private:
    // The row shown on a line, or -1.
    int RowOf(int line) const;
    std::vector<int> RowsOf(const std::vector<Block>& blocks) const;

    CZantobyDoc& m_doc;
};
