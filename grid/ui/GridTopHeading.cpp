#include "grid/ui/GridTopHeading.h"

#include "grid/CellRecord.h"
#include "grid/ui/CellGrid.h"
#include "grid/ui/GridCellArea.h"

#include <algorithm>

CGridTopHeading::CGridTopHeading(CCellGrid& grid)
    : CGridHeading(grid, GridPartId::TopHeading, GridSection::TopHeading), m_dragScroll(this)
{
    Bind(wxEVT_TIMER, &CGridTopHeading::OnDragScroll, this);
    // A column drag without the pointer drops nothing and stops scrolling.
    Bind(wxEVT_MOUSE_CAPTURE_LOST, [this](wxMouseCaptureLostEvent& event) {
        m_dragScroll.Stop();
        m_scrollDirection = 0;
        if (m_dropPosition >= 0) {
            InvalidatePicture();
        }
        m_dragColumn = m_dropPosition = -1;
        event.Skip();
    });
}

void CGridTopHeading::Render(Canvas& dc, CSize size)
{
    Grid().Painter().PaintTopHeading(dc, size, m_dropPosition >= 0 ? m_dragColumn : -1);
}

void CGridTopHeading::PressCells(CPoint point)
{
    CCellGrid& grid = Grid();
    int column, row;
    CRect rect;
    if (DispatchButton(true, 1, point) && HeadingCellAt(point, column, row, rect)) {
        if (grid.CurrentSheet()->columnDragging && grid.OnCanStartColumnSwap(column)) {
            m_dragColumn = column;
            m_dropPosition = -1;
        }
    }
    if (!HasCapture()) {
        CaptureMouse();
    }
}

void CGridTopHeading::ReleaseCells(CPoint point)
{
    DispatchButton(true, 0, point);
    FinishColumnDrag();
    if (HasCapture()) {
        ReleaseMouse();
    }
}

void CGridTopHeading::DoubleClickAt(CPoint point)
{
    CCellGrid& grid = Grid();
    const CGridHitZones::Hit hit = HitSizing(point);
    if (hit.mode == CGridHitZones::Sizing::Column && grid.CurrentSheet()->fitOnDoubleClick) {
        grid.FitColWidths(hit.index, hit.index, 20, 1);
        m_hit = HitSizing(point);
        NotifyColumnSized(hit.index);
        return;
    }
    DispatchDoubleClick(point);
}

void CGridTopHeading::MoveOver(CPoint point, bool leftDown)
{
    if (m_dragColumn >= 0 && leftDown) {
        DragTo(point);
        return;
    }
    HoverAt(point);
}

void CGridTopHeading::TrackTo(CPoint point)
{
    CCellGrid& grid = Grid();
    CGridSheetInfo& sheet = *grid.CurrentSheet();
    const int movement =
        m_hit.mode == CGridHitZones::Sizing::Column ? point.x - m_startPoint.x : point.y - m_startPoint.y;
    if (m_hit.mode == CGridHitZones::Sizing::Column) {
        const int column = m_hit.index;
        int width = std::max(m_startSize + movement, 0);
        for (int row = grid.FirstVisibleRow(); row <= grid.LastVisibleRow() && row < sheet.rowCount; ++row) {
            grid.GetCellTypeAt(column, row)->OnCellColumnSizing(column, row, &width);
        }
        grid.OnColumnSizing(column, &width);
        grid.SetColumnWidth(column, std::max(width, 0));
        ShowSizedEdge(column, -1);
        return;
    }
    // A heading row: its own height at once, the total when the owner agrees.
    const int index = -m_hit.index - 1;
    if (index < 0 || index >= sheet.TopHeadingRowCount()) {
        return;
    }
    sheet.topHeadingHeights[index] = std::max(m_startSize + movement, 0);
    int total = std::max(m_startTotal + movement, 0);
    if (grid.OnTopHeadingSizing(&total) == 1) {
        sheet.topHeadingHeight = std::max(total, 0);
        grid.LayoutParts();
    }
}

