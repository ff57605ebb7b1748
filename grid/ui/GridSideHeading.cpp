#include "grid/ui/GridSideHeading.h"

#include "grid/ui/CellGrid.h"
#include "grid/ui/GridCellArea.h"

#include <algorithm>

CGridSideHeading::CGridSideHeading(CCellGrid& grid)
    : CGridHeading(grid, GridPartId::SideHeading, GridSection::SideHeading)
{
}

void CGridSideHeading::Render(Canvas& dc, CSize size)
{
    Grid().Painter().PaintSideHeading(dc, size);
}

void CGridSideHeading::SizingStarted(CPoint point)
{
    const CGridSheetInfo& sheet = *Grid().CurrentSheet();
    m_rowsAbove = std::max(point.y / std::max(sheet.defaultRowHeight, 1), 1);
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
        ShowSizedEdge(-1, row);
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
