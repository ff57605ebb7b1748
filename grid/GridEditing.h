#pragma once

#include "grid/CellRecord.h"
#include "platform/CString.h"

class CCellGridCore;
class CCellTextMatcher;
class CGridEditWindow;
class CGridFindRequest;

// The grid's in-cell edit from its start to its finish, and find and replace over the cells.
class CGridEditing
{
  public:
    explicit CGridEditing(CCellGridCore& grid) : m_grid(grid) {}

    // The operations of CCellGridCore of the same names.
    void SetEnterStep(int columnStep, int rowStep);
    int BeginEdit();
    int BeginEditWithKey(unsigned int key);
    int BeginEditAt(int column, int row, unsigned int key);
    int FinishEdit(CString text, int cancelled, int moveRequested, int newColumn, int newRow);
    void CancelEdit();
    int FindReplace(const CGridFindRequest& request);
    bool IsEditing() const { return m_editing; }
    int EditColumn() const { return m_editColumn; }
    int EditRow() const { return m_editRow; }
    const CCellRecord& EditRecord() const { return m_editRecord; }
    CGridEditWindow* ActiveEditWindow() const { return m_activeEdit; }
    int EnterColumnStep() const { return m_enterColumnStep; }
    int EnterRowStep() const { return m_enterRowStep; }

  private:
    int StoreText(int column, int row, const CString& text, short dataType);
    bool ReplaceInCell(int column, int row, const CCellTextMatcher& matcher, const CString& replacement);

    CCellGridCore& m_grid;
    bool m_editing = false;
    int m_editColumn = -1;
    int m_editRow = -1;
    CGridEditWindow* m_activeEdit = nullptr;
    CCellRecord m_editRecord;
    int m_enterColumnStep = 1;
    int m_enterRowStep = 0;
};
