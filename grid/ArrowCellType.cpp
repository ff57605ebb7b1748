#include "grid/ArrowCellType.h"

#include "grid/CellRecord.h"
#include "platform/canvas/Canvas.h"

void CArrowCellType::DrawArrow(Canvas& dc, int bar, int y, int direction)
{
    dc.MoveTo(bar, y - 3);
    dc.LineTo(bar, y + 4);
    const int d = bar + direction;
    dc.MoveTo(d, y - 2);
    dc.LineTo(d, y + 2);
    dc.LineTo(d + 2 * direction, y);
    dc.LineTo(d + direction, y - 1);
    dc.LineTo(d + direction, y + 1);
}

void CArrowCellType::DrawPrintedArrow(Canvas& dc, int bar, int y, int direction) const
{
    const int width = static_cast<int>(4 * m_scale);
    const int half = static_cast<int>(3.5 * m_scale);
    const CPoint points[] = {CPoint(bar, y - half), CPoint(bar, y + half),
                             CPoint(bar + direction * width, y)};
    dc.SelectBrush(Canvas::Brush::Solid(RGB(0, 0, 0)));
    dc.Polygon(points, 3);
}

void CArrowCellType::Draw(Canvas& dc, const CRect& rect, int, int, CCellRecord& record, int selected,
                          int current)
{
    const CRect inner = DrawBorders(dc, rect, record);
    COLORREF text, back;
    GetColors(record, selected, current, text, back);
    dc.FillRect(inner, back);
    if (inner.Width() <= 3) {
        return;
    }
    const std::uint32_t style =
        record.TestMaskBits(CellMask::TypeStyle) ? record.GetTypeStyle() : ArrowStyle::Right;
    const int d = inner.left + inner.Width() / 2;
    const int b = inner.top + inner.Height() / 2;
    const bool printing = IsPrinting(dc);
    dc.SelectPen(Canvas::Pen{PS_SOLID, 0, printing ? RGB(0, 0, 0) : text});
    auto arrow = [&](int bar, int direction) {
        if (printing) {
            DrawPrintedArrow(dc, bar, b, direction);
        } else {
            DrawArrow(dc, bar, b, direction);
        }
    };
    if (style & ArrowStyle::DoubleRight) {
        arrow(d + 2, 1);
        arrow(d - 4, 1);
    } else if (style & ArrowStyle::DoubleLeft) {
        arrow(d + 4, -1);
        arrow(d - 2, -1);
    } else if (style & ArrowStyle::Left) {
        arrow(d + 1, -1);
    } else {
        arrow(d - 1, 1);
    }
}
