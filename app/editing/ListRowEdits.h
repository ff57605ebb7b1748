#pragma once

#include "app/editing/ListGridEdits.h"
#include "platform/Arrays.h"
#include "platform/CString.h"

#include <vector>

class CZantobyDoc;

// The list grid's commands that change the shape of a list rather than single values: blank
// lines, duplicated and deleted rows, cells inserted and deleted with shifting, and the photos
// of photo cells (taken in, removed, turned). Each is one undo step of the document; the grid
// shows the result afterwards.
class CListRowEdits
{
  public:
    using Block = CListGridEdits::Block;

    explicit CListRowEdits(CZantobyDoc& doc) : m_doc(doc) {}

    // A new-row line at the line; false when 10,000 lines are shown.
    bool InsertBlankLine(int line);
    // The line's row copied to a new row shown above it, sharing its photos; false when the line
    // has no row, or (error 40200) no row is free or the display has no line left for it.
    bool DuplicateRow(int line);
    // The lines of the blocks, each once, ascending.
    static std::vector<int> LinesOf(const std::vector<Block>& blocks);
    // After question 20202: the lines leave the display and their rows are freed (their photos
    // stay). Returns the lines as they were, ascending; none when cancelled.
    std::vector<int> DeleteLines(const std::vector<int>& lines);
    // After question 20203: every displayed row is freed and all rows hidden; false when
    // cancelled.
    bool DeleteAllDisplayed();

    // The one selected block's cells move down by its height (insert) or the cells below move up
    // into it (delete), within its columns; error 40207 for no block or several, error 40200
    // when the rows the shift needs are not free (nothing changes then).
    bool InsertCellsShiftDown(const std::vector<Block>& blocks);
    bool DeleteCellsShiftUp(const std::vector<Block>& blocks);

    // The photo slot in use shown by a photo cell, or -1.
    int PhotoAt(int column, int line) const;
    // The photos in use of the blocks' photo cells, each once, in selection order.
    std::vector<int> PhotosOf(const std::vector<Block>& blocks) const;
    // Takes the photo of a photo cell out of its row; false (and no undo step) when the cell
    // shows none.
    bool DeletePhoto(int column, int line);
    // Turns each photo of the blocks once a quarter right or left; returns those turned.
    std::vector<int> RotatePhotos(const std::vector<Block>& blocks, bool right);
    // Turns the photos once a quarter right or left; returns those turned. None is turned when
    // one of them is open in the photo editor, whose saving would put its own picture back over
    // the turn: a box says so.
    std::vector<int> RotatePhotos(const std::vector<int>& photos, bool right);
    // Whether the line can take one more photo: false after error 40200 without a free row for
    // the new-row line, or 40201 without a free slot or room in the row.
    bool HasRoomForPhoto(int line);
    // Takes JPEG files in as new photos at the end of the line's row, in order, each its own
    // undo step; the photos are made on all cores. Stops at the first that is not added: the
    // errors of HasRoomForPhoto before it, 40202 for a file that is not a JPEG. Returns how many
    // were added.
    int ImportPhotos(int line, const CStringArray& paths);
    // When the line's row shows as many photos as there are photo columns, one more photo column
    // (at most 20); true when one was added.
    bool EnsurePhotoColumn(int line);

  private:
    int RowOf(int line) const;
    // Cells and photos of the block's columns from one row to another (either may be -1: none).
    void CopyBlockCells(const Block& block, int from, int to);
    void ResetBlockCells(const Block& block, int row);
    // The block's cells of the source line into the target line, which takes the next reserved
    // row when it has none and the source has one.
    void ShiftInto(const Block& block, int target, int source, const std::vector<int>& reserved,
                   size_t& next);
    // Moves each row's valid photos to the front.
    void CompactPhotos(int row);
    // The one block of a shift, or error 40207.
    bool SingleBlock(const std::vector<Block>& blocks, Block& block) const;
    // Takes rows for lines without one, after undo images of the rows it will take; false with
    // error 40200 when fewer than count are free.
    bool ReserveRows(int count, std::vector<int>& reserved);
    // Opens a shift's undo step over the rows from the first line on, with the rows it needs
    // reserved; false with error 40200 when they are not free.
    bool BeginShift(int firstLine, int needed, std::vector<int>& reserved);
    // Closes a shift: photos compacted, the new-row line at the end, the undo step ended.
    void EndShift(int firstLine);

    CZantobyDoc& m_doc;
};
