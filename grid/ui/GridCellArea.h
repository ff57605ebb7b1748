#pragma once

#include "grid/KeyRepeat.h"
#include "grid/ui/GridPartWindow.h"
#include "platform/ui/InputMethod.h"

#include <wx/stopwatch.h>
#include <wx/timer.h>

class CCellRangeList;

// The window in which the grid draws its cells and takes keys and the mouse for them. It keeps
// its picture up to date cell by cell, scrolls by moving the picture's pixels, turns keys into
// moves and drags into selections, and scrolls by itself while a drag lies beyond its edges.
class CGridCellArea : public CGridPartWindow
{
  public:
    explicit CGridCellArea(CCellGrid& grid);

    // Brings the queued cells (and the strips a scroll uncovered) up to date; the queue is
    // emptied.
    void UpdateArea(CCellRangeList& queued);
    void EnableTips(bool enable);
    bool HasGridFocus() const { return m_hasFocus; }
    // The pointer stands on the selection's edge (a press there keeps the selection).
    bool IsOnBlockEdge() const { return m_onBlockEdge; }
    bool IsAutoScrolling() const { return m_autoScroll.IsRunning(); }
    // An input method composes in this window now (begun on the idle cell).
    bool IsComposing() const { return m_composing; }

    // The handlers, reachable for tests that cannot press real keys.
    void HandleKeyDown(wxKeyEvent& event);
    void HandleChar(wxKeyEvent& event);

  protected:
    void Render(Canvas& dc, CSize size) override;

  private:
    void OnKeyUp(wxKeyEvent& event);
    void OnLeftDown(wxMouseEvent& event);
    void OnLeftUp(wxMouseEvent& event);
    void OnLeftDouble(wxMouseEvent& event);
    void OnRightDown(wxMouseEvent& event);
    void OnRightUp(wxMouseEvent& event);
    void OnMotion(wxMouseEvent& event);
    void OnWheel(wxMouseEvent& event);
    void OnSetFocus(wxFocusEvent& event);
    void OnKillFocus(wxFocusEvent& event);
    void OnSetCursor(wxSetCursorEvent& event);
    void OnCaptureLost(wxMouseCaptureLostEvent& event);
    void OnAutoScroll(wxTimerEvent& event);
    // A composition on the idle cell opens the cell's edit, shows there while it goes on and
    // gives the edit the keyboard when it ends.
    void OnComposition(InputMethod::CompositionChange change);
    // A character without a Shift_JIS code (𠮷, 😀) goes into the cell's edit as it is, so that
    // the owner can name it when the edit ends instead of finding "?". False for a key that
    // gives no character at all.
    bool TypeUncodedChar(const wxKeyEvent& event);

    // The cell under a point with its rectangle; false off the cells.
    bool CellAt(CPoint point, int& column, int& row, CRect& rect);
    // Updates the block-edge and block-corner flags for a point; returns the cursor to show.
    const wxCursor& UpdateBlockZone(CPoint point);
    // One step of selecting by dragging: the cell under the point becomes the cursor, and past
    // the edges the grid scrolls. Returns the pause before the next step, 0 for none.
    int DragStep(CPoint point);
    void UpdateTip(CPoint point);
    void StopAutoScroll();

    CKeyRepeat m_repeat;
    wxStopWatch m_sinceKey;
    wxTimer m_autoScroll;
    CPoint m_lastDrag{-100000, -100000};
    bool m_hasFocus = false;
    bool m_followsCompositions = false;
    bool m_composing = false;
    bool m_typeHasMouse = false;
    bool m_onBlockEdge = false;
    bool m_onBlockCorner = false;
    bool m_tips = false;
    int m_tipColumn = -2;
    int m_tipRow = -2;
};
