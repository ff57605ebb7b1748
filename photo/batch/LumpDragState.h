#pragma once

// The bulk import grid's side of a drag over it: what the drag brings decides the effect (photos
// of the grid's own format move, or copy with Ctrl; files copy), Esc ends it, and a drag of the
// grid's own cells may not land inside them.
class CLumpDragState
{
  public:
    enum Effect
    {
        kNone = 0,
        kCopy = 1,
        kMove = 2
    };

    // A drag of this grid's cells begins or ends.
    void BeginOwnDrag() { m_fromHere = true; }
    void EndDrag() { m_fromHere = false; }
    bool IsFromHere() const { return m_fromHere; }

    // The drag comes over the grid offering these kinds of data; the effect it may have.
    int Enter(bool offersOwnFormat, bool offersFiles);
    // The effect at the pointer; Esc ends the drag for good.
    int Over(bool control, bool escape);
    // Whether a drop on the cell may go ahead: a drag of the grid's own cells refuses a target
    // inside the dragged block.
    bool MayDrop(int column, int row, int left, int top, int right, int bottom) const;

  private:
    enum State
    {
        kNothing = 0,
        kFiles = 1,
        kOwnFormat = 2
    };

    int m_state = kNothing;
    bool m_fromHere = false;
};
