#pragma once

#include "platform/Bitmap.h"
#include "platform/Geometry.h"
#include "platform/canvas/Canvas.h"

#include <initializer_list>

// Draws the small pictures the program's images are made of (pages, photos, folders, arrows,
// marks) pixel by pixel on a canvas, so that every toolbar button and bitmap is our own drawing.
class CIconPainter
{
  public:
    // Pixels of this colour are transparent when an image is shown.
    static constexpr COLORREF kTransparent = RGB(254, 1, 254);

    // Colours of the drawings.
    static constexpr COLORREF kInk = RGB(32, 32, 32);
    static constexpr COLORREF kGrey = RGB(128, 128, 128);
    static constexpr COLORREF kLight = RGB(192, 192, 192);
    static constexpr COLORREF kPaper = RGB(255, 255, 255);
    static constexpr COLORREF kBlue = RGB(30, 90, 200);
    static constexpr COLORREF kSky = RGB(150, 200, 250);
    static constexpr COLORREF kGreen = RGB(40, 150, 40);
    static constexpr COLORREF kRed = RGB(210, 30, 30);
    static constexpr COLORREF kYellow = RGB(250, 210, 60);
    static constexpr COLORREF kBrown = RGB(170, 110, 50);

    // A bitmap of the size filled with the transparent colour.
    static Bitmap MakeTransparent(int width, int height);

    explicit CIconPainter(Bitmap& target) : m_canvas(target) {}
    Canvas& GetCanvas() { return m_canvas; }

    void Fill(const CRect& rect, COLORREF color) { m_canvas.FillRect(rect, color); }
    void Frame(const CRect& rect, COLORREF color) { m_canvas.FrameRect(rect, color); }
    // A filled rectangle with an outline (the outline inside the rectangle).
    void Box(const CRect& rect, COLORREF outline, COLORREF fill);
    void Pixel(int x, int y, COLORREF color) { m_canvas.SetPixel(x, y, color); }
    // A line from one point to the other, both ends included.
    void Line(int x1, int y1, int x2, int y2, COLORREF color, int width = 1);
    void Polyline(std::initializer_list<CPoint> points, COLORREF color, int width = 1);
    void Polygon(std::initializer_list<CPoint> points, COLORREF outline, COLORREF fill);
    void Ellipse(const CRect& rect, COLORREF outline, COLORREF fill);

    // Glyphs within a rectangle or at a point.
    void Page(const CRect& rect);                       // white sheet with a folded corner
    void TextLines(const CRect& rect, COLORREF color);  // lines of text every second row
    void Photo(const CRect& rect);                      // sky, hill and sun in a frame
    void Folder(int x, int y);                          // an open yellow folder, 15 x 12
    void Rows(const CRect& rect, int rowHeight);        // table rows with a heading column
    void Cross(int x, int y, int size, COLORREF color); // a bold X
    void Plus(int x, int y, COLORREF color);            // a 5 x 5 plus
    void ArrowDown(int x, int y, int length, COLORREF color);
    void ArrowRight(int x, int y, int length, COLORREF color);
    // A turning arrow round the centre: clockwise or counter-clockwise, head at the top.
    void TurnArrow(int cx, int cy, bool clockwise, COLORREF color);
    void Magnifier(int x, int y); // lens 7 x 7 from (x, y), handle down right
    void Printer(const CRect& rect);
    void LetterA(int x, int y, COLORREF color);      // 10 x 9 capital A
    void QuestionMark(int x, int y, COLORREF color); // 5 x 9

  private:
    Canvas m_canvas;
};
