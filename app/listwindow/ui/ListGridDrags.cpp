#include "app/listwindow/ui/ListGridDrags.h"

#include "app/editing/ui/RowDragSource.h"
#include "app/listwindow/ui/GridView.h"
#include "app/listwindow/ui/ListGrid.h"
#include "app/startup/ui/ZantobyApp.h"
#include "foundation/ui/SystemServices.h"
#include "grid/GridHitZones.h"
#include "grid/ui/GridCellArea.h"
#include "list/ZantobyDoc.h"
#include "list/ui/ClipSource.h"
#include "platform/VirtualKeys.h"

#include <wx/settings.h>
#include <wx/utils.h>

#include <algorithm>
#include <exception>
#include <vector>

CListGridDrags::BlockZone CListGridDrags::ZoneAt(CPoint point)
{
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    if (m_grid.CurrentSheet()->selection.GetBlockCount() > 2 ||
        m_grid.FirstSelectedBlock(left, top, right, bottom) != 0) {
        return BlockZone::None;
    }
    CRect block;
    m_grid.GetRangeRect(std::min(left, right), std::min(top, bottom), std::max(left, right),
                        std::max(top, bottom), block);
    switch (CGridHitZones::BlockZone(block, point)) {
    case CGridHitZones::Block::Corner:
        return BlockZone::FillHandle;
    case CGridHitZones::Block::Edge:
        return BlockZone::Edge;
    default:
        return BlockZone::None;
    }
}

bool CListGridDrags::IsOnFillHandle(CPoint point)
{
    return ZoneAt(point) == BlockZone::FillHandle;
}

void CListGridDrags::Press(int column, CPoint point)
{
    const BlockZone zone = ZoneAt(point);
    if (zone == BlockZone::None) {
        return;
    }
    // The press becomes a drag only once the pointer moves with the button held (FollowPress).
    const bool fill = zone == BlockZone::FillHandle && column >= 0 && column < m_grid.DataColumns();
    const wxPoint screen = m_grid.CellArea()->ClientToScreen(wxPoint(point.x, point.y));
    m_drag.Arm(fill ? CGridDragState::Press::Fill : CGridDragState::Press::Cells, screen.x, screen.y);
}

bool CListGridDrags::FollowPress(wxEvent& event)
{
    if (!m_drag.IsArmed()) {
        return false;
    }
    const wxEventType type = event.GetEventType();
    if (type == wxEVT_LEFT_DOWN || type == wxEVT_LEFT_UP) {
        // A release first is a click; a new press arms afresh.
        m_drag.Disarm();
        return false;
    }
    if (type == wxEVT_KEY_DOWN && static_cast<wxKeyEvent&>(event).GetKeyCode() == WXK_ESCAPE) {
        m_drag.Disarm();
        // The rest of the press drags nothing and selects nothing.
        if (m_grid.CellArea() != nullptr && m_grid.CellArea()->HasCapture()) {
            m_grid.CellArea()->ReleaseMouse();
        }
        return true;
    }
    if (type != wxEVT_MOTION) {
        return false;
    }
    const auto& mouse = static_cast<wxMouseEvent&>(event);
    auto* window = dynamic_cast<wxWindow*>(event.GetEventObject());
    if (!mouse.LeftIsDown() || window == nullptr) {
        m_drag.Disarm();
        return false;
    }
    const wxPoint screen = window->ClientToScreen(mouse.GetPosition());
    const int reachX = std::max(wxSystemSettings::GetMetric(wxSYS_DRAG_X), 2);
    const int reachY = std::max(wxSystemSettings::GetMetric(wxSYS_DRAG_Y), 2);
    switch (m_drag.MoveTo(screen.x, screen.y, reachX, reachY)) {
    case CGridDragState::Press::Fill:
        StartFillDrag();
        break;
    case CGridDragState::Press::Cells:
        StartDrag();
        break;
    default:
        break;
    }
    // While the press is held it moves the block, not the selection.
    return true;
}

int CListGridDrags::StartDrag()
{
    CZantobyDoc* doc = m_grid.Doc();
    if (doc == nullptr) {
        return CGridDragState::kNone;
    }
    if (m_grid.HasCapture()) {
        m_grid.ReleaseMouse();
    }
    if (m_grid.CellArea() != nullptr && m_grid.CellArea()->HasCapture()) {
        m_grid.CellArea()->ReleaseMouse();
    }
    int effect = CGridDragState::kNone;
    try {
        CClipSource source(doc->Host());
        if (!m_grid.Clipboard().FillClipSource(source)) {
            return effect;
        }
        m_drag.BeginOwnDrag(source.Table().GetColumnCount(), source.Table().GetRowCount());
        m_frameShown = false;
        wxDropSource drag(source, m_grid.CellArea());
        const wxDragResult result = drag.DoDragDrop(wxDrag_AllowMove);
        effect = result == wxDragMove   ? CGridDragState::kMove
                 : result == wxDragCopy ? CGridDragState::kCopy
                                        : CGridDragState::kNone;
    } catch (const std::exception&) {
        wxGetApp().ReportError(nullptr, "ListGrid", __LINE__);
    }
    m_drag.EndDrag();
    return effect;
}

