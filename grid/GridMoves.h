#pragma once

class CCellGridCore;

// The current cell and the visible range of the grid: moves and scrolls by index, page and
// key, what every move tells the owner and repaints, and the multiple selection that follows.
class CGridMoves
{
  public:
    explicit CGridMoves(CCellGridCore& grid) : m_grid(grid) {}

    // The operations of CCellGridCore of the same names; NotifyScrollChange tells the owner
    // of a new left column or top row.
    int MoveToCell(int column, int row);
    int MoveToCol(int column);
    int MoveToRow(int row);
    int ScrollToLeftCol(int column);
    int ScrollToTopRow(int row);
    int MoveRows(int kind);
    int MoveColumns(int kind);
    int ScrollRows(int kind);
    int ScrollColumns(int kind);
    int MoveByKey(unsigned int key, int step, bool control);
    void NotifyScrollChange();
    void SetSelectionTrigger(int trigger, unsigned int keyFlags);
    int SetSelectionMode(int flag);
    int DeselectAll();
    int SelectBlock(int left, int top, int right, int bottom);
    int FirstSelectedCell(int& column, int& row);
    int NextSelectedCell(int& column, int& row);
    int FirstSelectedBlock(int& left, int& top, int& right, int& bottom);
    int NextSelectedBlock(int& left, int& top, int& right, int& bottom);

  private:
    enum class MoveAxes
    {
        Both,
        ColumnOnly,
        RowOnly
    };

    int MoveTo(int column, int row, MoveAxes axes);
    int ClampRowRequest(int& row);
    int ClampColumnRequest(int& column);
    void AdjustTargetForJoins(int& column, int& row);
    void EnsureRowVisible();
    void EnsureColumnVisible();
    int PageTarget(bool rows, int from, bool forward) const;
    // Where a relative move or scroll of the kind goes from an index; false for an unknown kind.
    bool RelativeTarget(bool rows, int from, int kind, int first, int last, int& target) const;
    void QueueCurrentCell(int column, int row);
    // After every move and scroll: the selection follows a moved cursor, the notifications run
    // and the parts are updated.
    void CommitCellChange(bool cursorMoved);
    void KeepFloatingWindowClear();

    CCellGridCore& m_grid;
};
