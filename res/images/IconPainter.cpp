#include "res/images/IconPainter.h"

#include <vector>

Bitmap CIconPainter::MakeTransparent(int width, int height)
{
    Bitmap bitmap;
    bitmap.Create(width, height, 32);
    CIconPainter(bitmap).Fill(CRect(0, 0, width, height), kTransparent);
    return bitmap;
}

void CIconPainter::Box(const CRect& rect, COLORREF outline, COLORREF fill)
{
    m_canvas.FillRect(rect, fill);
    m_canvas.FrameRect(rect, outline);
}

void CIconPainter::Line(int x1, int y1, int x2, int y2, COLORREF color, int width)
{
    Canvas::Pen pen;
    pen.width = width > 1 ? width : 0;
    pen.color = color;
    const Canvas::Pen old = m_canvas.SelectPen(pen);
    m_canvas.MoveTo(x1, y1);
    m_canvas.LineTo(x2, y2);
    m_canvas.SelectPen(old);
    if (width <= 1) {
        m_canvas.SetPixel(x2, y2, color);
    }
}

void CIconPainter::Polyline(std::initializer_list<CPoint> points, COLORREF color, int width)
{
    const CPoint* previous = nullptr;
    for (const CPoint& point : points) {
        if (previous != nullptr) {
            Line(previous->x, previous->y, point.x, point.y, color, width);
        }
        previous = &point;
    }
}

void CIconPainter::Polygon(std::initializer_list<CPoint> points, COLORREF outline, COLORREF fill)
{
    const std::vector<CPoint> corners(points);
    Canvas::Pen pen;
    pen.color = outline;
    const Canvas::Pen oldPen = m_canvas.SelectPen(pen);
    const Canvas::Brush oldBrush = m_canvas.SelectBrush(Canvas::Brush::Solid(fill));
    m_canvas.Polygon(corners.data(), static_cast<int>(corners.size()));
    m_canvas.SelectBrush(oldBrush);
    m_canvas.SelectPen(oldPen);
}

void CIconPainter::Ellipse(const CRect& rect, COLORREF outline, COLORREF fill)
{
    Canvas::Pen pen;
    pen.color = outline;
    const Canvas::Pen oldPen = m_canvas.SelectPen(pen);
    const Canvas::Brush oldBrush =
        m_canvas.SelectBrush(fill == kTransparent ? Canvas::Brush::Null() : Canvas::Brush::Solid(fill));
    m_canvas.Ellipse(rect);
    m_canvas.SelectBrush(oldBrush);
    m_canvas.SelectPen(oldPen);
}

void CIconPainter::Page(const CRect& rect)
{
    const int fold = 3;
    Polygon({{rect.left, rect.top},
             {rect.right - 1 - fold, rect.top},
             {rect.right - 1, rect.top + fold},
             {rect.right - 1, rect.bottom - 1},
             {rect.left, rect.bottom - 1}},
            kGrey, kPaper);
    Polyline({{rect.right - 1 - fold, rect.top},
              {rect.right - 1 - fold, rect.top + fold},
              {rect.right - 1, rect.top + fold}},
             kGrey);
}

void CIconPainter::TextLines(const CRect& rect, COLORREF color)
{
    for (int y = rect.top; y < rect.bottom; y += 2) {
        Line(rect.left, y, rect.right - 1, y, color);
    }
}

void CIconPainter::Photo(const CRect& rect)
{
    const CRect inside(rect.left + 1, rect.top + 1, rect.right - 1, rect.bottom - 1);
    Fill(inside, kSky);
    const int groundTop = inside.top + (inside.bottom - inside.top) * 3 / 5;
    Polygon({{inside.left, inside.bottom - 1},
             {inside.left, groundTop + 1},
             {inside.left + (inside.right - inside.left) / 3, groundTop - 1},
             {inside.right - 1, groundTop + 2},
             {inside.right - 1, inside.bottom - 1}},
            kGreen, kGreen);
    Fill(CRect(inside.right - 4, inside.top + 1, inside.right - 2, inside.top + 3), kYellow);
    Frame(rect, kInk);
}

void CIconPainter::Folder(int x, int y)
{
    Polygon({{x, y + 1}, {x + 5, y + 1}, {x + 6, y + 2}, {x + 12, y + 2}, {x + 12, y + 11}, {x, y + 11}},
            kBrown, RGB(230, 180, 70));
    Polygon({{x, y + 11}, {x + 3, y + 5}, {x + 15, y + 5}, {x + 12, y + 11}}, kBrown, kYellow);
}

