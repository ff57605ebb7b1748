#include "grid/ui/SheetTabBar.h"

#include "grid/ui/CellGrid.h"
#include "platform/SystemColors.h"

CSheetTabBar::CSheetTabBar(CCellGrid& grid) : CGridPartWindow(grid, GridPartId::TabBar)
{
    m_strip.SetArrowWidth(2 * GetSystemMetrics(SM_CXHSCROLL));
    Bind(wxEVT_LEFT_DOWN, &CSheetTabBar::OnLeftDown, this);
    Bind(wxEVT_LEFT_UP, &CSheetTabBar::OnLeftUp, this);
    Bind(wxEVT_MOTION, &CSheetTabBar::OnMotion, this);
    Bind(wxEVT_RIGHT_DOWN, &CSheetTabBar::OnRightDown, this);
    Bind(wxEVT_SET_CURSOR, &CSheetTabBar::OnSetCursor, this);
    Bind(wxEVT_SIZE, &CSheetTabBar::OnResize, this);
    Bind(wxEVT_MOUSE_CAPTURE_LOST, &CSheetTabBar::OnCaptureLost, this);
}

void CSheetTabBar::Render(Canvas& dc, CSize size)
{
    m_strip.Paint(dc, size);
}

void CSheetTabBar::OnResize(wxSizeEvent& event)
{
    m_strip.RecomputeMaxOffset(GetClientSize().x);
    event.Skip();
}

void CSheetTabBar::OnLeftDown(wxMouseEvent& event)
{
    const int width = GetClientSize().x;
    if (CSheetTabStrip::InSizingEdge(event.GetX(), width)) {
        m_sizing = true;
        if (!HasCapture()) {
            CaptureMouse();
        }
        return;
    }
    if (const int arrow = m_strip.ArrowAt(event.GetX())) {
        if (m_strip.ScrollBy(arrow)) {
            InvalidatePicture();
        }
        return;
    }
    const std::vector<int> chosen = m_strip.ChooseAt(event.GetX(), width);
    if (!chosen.empty()) {
        InvalidatePicture();
    }
    for (int value : chosen) {
        Grid().OnTabSelected(value);
    }
}

void CSheetTabBar::OnLeftUp(wxMouseEvent&)
{
    m_sizing = false;
    if (HasCapture()) {
        ReleaseMouse();
    }
}

void CSheetTabBar::OnMotion(wxMouseEvent& event)
{
    if (!m_sizing) {
        return;
    }
    CCellGrid& grid = Grid();
    grid.CurrentSheet()->tabBarWidth = CSheetTabStrip::WidthForDrag(event.GetX());
    grid.SetTabBarSizing(true);
    grid.LayoutParts();
    grid.SetTabBarSizing(false);
}

void CSheetTabBar::OnRightDown(wxMouseEvent& event)
{
    CCellGrid& grid = Grid();
    if (grid.CurrentSheet()->popupMenuEnabled) {
        const int tab = m_strip.TabIndexAt(event.GetX());
        const wxPoint screen = ClientToScreen(event.GetPosition());
        grid.ShowPopupMenu(tab, 0, CPoint(screen.x, screen.y), GridSection::TabBar);
    }
}

void CSheetTabBar::OnSetCursor(wxSetCursorEvent& event)
{
    static const wxCursor westEast(wxCURSOR_SIZEWE);
    static const wxCursor arrow(wxCURSOR_ARROW);
    event.SetCursor(m_sizing || CSheetTabStrip::InSizingEdge(event.GetX(), GetClientSize().x) ? westEast
                                                                                              : arrow);
}

void CSheetTabBar::OnCaptureLost(wxMouseCaptureLostEvent&)
{
    m_sizing = false;
}
