#pragma once

#include "app/ListGridEdits.h"

// The list grid's side of a drag over it: the press that becomes a drag once the pointer moves,
// whether the drag started in this grid, the effect it allows (within one grid a move, Ctrl for a
// copy; from elsewhere a copy), the frame that shows where the cells will land, and the fill drag
// of auto input.
class CGridDragState
{
  public:
    using Block = CListGridEdits::Block;

    enum Effect
    {
        kNone = 0,
        kCopy = 1,
        kMove = 2
    };
    enum class DropAction
    {
        None,   // nothing happens
        Refuse, // dropped onto the dragged cells themselves: a beep
        Fill,   // auto input to the drop line
        Paste   // the cells are pasted with the effect
    };

    // A press on the selection's edge (its cells) or fill handle, waiting to become a drag.
    enum class Press
    {
        None,
        Cells,
        Fill
    };
    // The press at a screen point; a drag starts once the pointer has moved farther.
    void Arm(Press press, int x, int y);
    void Disarm() { m_press = Press::None; }
    bool IsArmed() const { return m_press != Press::None; }
    // The armed press that a move of the held button to (x, y) turns into a drag: farther than
    // reach from the press along either axis. The press is then disarmed. None while nearer.
    Press MoveTo(int x, int y, int reachX, int reachY);

    // A drag of this grid's cells, a table of columns x rows.
    void BeginOwnDrag(int columns, int rows);
    // A drag of the selection's fill handle.
    void BeginFillDrag(const Block& block);
    void EndDrag();
    bool IsFromHere() const { return m_fromHere; }
    bool IsFillDrag() const { return m_fill; }
    const Block& FillBlock() const { return m_fillBlock; }

    // The drag comes over the grid.
    void Enter();
    // The effect at a cell (inGrid false: outside the cells) and the frame to show, left -1 for
    // none. escape: Esc was pressed since the last query; it cancels the rest of the drag.
    int Over(int column, int line, bool inGrid, bool control, bool escape, Block& frame);
    // Where this grid's dragged cells land when dropped at a cell.
    Block Landing(int column, int line) const;
    // What a drop at a cell does; effect is the paste's. selection: the dragged block.
    DropAction Drop(int column, int line, bool inGrid, bool control, bool escape, const Block& selection,
                    int& effect);

  private:
    Press m_press = Press::None;
    int m_pressX = 0;
    int m_pressY = 0;
    bool m_fromHere = false;
    int m_state = kNone;
    int m_columns = 1;
    int m_rows = 1;
    bool m_fill = false;
    Block m_fillBlock{-1, -1, -1, -1};
};
