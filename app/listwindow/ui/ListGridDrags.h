#pragma once

#include "app/editing/GridDragState.h"
#include "platform/Geometry.h"

class CListGrid;
class COleDataObject;
class wxEvent;

// The list grid's drags: a press on the selection's edge or fill handle that becomes a drag once
// the pointer moves, the drag of the selected cells and of the fill handle, and the grid as the
// target of drops.
class CListGridDrags
{
  public:
    explicit CListGridDrags(CListGrid& grid) : m_grid(grid) {}

    // The grid is set up afresh: no drag goes on.
    void Reset() { m_drag.EndDrag(); }
    // A left press in the cells at a point of the cell area: on the selection's edge or fill
    // handle it waits to become a drag.
    void Press(int column, CPoint point);
    // An input event while a press waits to become a drag: a move of the held button past the
    // system's drag threshold starts the drag, a release or Esc ends the wait. True when the
    // event is taken.
    bool FollowPress(wxEvent& event);
    // Whether a point of the cell area is on the selection's fill handle.
    bool IsOnFillHandle(CPoint point);
    // The block the last fill drag started from.
    const CGridDragState::Block& FillBlock() const { return m_drag.FillBlock(); }

    // The drag of the selected cells; the effect it ended with.
    int StartDrag();

    // The grid as a drop target, in the order a drag comes over it.
    int Enter();
    void Leave();
    int Over(int column, int row);
    int Drop(COleDataObject* data, int column, int row);

  private:
    // Where a press lies against the selection's block: its edge, its fill handle or neither.
    enum class BlockZone
    {
        None,
        Edge,
        FillHandle
    };
    BlockZone ZoneAt(CPoint point);
    // The drag of the fill handle of the selection's block.
    void StartFillDrag();

    CListGrid& m_grid;
    CGridDragState m_drag;
    bool m_frameShown = false;
};
