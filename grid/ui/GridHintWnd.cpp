#include "grid/ui/GridHintWnd.h"

#include "grid/GridHintPlacement.h"
#include "grid/ui/CellGrid.h"
#include "platform/canvas/Canvas.h"

#include <wx/dcclient.h>
#include <wx/graphics.h>

namespace {

constexpr COLORREF kHintBack = 0xE0FFFF;

} // namespace

CGridHintWnd::CGridHintWnd(CCellGrid& grid) : wxPopupWindow(&grid, wxBORDER_SIMPLE), m_grid(grid)
{
    SetBackgroundStyle(wxBG_STYLE_PAINT);
    Bind(wxEVT_PAINT, &CGridHintWnd::OnPaint, this);
}

void CGridHintWnd::ShowHint(const CString& text, CPoint point, unsigned flags, int minWidth)
{
    m_text = text;
    Canvas measure;
    measure.SelectFont(m_grid.StandardFont());
    CSize extent = measure.GetTextExtent(text);
    extent.cy = std::max(extent.cy, measure.GetTextExtent(CString("X")).cy) + 2;
    const wxSize client = m_grid.GetClientSize();
    const CRect rect =
        CGridHintPlacement::Place(point, flags, minWidth, extent, CRect(0, 0, client.x, client.y));
    const wxPoint screen = m_grid.ClientToScreen(wxPoint(rect.left, rect.top));
    SetSize(screen.x, screen.y, rect.Width(), rect.Height());
    if (!IsShown()) {
        Show();
    }
    Refresh(false);
    Update();
}

void CGridHintWnd::HideHint()
{
    Hide();
}

void CGridHintWnd::OnPaint(wxPaintEvent&)
{
    wxPaintDC paint(this);
    wxGraphicsContext* graphics = paint.GetGraphicsContext();
    if (graphics == nullptr) {
        return;
    }
    Canvas dc(static_cast<cairo_t*>(graphics->GetNativeContext()));
    const wxSize size = GetClientSize();
    CRect rect(0, 0, size.x, size.y);
    dc.FillRect(rect, kHintBack);
    dc.SelectFont(m_grid.StandardFont());
    dc.SetBkMode(TRANSPARENT);
    dc.SetTextColor(RGB(0, 0, 0));
    dc.DrawText(m_text, rect, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
}
