#pragma once

#include "platform/CString.h"

#include <cstdint>

class CCellGridCore;
class CCellRecord;
class CGridEditWindow;

// Search flags of FindFirst and FindNext.
namespace FindFlags {
constexpr int Partial = 1;    // the text may be part of a cell
constexpr int IgnoreCase = 2; // compare without regard to case
constexpr int Backward = 4;
constexpr int AlongRows = 8; // column by column along each row; without it down one column
} // namespace FindFlags

// Sort flag of SortRows: the order is reversed.
constexpr int kSortDescending = 2;

// Where a grid reads and writes its cells, and who may refuse moves and edits. Cells are
// addressed by data-source column id and row; negative indexes are heading cells. The base
// stores nothing: its operations answer -1, and the permissions allow (1).
class CCellDataSource
{
  public:
    virtual ~CCellDataSource() = default;

    // Set by the grid when it registers the source or creates a sheet.
    void AttachToGrid(CCellGridCore* grid, int index)
    {
        m_grid = grid;
        m_index = index;
    }
    CCellGridCore* GetGrid() const { return m_grid; }
    int GetIndex() const { return m_index; }

    virtual int GetRowCount() { return -1; }
    virtual int InsertRow(int /*row*/) { return -1; }
    virtual int InsertColumn(int /*id*/) { return -1; }
    virtual int DeleteRow(int /*row*/) { return -1; }
    virtual int DeleteColumn(int /*id*/) { return -1; }
    virtual int DeleteCell(int /*column*/, int /*row*/) { return -1; }
    virtual int DeleteAll() { return -1; }
    // Merges the stored cell into record; 0 when a cell is stored.
    virtual int GetCell(int /*column*/, int /*row*/, CCellRecord& /*record*/) { return -1; }
    virtual int SetCell(int /*column*/, int /*row*/, const CCellRecord& /*record*/) { return -1; }
    // 0 when found, with column and row set to the cell.
    virtual int FindFirst(const CString& /*text*/, int* /*column*/, int* /*row*/, int /*flags*/)
    {
        return -1;
    }
    virtual int FindNext(const CString& /*text*/, int* /*column*/, int* /*row*/, int /*flags*/) { return -1; }
    virtual int SortRows(const int* /*ids*/, int /*count*/, int /*flags*/) { return -1; }
    virtual int SortByColumn(int /*column*/, int /*flags*/) { return -1; }
    // A row at or past the row count was asked for; parameter is handed on to the grid.
    virtual int OnPastLastRow(int /*rowCount*/, int /*rowsMissing*/, std::intptr_t* /*parameter*/)
    {
        return -1;
    }
    virtual void OnRowChanged(int /*oldRow*/, int /*newRow*/) {}
    virtual void OnColumnChanged(int /*oldColumn*/, int /*newColumn*/) {}
    // The permissions allow with exactly 1.
    virtual int CanMoveCell(int /*oldColumn*/, int /*oldRow*/, int /*newColumn*/, int /*newRow*/)
    {
        return 1;
    }
    virtual int OnEditStart(int /*column*/, int /*row*/, CGridEditWindow** /*edit*/) { return 1; }
    virtual int OnEditVerify(int /*column*/, int /*row*/, CGridEditWindow* /*edit*/, unsigned int* /*key*/)
    {
        return 1;
    }
    virtual int OnEditFinish(int /*column*/, int /*row*/, CGridEditWindow* /*edit*/, CString& /*text*/,
                             int /*cancelled*/)
    {
        return 1;
    }
    virtual int OnEditContinue(int /*column*/, int /*row*/, int* /*newColumn*/, int* /*newRow*/) { return 1; }
    // The nearest cell left of column in the row with a non-empty text; 0 with column set.
    virtual int FindTextBefore(int* /*column*/, int /*row*/) { return -1; }

  protected:
    CCellGridCore* m_grid = nullptr;
    int m_index = -1;
};
