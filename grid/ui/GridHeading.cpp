#include "grid/ui/GridHeading.h"

#include "grid/ui/CellGrid.h"
#include "grid/ui/GridCellArea.h"
#include "grid/ui/GridSizingMarker.h"
#include "platform/ui/WxText.h"

CGridHeading::CGridHeading(CCellGrid& grid, int id, int section)
    : CGridPartWindow(grid, id), m_section(section)
{
    Bind(wxEVT_LEFT_DOWN, &CGridHeading::OnLeftDown, this);
    Bind(wxEVT_LEFT_UP, &CGridHeading::OnLeftUp, this);
    Bind(wxEVT_LEFT_DCLICK, &CGridHeading::OnDouble, this);
    Bind(wxEVT_MOTION, &CGridHeading::OnMotion, this);
    Bind(wxEVT_SET_CURSOR, &CGridHeading::OnSetCursor, this);
    Bind(wxEVT_MOUSE_CAPTURE_LOST, &CGridHeading::OnCaptureLost, this);
    Bind(wxEVT_RIGHT_DOWN, &CGridHeading::OnRightDown, this);
    Bind(wxEVT_RIGHT_UP, &CGridHeading::OnRightUp, this);
}

bool CGridHeading::HeadingCellAt(CPoint point, int& column, int& row, CRect& rect)
{
    return CGridHitZones::HeadingCell(Grid(), m_section, point, column, row, rect);
}

CGridHitZones::Hit CGridHeading::HitSizing(CPoint point)
{
    CCellGrid& grid = Grid();
    if (grid.CurrentSheet()->headingResize == 0) {
        return {};
    }
    return m_section == GridSection::TopHeading ? CGridHitZones::TopHeading(grid, point)
                                                : CGridHitZones::SideHeading(grid, point);
}

void CGridHeading::OnLeftDown(wxMouseEvent& event)
{
    const CPoint point = PointOf(event);
    if (StartSizing(point)) {
        SizingStarted(point);
        return;
    }
    PressCells(point);
}

void CGridHeading::OnLeftUp(wxMouseEvent& event)
{
    if (m_tracking) {
        FinishTracking();
        return;
    }
    ReleaseCells(PointOf(event));
}

void CGridHeading::OnDouble(wxMouseEvent& event)
{
    DoubleClickAt(PointOf(event));
}

void CGridHeading::OnMotion(wxMouseEvent& event)
{
    const CPoint point = PointOf(event);
    if (m_tracking) {
        TrackTo(point);
        return;
    }
    MoveOver(point, event.LeftIsDown());
}

bool CGridHeading::StartSizing(CPoint point)
{
    CCellGrid& grid = Grid();
    grid.CellArea()->SetFocus();
    m_hit = HitSizing(point);
    if (m_hit.mode == CGridHitZones::Sizing::None) {
        return false;
    }
    const CGridSheetInfo& sheet = *grid.CurrentSheet();
    const bool height =
        m_hit.mode == CGridHitZones::Sizing::Row || m_hit.mode == CGridHitZones::Sizing::HeadingRow;
    m_startSize = height ? sheet.RowHeight(m_hit.index) : sheet.ColumnWidth(m_hit.index);
    m_startTotal = m_section == GridSection::TopHeading ? sheet.topHeadingHeight : sheet.sideHeadingWidth;
    BeginTracking(point);
    return true;
}

void CGridHeading::HoverAt(CPoint point)
{
    m_hit = HitSizing(point);
    UpdateTip(point);
}

void CGridHeading::ShowSizedEdge(int column, int row)
{
    CCellGrid& grid = Grid();
    if (grid.CurrentSheet()->headingResize != 1) {
        grid.RepaintAllParts();
        return;
    }
    InvalidatePicture();
    CRect rect;
    grid.GetCellRect(column, row, rect);
    const bool vertical = m_section == GridSection::TopHeading;
    ShowMarkerAcrossGrid(vertical, vertical ? rect.right : rect.bottom);
}

void CGridHeading::NotifyButton(bool left, int column, int row, int down, const CRect& rect, CPoint point,
                                int processed)
{
    CCellGrid& grid = Grid();
    const bool top = m_section == GridSection::TopHeading;
    if (left && top) {
        grid.OnTopHeadingLButton(column, row, down, rect, point, processed);
    } else if (left) {
        grid.OnSideHeadingLButton(column, row, down, rect, point, processed);
    } else if (top) {
        grid.OnTopHeadingRButton(column, row, down, rect, point, processed);
    } else {
        grid.OnSideHeadingRButton(column, row, down, rect, point, processed);
    }
}

