#include "grid/ui/GridSideHeading.h"

#include "grid/ui/CellGrid.h"
#include "grid/ui/GridCellArea.h"

#include <algorithm>

CGridSideHeading::CGridSideHeading(CCellGrid& grid)
    : CGridHeading(grid, GridPartId::SideHeading, GridSection::SideHeading)
{
    Bind(wxEVT_LEFT_DOWN, &CGridSideHeading::OnLeftDown, this);
    Bind(wxEVT_LEFT_UP, &CGridSideHeading::OnLeftUp, this);
    Bind(wxEVT_LEFT_DCLICK, &CGridSideHeading::OnDouble, this);
    Bind(wxEVT_MOTION, &CGridSideHeading::OnMotion, this);
}

void CGridSideHeading::Render(Canvas& dc, CSize size)
{
    Grid().Painter().PaintSideHeading(dc, size);
}

CGridHitZones::Hit CGridSideHeading::HitSizing(CPoint point)
{
    if (Grid().CurrentSheet()->headingResize == 0) {
        return {};
    }
    return CGridHitZones::SideHeading(Grid(), point);
}

void CGridSideHeading::OnLeftDown(wxMouseEvent& event)
{
    CCellGrid& grid = Grid();
    const CPoint point = PointOf(event);
    grid.CellArea()->SetFocus();
    m_hit = HitSizing(point);
    if (m_hit.mode != CGridHitZones::Sizing::None) {
        const CGridSheetInfo& sheet = *grid.CurrentSheet();
        m_startSize = m_hit.mode == CGridHitZones::Sizing::Row ? sheet.RowHeight(m_hit.index)
                                                               : sheet.ColumnWidth(m_hit.index);
        m_startTotal = sheet.sideHeadingWidth;
        m_rowsAbove = std::max(point.y / std::max(sheet.defaultRowHeight, 1), 1);
        BeginTracking(point);
        return;
    }
    DispatchButton(true, 1, point);
}

void CGridSideHeading::OnLeftUp(wxMouseEvent& event)
{
    const CPoint point = PointOf(event);
    if (m_tracking) {
        FinishTracking();
        return;
    }
    DispatchButton(true, 0, point);
}

void CGridSideHeading::OnDouble(wxMouseEvent& event)
{
    const CPoint point = PointOf(event);
    DispatchDoubleClick(point);
}

void CGridSideHeading::OnMotion(wxMouseEvent& event)
{
    const CPoint point = PointOf(event);
    if (m_tracking) {
        TrackTo(point);
        return;
    }
    m_hit = HitSizing(point);
    UpdateTip(point);
}

void CGridSideHeading::TrackTo(CPoint point)
{
    CCellGrid& grid = Grid();
    CGridSheetInfo& sheet = *grid.CurrentSheet();
    if (m_hit.mode == CGridHitZones::Sizing::Row) {
        const int row = m_hit.index;
        int height = sheet.uniformRowHeight ? CCellGridCore::UniformRowHeightForDrag(point.y, m_rowsAbove)
                                            : std::max(m_startSize + point.y - m_startPoint.y, 0);
        for (int column = grid.FirstVisibleColumn();
             column <= grid.LastVisibleColumn() && column < sheet.colCount; ++column) {
            grid.GetCellTypeAt(column, row)->OnCellRowSizing(column, row, &height);
        }
        grid.OnRowSizing(row, &height);
        grid.SetRowSize(row, std::max(height, 0));
        if (sheet.headingResize == 1) {
            InvalidatePicture();
            CRect rect;
            grid.GetCellRect(-1, row, rect);
            ShowMarkerAcrossGrid(false, rect.bottom);
        } else {
            grid.RepaintAllParts();
        }
        return;
    }
    const int index = -m_hit.index - 1;
    if (index < 0 || index >= sheet.SideHeadingColumnCount()) {
        return;
    }
    const int movement = point.x - m_startPoint.x;
    sheet.sideHeadingWidths[index] = std::max(m_startSize + movement, 0);
    int total = std::max(m_startTotal + movement, 0);
    grid.OnSideHeadingSizing(&total);
    sheet.sideHeadingWidth = std::max(total, 0);
    grid.LayoutParts();
}

void CGridSideHeading::FinishTracking()
{
    CCellGrid& grid = Grid();
    CGridSheetInfo& sheet = *grid.CurrentSheet();
    if (m_hit.mode == CGridHitZones::Sizing::Row) {
        const int row = m_hit.index;
        int height = grid.GetRowSize(row);
        const int before = height;
        for (int column = grid.FirstVisibleColumn();
             column <= grid.LastVisibleColumn() && column < sheet.colCount; ++column) {
            grid.GetCellTypeAt(column, row)->OnCellRowSized(column, row, &height);
        }
        grid.OnRowSized(row, &height);
        if (height != before) {
            grid.SetRowSize(row, std::max(height, 0));
        }
        grid.CellArea()->InvalidatePicture();
    } else if (m_hit.mode == CGridHitZones::Sizing::HeadingColumn) {
        grid.OnSideHeadingSized(&sheet.sideHeadingWidth);
    }
    EndTracking();
    grid.LayoutParts();
}

void CGridSideHeading::NotifyButton(bool left, int column, int row, int down, const CRect& rect, CPoint point,
                                    int processed)
{
    if (left) {
        Grid().OnSideHeadingLButton(column, row, down, rect, point, processed);
    } else {
        Grid().OnSideHeadingRButton(column, row, down, rect, point, processed);
    }
}

void CGridSideHeading::NotifyDoubleClick(int column, int row, const CRect& rect, CPoint point, int processed)
{
    Grid().OnSideHeadingDblClick(column, row, rect, point, processed);
}
