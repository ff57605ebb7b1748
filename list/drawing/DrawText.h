#pragma once

#include "list/drawing/DrawShapeKind.h"

struct LogFont;

// Lines of text over a photo in a font, size, colour and angle, with an optional shadow. It is
// placed by its origin corner; the other corners come from measuring the text.
class CDrawText
    : public CDrawShapeKind<CDrawText, CDrawShape, DrawKind::kText, &IDrawPropertyDialogs::EditText>
{
  public:
    // p0 the origin (top-left of the first line as the text reads), p1 bottom-left,
    // p2 bottom-right, p3 top-right.
    CPoint corners[4];
    CString fontName = "ＭＳ ゴシック";
    // A horizontal flip makes the width negative; the font takes its size alone.
    int charWidth = 32;
    int charHeight = 64;
    // From one line to the next; 0 means the character height.
    int linePitch = 0;
    // Degrees, counter-clockwise.
    int angle = 0;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;
    COLORREF textColor = RGB(0, 0, 0);
    // Lines are separated by CR LF or LF.
    CString text;

    // Places p1, p2 and p3 from p0 by measuring the lines in the font.
    void GetTextExtent();
    // The lines of the text; an empty text is one empty line.
    CStringArray GetLines() const;
    int GetPitch() const { return linePitch != 0 ? linePitch : charHeight; }
    // The font of the text, turned by the angle or not.
    LogFont MakeFont(bool turned) const;

    int HitTest(int x, int y, int tolerance) const override;
    // Any corner lies in the rectangle.
    bool IntersectsRect(const CRect& rect) override;
    // Each line below the one before by the pitch, across the angle; the shadow first.
    void Draw(Canvas& dc) const override;
    void AddHandlePoints(CPointArray& points) const override;
    CRect GetRect() const override;
    // Moves in mode 1 only: a text has no handles.
    void MoveResize(int mode, int px, int py, int qx, int qy, int tolerance) override;
    void FlipHorizontal(const CRect& frame) override;
    void FlipVertical(const CRect& frame) override;
    void Rotate(int quarterTurns, const CRect& frame) override;
    bool Read(const CStringArray& fields) override;
    bool Write(int indent, CString& out) const override;

  protected:
    // The box of the text moved by the drag, in mode 1 only.
    void DrawFeedback(Canvas& dc, const CEditViewMapping& view, int mode, int x0, int y0, int x1,
                      int y1) const override;

  private:
    // Places p1, p2 and p3 for a text width w and height h.
    void PlaceCorners(int width, int height);
    void MoveOriginTo(const CPoint& origin);
};
