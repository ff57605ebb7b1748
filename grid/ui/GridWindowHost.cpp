#include "grid/ui/GridWindowHost.h"

#include "grid/CellRangeList.h"
#include "grid/GridPartRects.h"
#include "grid/ui/CellGrid.h"
#include "grid/ui/DropListBox.h"
#include "grid/ui/GridCellArea.h"
#include "grid/ui/GridCornerButton.h"
#include "grid/ui/GridHScrollBar.h"
#include "grid/ui/GridKeys.h"
#include "grid/ui/GridSideHeading.h"
#include "grid/ui/GridTopHeading.h"
#include "grid/ui/GridVScrollBar.h"
#include "grid/ui/SheetTabBar.h"
#include "platform/ui/WxText.h"

#include <wx/display.h>
#include <wx/progdlg.h>

#include <algorithm>

namespace {

// Replace All runs this long before it shows its progress.
constexpr long kReplaceQuietMs = 1000;
constexpr int kReplaceProgressRange = 1000;

void Place(wxWindow* window, const CRect& rect)
{
    if (window == nullptr) {
        return;
    }
    if (rect.IsRectEmpty()) {
        window->Hide();
        return;
    }
    window->SetSize(rect.left, rect.top, rect.Width(), rect.Height());
    window->Show();
}

// A scroll bar that has less room than its arrows and thumb need is left out until the grid
// grows (GTK cannot lay it out smaller).
void PlaceScrollBar(CGridScrollBar* bar, const CRect& rect)
{
    if (bar == nullptr) {
        return;
    }
    Place(bar, bar->FitsIn(wxSize(rect.Width(), rect.Height())) ? rect : CRect());
}

} // namespace

CSize CGridWindowHost::GetClientSize() const
{
    const wxSize size = m_grid.GetClientSize();
    return CSize(size.x, size.y);
}

void CGridWindowHost::MoveParts(const CGridPartRects& rects)
{
    if (m_grid.CellArea() == nullptr) {
        return;
    }
    Place(m_grid.TabBar(), rects.tabBar);
    PlaceScrollBar(m_grid.HScrollBar(), rects.hScrollBar);
    if (m_grid.IsTabBarSizing()) {
        return;
    }
    Place(m_grid.CellArea(), rects.cellArea);
    Place(m_grid.TopHeading(), rects.topHeading);
    Place(m_grid.SideHeading(), rects.sideHeading);
    Place(m_grid.CornerButton(), rects.corner);
    PlaceScrollBar(m_grid.VScrollBar(), rects.vScrollBar);
}

void CGridWindowHost::RepaintAllParts()
{
    if (m_grid.CellArea() == nullptr) {
        return;
    }
    m_grid.CellArea()->InvalidatePicture();
    m_grid.TopHeading()->InvalidatePicture();
    m_grid.SideHeading()->InvalidatePicture();
    m_grid.CornerButton()->InvalidatePicture();
    m_grid.TabBar()->InvalidatePicture();
}

void CGridWindowHost::UpdateCellArea(CCellRangeList& queued)
{
    if (m_grid.CellArea() == nullptr) {
        queued.Clear();
        return;
    }
    m_grid.CellArea()->UpdateArea(queued);
}

void CGridWindowHost::RepaintTopHeading()
{
    if (m_grid.TopHeading() != nullptr) {
        m_grid.TopHeading()->InvalidatePicture();
    }
}

void CGridWindowHost::RepaintSideHeading()
{
    if (m_grid.SideHeading() != nullptr) {
        m_grid.SideHeading()->InvalidatePicture();
    }
}

void CGridWindowHost::UpdateScrollBars()
{
    if (m_grid.HScrollBar() != nullptr) {
        m_grid.HScrollBar()->UpdateRange();
        m_grid.VScrollBar()->UpdateRange();
    }
}

void CGridWindowHost::FocusCellArea()
{
    if (m_grid.CellArea() != nullptr) {
        m_grid.CellArea()->SetFocus();
    }
}

bool CGridWindowHost::IsKeyHeld(unsigned int virtualKey) const
{
    return CGridKeys::IsHeld(virtualKey);
}

const TextMeasurer& CGridWindowHost::GetMeasurer(const LogFont* font)
{
    m_measurer.SelectFont(font != nullptr ? *font : m_grid.StandardFont());
    return m_measurer;
}

void CGridWindowHost::EnableTips(int flag)
{
    if (m_grid.CellArea() != nullptr) {
        m_grid.CellArea()->EnableTips(flag != 0);
    }
}

bool CGridWindowHost::GetFloatingWindowRect(CRect& screenRect) const
{
    wxWindow* window = m_grid.FloatingWindow();
    if (window == nullptr || !window->IsShown()) {
        return false;
    }
    const wxRect rect = window->GetScreenRect();
    screenRect = CRect(rect.x, rect.y, rect.x + rect.width, rect.y + rect.height);
    return true;
}

void CGridWindowHost::MoveFloatingWindow(const CRect& screenRect)
{
    if (wxWindow* window = m_grid.FloatingWindow()) {
        wxPoint position(screenRect.left, screenRect.top);
        if (window->GetParent() != nullptr && !window->IsTopLevel()) {
            position = window->GetParent()->ScreenToClient(position);
        }
        window->Move(position);
    }
}

CRect CGridWindowHost::GetScreenRect() const
{
    const int index = wxDisplay::GetFromWindow(&m_grid);
    const wxRect area = wxDisplay(index == wxNOT_FOUND ? 0u : static_cast<unsigned>(index)).GetClientArea();
    return CRect(area.x, area.y, area.x + area.width, area.y + area.height);
}

CRect CGridWindowHost::CellAreaToScreen(const CRect& rect) const
{
    if (m_grid.CellArea() == nullptr) {
        return rect;
    }
    const wxPoint origin = m_grid.CellArea()->ClientToScreen(wxPoint(0, 0));
    CRect result = rect;
    result.OffsetRect(origin.x, origin.y);
    return result;
}

CGridDropListWindow* CGridWindowHost::GetDropList()
{
    return m_grid.DropList();
}

bool CGridWindowHost::IsPointerOnBlockEdge() const
{
    return m_grid.CellArea() != nullptr && m_grid.CellArea()->IsOnBlockEdge();
}

CGridWindowHost::CGridWindowHost(CCellGrid& grid) : m_grid(grid) {}

CGridWindowHost::~CGridWindowHost() = default;

bool CGridWindowHost::ReportReplaceProgress(std::int64_t done, std::int64_t total)
{
    if (done == 0) {
        m_replaceProgress.reset();
        m_replaceTime.Start();
        return true;
    }
    const int value = static_cast<int>(done * kReplaceProgressRange / std::max<std::int64_t>(total, 1));
    if (m_replaceProgress == nullptr) {
        if (m_replaceTime.Time() < kReplaceQuietMs) {
            return true;
        }
        m_replaceProgress = std::make_unique<wxProgressDialog>(
            ToWx("すべて置換"), ToWx("置換しています。"), kReplaceProgressRange, wxGetTopLevelParent(&m_grid),
            wxPD_APP_MODAL | wxPD_CAN_ABORT);
    }
    return m_replaceProgress->Update(std::min(value, kReplaceProgressRange - 1));
}

void CGridWindowHost::EndReplaceProgress()
{
    m_replaceProgress.reset();
}
