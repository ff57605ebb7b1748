#pragma once

#include "app/editing/ListGridEdits.h"
#include "platform/Arrays.h"
#include "platform/CString.h"

#include <vector>

class CClipTable;
class CZantobyDoc;

// Cells and photos of the list grid into a cell table for the clipboard or a drag, and tables,
// photo files and pictures from there into the list's cells and rows, each paste one undo step.
class CListGridTransfer
{
  public:
    using Block = CListGridEdits::Block;

    // How the cells come: a plain paste or a copying drop, a moving drop, a paste by reference.
    enum Mode
    {
        kCopy = 1,
        kMove = 2,
        kReference = 4
    };

    // Cells of a paste that kept their value, because the column would not take the text as
    // typing would not: how many, the first of them and why.
    struct CellsLeft
    {
        int count = 0;
        int column = -1;
        int line = -1;
        CString reason;
    };

    // Rows and columns of a table that found no place: rows below the list's last line or past
    // its last free row, columns whose texts would land beside the data columns or whose photos
    // past the last photo column.
    struct NotPasted
    {
        int rows = 0;
        int columns = 0;
    };

    // What a paste changed: the lines written, and whether photo columns were added; and what
    // it left.
    struct Result
    {
        std::vector<int> lines;
        bool photoColumnsGrew = false;
        CellsLeft left;
        NotPasted notPasted;
    };

    explicit CListGridTransfer(CZantobyDoc& doc) : m_doc(doc) {}

    // The one selected block's cells into the table: the texts of data cells, the photos of
    // photo cells (with their standard-size files); warning 30900 without a block, 30901 with
    // several.
    bool FillTable(const std::vector<Block>& blocks, CClipTable& table);
    // The photo of a block that is a single photo cell holding one, or -1.
    int SinglePhoto(const std::vector<Block>& blocks) const;

    // A table at a cell: texts into data cells; photos into photo cells, by reference from this
    // list (reference and move) or copied in from the open source list (null: photos are
    // skipped). Lines are added below as the table needs them.
    Result PasteTable(const CClipTable& table, CZantobyDoc* source, int column, int line, int mode);
    // Says in one box, after the grid shows the paste, how many rows and columns found no place
    // (warning 30904) and how many cells kept their value and where the first one is (30903),
    // both in 30905; nothing when everything went in.
    void ReportLeftOut(const Result& result) const;
    // JPEG files as new photos of the line from the column's photo position on (a data column
    // appends); other files are passed over.
    Result PasteFiles(const CStringArray& files, int column, int line);

  private:
    int RowOf(int line) const;
    // A pasted text into a data cell, unless the column refuses it; a refused cell is counted.
    void StoreText(int column, int line, const CString& text, CellsLeft& left);
    // Whether a new photo can go into the line's row: error 40201 when the row or the photo
    // slots are full, 40200 when the new-row line finds no free row.
    bool HasRoomFor(int line) const;
    // Takes a photo file in and puts it into the line's row; the name is given when not empty.
    bool AddNewPhoto(int line, int position, const CString& original, const CString& drawing,
                     const CString& name);
    // Puts a photo taken in into the line's row, with its name when one is given.
    bool PlacePhoto(int line, int position, int slot, const CString& name);
    void AfterPhoto(int line, Result& result);

    CZantobyDoc& m_doc;
};
