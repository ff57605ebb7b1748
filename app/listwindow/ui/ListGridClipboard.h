#pragma once

#include "platform/CString.h"

class CClipSource;
class CListGrid;
class CZantobyDoc;
class COleDataObject;

// The list grid's cells on and off the clipboard: cut, copy and paste of the selection, the
// current photo's file name as text, and the paste that a drop ends in.
class CListGridClipboard
{
  public:
    explicit CListGridClipboard(CListGrid& grid) : m_grid(grid) {}

    // Each returns 0 when done.
    int Cut();
    int Copy();
    int Paste(bool byReference);
    // The current photo's standard-size file as text on the clipboard.
    void CopyPhotoFileName();
    // The selection into a clipboard source; false, after a warning, without exactly one block.
    bool FillClipSource(CClipSource& source);
    // A drop's data (the clipboard when null) into the cells from a cell on, in a mode of
    // CListGridTransfer.
    bool PasteCells(const COleDataObject* data, int column, int line, int mode);

  private:
    // True when a paste or drop lost no characters on its way in (lost names them, as
    // "U+20BB7"), or when the user chooses to go on with them as "?".
    static bool AcceptsReplacedCharacters(const CString& lost);
    // The open list whose path a table names, or null.
    static CZantobyDoc* ListByPath(const CString& path);

    CListGrid& m_grid;
};