void CGridHeading::NotifyDoubleClick(int column, int row, const CRect& rect, CPoint point, int processed)
{
    if (m_section == GridSection::TopHeading) {
        Grid().OnTopHeadingDblClick(column, row, rect, point, processed);
    } else {
        Grid().OnSideHeadingDblClick(column, row, rect, point, processed);
    }
}

bool CGridHeading::DispatchButton(bool left, int down, CPoint point)
{
    CCellGrid& grid = Grid();
    int column, row;
    CRect rect;
    if (!HeadingCellAt(point, column, row, rect)) {
        return false;
    }
    CCellType* type = grid.GetCellTypeAt(column, row);
    const int processed = left ? type->OnLButton(column, row, down, rect, point)
                               : type->OnRButton(column, row, down, rect, point);
    NotifyButton(left, column, row, down, rect, point, processed);
    return true;
}

void CGridHeading::DispatchDoubleClick(CPoint point)
{
    int column, row;
    CRect rect;
    if (HeadingCellAt(point, column, row, rect)) {
        const int processed = Grid().GetCellTypeAt(column, row)->OnDblClick(column, row, rect, point);
        NotifyDoubleClick(column, row, rect, point, processed);
    }
}

void CGridHeading::OnRightDown(wxMouseEvent& event)
{
    CCellGrid& grid = Grid();
    const CPoint point = PointOf(event);
    grid.CellArea()->SetFocus();
    if (!DispatchButton(false, 1, point)) {
        return;
    }
    int column, row;
    CRect rect;
    if (grid.CurrentSheet()->popupMenuEnabled && HeadingCellAt(point, column, row, rect)) {
        const wxPoint screen = ClientToScreen(event.GetPosition());
        grid.ShowPopupMenu(column, row, CPoint(screen.x, screen.y), m_section);
    }
}

void CGridHeading::OnRightUp(wxMouseEvent& event)
{
    DispatchButton(false, 0, PointOf(event));
}

void CGridHeading::BeginTracking(CPoint point)
{
    m_tracking = true;
    m_startPoint = point;
    // The tip would follow the pointer over the cells while the edge moves, and stay there; it
    // comes back once the pointer moves over a heading cell again.
    UnsetToolTip();
    m_tipColumn = m_tipRow = -100;
    if (!HasCapture()) {
        CaptureMouse();
    }
}

void CGridHeading::EndTracking()
{
    m_tracking = false;
    HideMarker();
    if (HasCapture()) {
        ReleaseMouse();
    }
}

void CGridHeading::ShowMarkerAcrossGrid(bool vertical, int position)
{
    const wxPoint origin = GetPosition();
    const wxSize grid = Grid().GetClientSize();
    if (vertical) {
        const int x = origin.x + position;
        Grid().SizingMarker()->ShowAt(CRect(x - 1, 0, x + 1, grid.y));
    } else {
        const int y = origin.y + position;
        Grid().SizingMarker()->ShowAt(CRect(0, y - 1, grid.x, y + 1));
    }
}

void CGridHeading::HideMarker()
{
    Grid().SizingMarker()->HideMarker();
}

const wxCursor& CGridHeading::SizingCursor() const
{
    static const wxCursor arrow(wxCURSOR_ARROW);
    static const wxCursor westEast(wxCURSOR_SIZEWE);
    static const wxCursor northSouth(wxCURSOR_SIZENS);
    switch (m_hit.mode) {
    case CGridHitZones::Sizing::Column:
    case CGridHitZones::Sizing::HeadingColumn:
        return westEast;
    case CGridHitZones::Sizing::Row:
    case CGridHitZones::Sizing::HeadingRow:
        return northSouth;
    default:
        return arrow;
    }
}

void CGridHeading::OnSetCursor(wxSetCursorEvent& event)
{
    if (!m_tracking) {
        m_hit = HitSizing(CPoint(event.GetX(), event.GetY()));
    }
    event.SetCursor(SizingCursor());
}

void CGridHeading::OnCaptureLost(wxMouseCaptureLostEvent&)
{
    m_tracking = false;
    HideMarker();
}

void CGridHeading::UpdateTip(CPoint point)
{
    CCellGrid& grid = Grid();
    if (!grid.CurrentSheet()->tips) {
        return;
    }
    int column = -100, row = -100;
    CRect rect;
    if (!HeadingCellAt(point, column, row, rect)) {
        column = row = -100;
    }
    if (column == m_tipColumn && row == m_tipRow) {
        return;
    }
    m_tipColumn = column;
    m_tipRow = row;
    CString text;
    if (column != -100 && grid.OnGetHintText(column, row, GridSection::CellArea, text) == 1) {
        SetToolTip(ToWx(text));
    } else {
        UnsetToolTip();
    }
}