void CIconPainter::Rows(const CRect& rect, int rowHeight)
{
    Box(rect, kGrey, kPaper);
    Fill(CRect(rect.left + 1, rect.top + 1, rect.right - 1, rect.top + rowHeight), RGB(200, 215, 240));
    for (int y = rect.top + rowHeight; y < rect.bottom - 1; y += rowHeight) {
        Line(rect.left, y, rect.right - 1, y, kGrey);
    }
    Line(rect.left + 4, rect.top, rect.left + 4, rect.bottom - 1, kGrey);
}

void CIconPainter::Cross(int x, int y, int size, COLORREF color)
{
    Line(x, y, x + size - 1, y + size - 1, color);
    Line(x + 1, y, x + size - 1, y + size - 2, color);
    Line(x, y + 1, x + size - 2, y + size - 1, color);
    Line(x + size - 1, y, x, y + size - 1, color);
    Line(x + size - 2, y, x, y + size - 2, color);
    Line(x + size - 1, y + 1, x + 1, y + size - 1, color);
}

void CIconPainter::Plus(int x, int y, COLORREF color)
{
    Fill(CRect(x + 2, y, x + 3, y + 5), color);
    Fill(CRect(x, y + 2, x + 5, y + 3), color);
    Fill(CRect(x + 1, y + 1, x + 4, y + 4), color);
}

void CIconPainter::ArrowDown(int x, int y, int length, COLORREF color)
{
    Line(x, y, x, y + length - 1, color);
    Line(x - 2, y + length - 3, x, y + length - 1, color);
    Line(x + 2, y + length - 3, x, y + length - 1, color);
}

void CIconPainter::ArrowRight(int x, int y, int length, COLORREF color)
{
    Line(x, y, x + length - 1, y, color);
    Line(x + length - 3, y - 2, x + length - 1, y, color);
    Line(x + length - 3, y + 2, x + length - 1, y, color);
}

void CIconPainter::TurnArrow(int cx, int cy, bool clockwise, COLORREF color)
{
    // Three quarters of a circle of radius 5, open at the top on the side the arrow points to.
    const int s = clockwise ? 1 : -1;
    Polyline({{cx + 2 * s, cy - 5},
              {cx - 1 * s, cy - 5},
              {cx - 4 * s, cy - 3},
              {cx - 5 * s, cy},
              {cx - 4 * s, cy + 3},
              {cx - 1 * s, cy + 5},
              {cx + 2 * s, cy + 5},
              {cx + 4 * s, cy + 3},
              {cx + 5 * s, cy}},
             color, 1);
    Polyline({{cx - 1 * s, cy - 4}, {cx + 2 * s, cy - 4}}, color);
    Polygon({{cx + 2 * s, cy - 8}, {cx + 5 * s, cy - 5}, {cx + 2 * s, cy - 2}}, color, color);
}

void CIconPainter::Magnifier(int x, int y)
{
    Ellipse(CRect(x, y, x + 8, y + 8), kInk, RGB(220, 240, 255));
    Line(x + 7, y + 7, x + 10, y + 10, kBrown, 2);
}

void CIconPainter::Printer(const CRect& rect)
{
    const int bodyTop = rect.top + (rect.bottom - rect.top) / 2;
    Box(CRect(rect.left + 3, rect.top, rect.right - 3, bodyTop + 1), kGrey, kPaper);
    Box(CRect(rect.left, bodyTop, rect.right, rect.bottom), kInk, kLight);
    Pixel(rect.right - 3, bodyTop + 2, kGreen);
}

void CIconPainter::LetterA(int x, int y, COLORREF color)
{
    Line(x, y + 8, x + 4, y, color);
    Line(x + 1, y + 8, x + 5, y, color);
    Line(x + 4, y, x + 8, y + 8, color);
    Line(x + 5, y, x + 9, y + 8, color);
    Line(x + 3, y + 5, x + 6, y + 5, color);
}

void CIconPainter::QuestionMark(int x, int y, COLORREF color)
{
    Polyline(
        {{x, y + 1}, {x + 1, y}, {x + 3, y}, {x + 4, y + 1}, {x + 4, y + 3}, {x + 2, y + 5}, {x + 2, y + 6}},
        color);
    Pixel(x + 2, y + 8, color);
}