void CGridTopHeading::FinishTracking()
{
    CCellGrid& grid = Grid();
    CGridSheetInfo& sheet = *grid.CurrentSheet();
    if (m_hit.mode == CGridHitZones::Sizing::Column) {
        NotifyColumnSized(m_hit.index);
        grid.CellArea()->InvalidatePicture();
    } else if (m_hit.mode == CGridHitZones::Sizing::HeadingRow) {
        grid.OnTopHeadingSized(&sheet.topHeadingHeight);
    }
    EndTracking();
    grid.LayoutParts();
}

void CGridTopHeading::NotifyColumnSized(int column)
{
    CCellGrid& grid = Grid();
    const CGridSheetInfo& sheet = *grid.CurrentSheet();
    int width = grid.GetColumnWidth(column);
    const int before = width;
    for (int row = grid.FirstVisibleRow(); row <= grid.LastVisibleRow() && row < sheet.rowCount; ++row) {
        grid.GetCellTypeAt(column, row)->OnCellColumnSized(column, row, &width);
    }
    grid.OnColumnSized(column, &width);
    if (width != before) {
        grid.SetColumnWidth(column, std::max(width, 0));
    }
    grid.LayoutParts();
}

bool CGridTopHeading::DropPositionAt(int x, int& position, int& edge)
{
    const CGridSheetInfo& sheet = *Grid().CurrentSheet();
    int left = 0;
    for (int c = sheet.lockedColumns > 0 ? 0 : sheet.leftColumn; c < sheet.colCount; ++c) {
        if (c == sheet.lockedColumns && c < sheet.leftColumn) {
            c = sheet.leftColumn;
        }
        const int width = sheet.columns[c].width;
        if (x >= left && x < left + width) {
            const bool rightHalf = x >= left + width / 2;
            position = std::min(rightHalf ? c + 1 : c, sheet.colCount);
            edge = rightHalf ? left + width : left;
            return true;
        }
        left += width;
    }
    return false;
}

void CGridTopHeading::DragTo(CPoint point)
{
    CCellGrid& grid = Grid();
    const CGridSheetInfo& sheet = *grid.CurrentSheet();
    if (point.x < 0 || point.x > sheet.areaWidth) {
        const int direction = point.x < 0 ? -1 : 1;
        if (direction != m_scrollDirection || !m_dragScroll.IsRunning()) {
            m_scrollDirection = direction;
            grid.ScrollColumns(direction < 0 ? MoveKind::Back : MoveKind::Forward);
            m_dragScroll.Start(std::max(sheet.autoScrollDelay, 30));
        }
        return;
    }
    m_dragScroll.Stop();
    m_scrollDirection = 0;
    int position, edge;
    if (!DropPositionAt(point.x, position, edge)) {
        return;
    }
    if (m_dropPosition < 0) {
        m_dropPosition = position;
        InvalidatePicture();
    }
    m_dropPosition = position;
    ShowMarkerAcrossGrid(true, edge);
}

void CGridTopHeading::OnDragScroll(wxTimerEvent&)
{
    CCellGrid& grid = Grid();
    if (m_dragColumn < 0 || m_scrollDirection == 0 || !wxGetMouseState().LeftIsDown()) {
        m_dragScroll.Stop();
        return;
    }
    grid.ScrollColumns(m_scrollDirection < 0 ? MoveKind::Back : MoveKind::Forward);
}

void CGridTopHeading::FinishColumnDrag()
{
    CCellGrid& grid = Grid();
    m_dragScroll.Stop();
    m_scrollDirection = 0;
    const int dragged = m_dragColumn;
    const int position = m_dropPosition;
    m_dragColumn = m_dropPosition = -1;
    HideMarker();
    if (dragged < 0 || position < 0) {
        return;
    }
    const int target = position > dragged ? position - 1 : position;
    if (target != dragged && grid.OnCanSwapColumns(dragged, target)) {
        if (position < grid.GetColCount()) {
            grid.MoveColumn(dragged, position, 1);
        } else {
            grid.MoveColumn(dragged, grid.GetColCount() - 1, 0);
        }
        grid.OnColumnsSwapped(dragged, target);
    }
    grid.RepaintAllParts();
}