void CListGridDrags::StartFillDrag()
{
    const std::vector<CListGridEdits::Block> blocks = m_grid.SelectedBlocks();
    if (m_grid.Doc() == nullptr || blocks.size() != 1) {
        return;
    }
    if (m_grid.CellArea() != nullptr && m_grid.CellArea()->HasCapture()) {
        m_grid.CellArea()->ReleaseMouse();
    }
    m_drag.BeginFillDrag(blocks[0]);
    // The drag carries nothing of its own: only this grid acts on it.
    wxTextDataObject nothing(wxT(" "));
    CRowDragSource drag(nothing, m_grid.CellArea());
    drag.SetDragCursor(m_grid.BlockCornerCursor());
    drag.DoDragDrop(wxDrag_DefaultMove);
    m_drag.EndDrag();
    m_grid.DrawRangeFrame(-1, -1, -1, -1);
}

int CListGridDrags::Enter()
{
    m_drag.Enter();
    m_frameShown = false;
    return m_drag.IsFromHere() ? CGridDragState::kMove : CGridDragState::kCopy;
}

void CListGridDrags::Leave()
{
    if (m_frameShown) {
        m_grid.DrawRangeFrame(-1, -1, -1, -1);
        m_frameShown = false;
    }
}

int CListGridDrags::Over(int column, int row)
{
    const bool inGrid =
        column >= 0 && row >= 0 && column < m_grid.GetColCount() && row < m_grid.GetRowCount();
    CGridDragState::Block frame{};
    const int effect = m_drag.Over(column, row, inGrid, m_grid.Host().IsKeyHeld(VK_CONTROL),
                                   m_grid.Host().IsKeyHeld(VK_ESCAPE), frame);
    m_grid.DrawRangeFrame(frame.left, frame.top, std::min(frame.right, m_grid.GetColCount() - 1),
                          std::min(frame.bottom, m_grid.GetRowCount() - 1));
    m_frameShown = frame.left >= 0;
    return effect;
}

int CListGridDrags::Drop(COleDataObject* data, int column, int row)
{
    Leave();
    CZantobyDoc* doc = m_grid.Doc();
    if (doc == nullptr) {
        return CGridDragState::kNone;
    }
    const bool inGrid =
        column >= 0 && row >= 0 && column < m_grid.GetColCount() && row < m_grid.GetRowCount();
    const std::vector<CListGridEdits::Block> blocks = m_grid.SelectedBlocks();
    const CListGridEdits::Block selection =
        blocks.empty() ? CListGridEdits::Block{-1, -1, -1, -1} : blocks[0];
    int effect = CGridDragState::kNone;
    switch (m_drag.Drop(column, row, inGrid, m_grid.Host().IsKeyHeld(VK_CONTROL),
                        m_grid.Host().IsKeyHeld(VK_ESCAPE), selection, effect)) {
    case CGridDragState::DropAction::Fill:
        m_grid.AutoInput(row);
        return CGridDragState::kNone;
    case CGridDragState::DropAction::Refuse:
        wxBell();
        return CGridDragState::kNone;
    case CGridDragState::DropAction::Paste: {
        const bool moved = effect == CGridDragState::kMove && m_drag.IsFromHere();
        const CGridDragState::Block landing = m_drag.Landing(column, row);
        const bool pasted = m_grid.Clipboard().PasteCells(data, column, row, effect);
        if (moved && pasted) {
            // The moved cells stay selected where they now are; their old place is empty.
            m_grid.MoveToCell(landing.left, landing.top);
            m_grid.DeselectAll();
            m_grid.SelectBlock(landing.left, landing.top, std::min(landing.right, m_grid.GetColCount() - 1),
                               std::min(landing.bottom, m_grid.GetRowCount() - 1));
        }
        m_grid.RepaintGrid();
        m_drag.EndDrag();
        doc->UpdateAllViews(&m_grid.View(), kHintRowsEdited);
        return pasted ? effect : CGridDragState::kNone;
    }
    default:
        return CGridDragState::kNone;
    }
}
