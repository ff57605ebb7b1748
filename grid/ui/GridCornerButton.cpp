#include "grid/ui/GridCornerButton.h"

#include "grid/GridHitZones.h"
#include "grid/ui/CellGrid.h"

#include <algorithm>

CGridCornerButton::CGridCornerButton(CCellGrid& grid) : CGridPartWindow(grid, GridPartId::Corner)
{
    Bind(wxEVT_LEFT_DOWN, &CGridCornerButton::OnLeftDown, this);
    Bind(wxEVT_LEFT_UP, &CGridCornerButton::OnLeftUp, this);
    Bind(wxEVT_LEFT_DCLICK, &CGridCornerButton::OnDouble, this);
    Bind(wxEVT_RIGHT_DOWN, &CGridCornerButton::OnRightDown, this);
    Bind(wxEVT_RIGHT_UP, &CGridCornerButton::OnRightUp, this);
    Bind(wxEVT_MOTION, &CGridCornerButton::OnMotion, this);
    Bind(wxEVT_SET_CURSOR, &CGridCornerButton::OnSetCursor, this);
    Bind(wxEVT_MOUSE_CAPTURE_LOST, &CGridCornerButton::OnCaptureLost, this);
}

void CGridCornerButton::Render(Canvas& dc, CSize size)
{
    Grid().Painter().PaintCorner(dc, size);
}

CRect CGridCornerButton::CornerRect() const
{
    return const_cast<CGridCornerButton*>(this)->Grid().CurrentSheet()->parts.corner;
}

void CGridCornerButton::OnLeftDown(wxMouseEvent& event)
{
    const CPoint point = PointOf(event);
    int started = 0;
    if (m_zone != CGridHitZones::CornerNone) {
        m_tracking = true;
        started = 1;
        if (!HasCapture()) {
            CaptureMouse();
        }
    }
    Grid().OnCornerLButton(1, CornerRect(), point, started);
}

void CGridCornerButton::OnLeftUp(wxMouseEvent& event)
{
    CCellGrid& grid = Grid();
    const CPoint point = PointOf(event);
    int ended = 0;
    if (m_tracking) {
        m_tracking = false;
        ended = 1;
        if (HasCapture()) {
            ReleaseMouse();
        }
        CGridSheetInfo& sheet = *grid.CurrentSheet();
        if (m_zone & CGridHitZones::CornerWidth) {
            grid.OnSideHeadingSized(&sheet.sideHeadingWidth);
        } else {
            grid.OnTopHeadingSized(&sheet.topHeadingHeight);
        }
    }
    grid.OnCornerLButton(0, CornerRect(), point, ended);
}

void CGridCornerButton::OnDouble(wxMouseEvent& event)
{
    Grid().OnCornerDblClick(CornerRect(), PointOf(event), 0);
}

void CGridCornerButton::OnRightDown(wxMouseEvent& event)
{
    CCellGrid& grid = Grid();
    grid.OnCornerRButton(1, CornerRect(), PointOf(event), 0);
    if (grid.CurrentSheet()->popupMenuEnabled) {
        const wxPoint screen = ClientToScreen(event.GetPosition());
        grid.ShowPopupMenu(-1, -1, CPoint(screen.x, screen.y), GridSection::Corner);
    }
}

void CGridCornerButton::OnRightUp(wxMouseEvent& event)
{
    Grid().OnCornerRButton(0, CornerRect(), PointOf(event), 0);
}

void CGridCornerButton::OnMotion(wxMouseEvent& event)
{
    CCellGrid& grid = Grid();
    const CPoint point = PointOf(event);
    if (!m_tracking) {
        const wxSize size = GetClientSize();
        m_zone = event.ButtonIsDown(wxMOUSE_BTN_ANY) || grid.CurrentSheet()->headingResize == 0
                     ? 0
                     : CGridHitZones::CornerZone(grid, CSize(size.x, size.y), point);
        return;
    }
    if (m_zone & CGridHitZones::CornerWidth) {
        int width = std::max(point.x, 0);
        grid.OnSideHeadingSizing(&width);
        grid.SetSideHeadingWidth(std::max(width, 0));
    } else {
        int height = std::max(point.y, 0);
        grid.OnTopHeadingSizing(&height);
        grid.SetTopHeadingHeight(std::max(height, 0));
    }
    grid.LayoutParts();
}

void CGridCornerButton::OnSetCursor(wxSetCursorEvent& event)
{
    static const wxCursor westEast(wxCURSOR_SIZEWE);
    static const wxCursor northSouth(wxCURSOR_SIZENS);
    static const wxCursor arrow(wxCURSOR_ARROW);
    event.SetCursor(m_zone & CGridHitZones::CornerWidth    ? westEast
                    : m_zone & CGridHitZones::CornerHeight ? northSouth
                                                           : arrow);
}

void CGridCornerButton::OnCaptureLost(wxMouseCaptureLostEvent&)
{
    m_tracking = false;
}
