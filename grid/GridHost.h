#pragma once

#include "platform/Geometry.h"

#include <cstdint>

class Canvas;
struct LogFont;
class CCellRangeList;
class CGridDropListWindow;
class TextMeasurer;
struct CGridPartRects;

// What the grid model needs of its windows. The window layer implements it; a grid without
// windows (tests, benchmarks, a grid being set up) runs on these defaults, which draw nothing,
// measure every text as empty and see no keys held.
class CGridHost
{
  public:
    virtual ~CGridHost() = default;

    // Size of the grid window's client area.
    virtual CSize GetClientSize() const { return CSize(); }
    // Moves the part windows to the rectangles of a new layout.
    virtual void MoveParts(const CGridPartRects& /*rects*/) {}
    virtual void RepaintAllParts() {}
    // Paints the queued cells of the cell area now; the queue is emptied.
    virtual void UpdateCellArea(CCellRangeList& queued);
    virtual void RepaintTopHeading() {}
    virtual void RepaintSideHeading() {}
    // The scroll bars follow new counts and positions.
    virtual void UpdateScrollBars() {}
    virtual void FocusCellArea() {}
    // Whether a key (VK_SHIFT, VK_CONTROL) is held down now.
    virtual bool IsKeyHeld(unsigned int /*virtualKey*/) const { return false; }
    // Measures text in a font (null: the system font).
    virtual const TextMeasurer& GetMeasurer(const LogFont* font);
    virtual void EnableTips(int /*flag*/) {}

    // The pop-down list of drop-list cells; null when there is none.
    virtual CGridDropListWindow* GetDropList() { return nullptr; }
    // Whether the pointer stands on the selection's edge in the cell area (a press there keeps
    // the selection).
    virtual bool IsPointerOnBlockEdge() const { return false; }

    // The owner's floating window, in screen coordinates; false when there is none.
    virtual bool GetFloatingWindowRect(CRect& /*screenRect*/) const { return false; }
    virtual void MoveFloatingWindow(const CRect& /*screenRect*/) {}
    // The screen area windows may use.
    virtual CRect GetScreenRect() const { return CRect(); }
    // A rectangle of the cell area in screen coordinates.
    virtual CRect CellAreaToScreen(const CRect& rect) const { return rect; }

    // Replace All tells how far it has come, in steps of its search order out of the whole
    // sheet, starting at 0; false when the user stopped it. EndReplaceProgress follows its last
    // report.
    virtual bool ReportReplaceProgress(std::int64_t /*done*/, std::int64_t /*total*/) { return true; }
    virtual void EndReplaceProgress() {}
};
