#pragma once

#include "grid/GridHost.h"
#include "platform/canvas/Canvas.h"

#include <wx/stopwatch.h>

#include <memory>

class wxProgressDialog;

class CCellGrid;

// The grid model's view of the grid's windows: sizes, part placement, repaints, scroll bars,
// focus, keys held, text measuring, tips and the owner's floating window.
class CGridWindowHost : public CGridHost
{
  public:
    explicit CGridWindowHost(CCellGrid& grid);
    ~CGridWindowHost() override;

    CSize GetClientSize() const override;
    void MoveParts(const CGridPartRects& rects) override;
    void RepaintAllParts() override;
    void UpdateCellArea(CCellRangeList& queued) override;
    void RepaintTopHeading() override;
    void RepaintSideHeading() override;
    void UpdateScrollBars() override;
    void FocusCellArea() override;
    bool IsKeyHeld(unsigned int virtualKey) const override;
    const TextMeasurer& GetMeasurer(const LogFont* font) override;
    void EnableTips(int flag) override;
    bool GetFloatingWindowRect(CRect& screenRect) const override;
    void MoveFloatingWindow(const CRect& screenRect) override;
    CRect GetScreenRect() const override;
    CRect CellAreaToScreen(const CRect& rect) const override;
    CGridDropListWindow* GetDropList() override;
    bool IsPointerOnBlockEdge() const override;
    // A Replace All that runs past a second shows how far it has come, with a button that
    // stops it.
    bool ReportReplaceProgress(std::int64_t done, std::int64_t total) override;
    void EndReplaceProgress() override;

  private:
    CCellGrid& m_grid;
    Canvas m_measurer;
    wxStopWatch m_replaceTime;
    std::unique_ptr<wxProgressDialog> m_replaceProgress;
};
