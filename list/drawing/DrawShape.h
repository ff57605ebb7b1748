#pragma once

#include "list/drawing/DrwValues.h"
#include "list/drawing/PointArray.h"
#include "list/drawing/ShadowRecord.h"
#include "platform/Arrays.h"
#include "platform/CString.h"
#include "platform/Geometry.h"

#include <memory>

class Canvas;
class CDrawShapeList;
class CEditViewMapping;
class IDrawPropertyDialogs;

// Kind names: the drw keywords, and the one string object each kind returns, so that kinds are
// told apart by comparing the pointers.
namespace DrawKind {
inline constexpr char kBox[] = "box";
inline constexpr char kPolygon[] = "polygon";
inline constexpr char kEllipse[] = "ellipse";
inline constexpr char kLine[] = "line";
inline constexpr char kFreeLine[] = "freeline";
inline constexpr char kShade[] = "shade";
inline constexpr char kText[] = "text";
inline constexpr char kGroup[] = "group";
inline constexpr char kArea[] = "area";
} // namespace DrawKind

// Hit codes of HitTest, also the modes of MoveResize and DrawDragFeedback.
namespace HitCode {
constexpr int kNone = 0;
constexpr int kBody = 1;
constexpr int kVertex = 2;
constexpr int kTopBottom = 3;
constexpr int kLeftRight = 4;
constexpr int kTopLeftBottomRight = 5;
constexpr int kTopRightBottomLeft = 6;
constexpr int kCreating = 7; // mode only
} // namespace HitCode

// Base of every drawing shape over a photo: hit testing, handles, moving, flipping, turning,
// copying, property editing and its own drw line. Coordinates are photo pixels.
class CDrawShape : public CObject
{
  public:
    ShadowRecord shadow;
    bool selected = false;

    // Hit code of a press at (x, y) with a tolerance in photo pixels; handles count only while
    // the shape is selected.
    virtual int HitTest(int x, int y, int tolerance) const = 0;
    // Whether a selection rectangle catches the shape.
    virtual bool IntersectsRect(const CRect&) { return false; }
    virtual void AddHandlePoints(CPointArray& points) const = 0;
    virtual CRect GetRect() const = 0;
    // Draws the shape on a canvas in photo pixels.
    virtual void Draw(Canvas& dc) const = 0;
    // The outline the editor shows while the shape is dragged, drawn on its window in client
    // coordinates with a dotted inverting pen, so that drawing it again erases it. mode is a hit
    // code; (x0, y0) is the press and (x1, y1) the current point, in view coordinates.
    void DrawDragFeedback(Canvas& dc, const CEditViewMapping& view, int mode, int x0, int y0, int x1,
                          int y1) const;
    virtual void MoveResize(int mode, int x0, int y0, int x1, int y1, int tolerance) = 0;
    virtual void FlipHorizontal(const CRect& frame) = 0;
    virtual void FlipVertical(const CRect& frame) = 0;
    // Quarter turns, 1 to the left on screen, -1 to the right, about the frame.
    virtual void Rotate(int quarterTurns, const CRect& frame) = 0;
    // A copy with every field but the selected flag; null for kinds that cannot be copied.
    virtual std::unique_ptr<CDrawShape> Clone() const { return nullptr; }
    // Runs the kind's property dialog; true when it ended with OK or failed (the failure is
    // reported).
    bool Properties(IDrawPropertyDialogs& dialogs);
    // Takes the fields of a drw line; field 0 is the kind.
    virtual bool Read(const CStringArray&) { return false; }
    // Appends the shape's drw line (or block) with indent spaces in front.
    virtual bool Write(int indent, CString& out) const = 0;
    virtual const char* KindName() const = 0;

    // Geometry tests of the hit tests; integer arithmetic truncating toward zero.
    static bool IsNearPoint(int x, int y, int px, int py, int tolerance);
    static bool IsNearSegment(int x, int y, int x1, int y1, int x2, int y2, int tolerance);
    // Whether (x, y) is on the inner side of the directed edge of a box whose corners run
    // top-left, bottom-left, bottom-right, top-right.
    static bool IsOnInnerSide(int x, int y, int x1, int y1, int x2, int y2, int tolerance);

    // The extent of no points, which every point then widens.
    static constexpr CRect kNoPoints{9999, 9999, -9999, -9999};
    static void IncludePoint(CRect& extent, const CPoint& point);

    // A solid pen; widths below 0 draw as 0, one device pixel.
    static void SelectSolidPen(Canvas& dc, int width, COLORREF color);

    // Quarter turns taken into 0 to 3.
    static int NormalizeQuarterTurns(int quarterTurns);
    // Turns a point about the frame by c quarter turns (0 to 3) to the left.
    static CPoint RotatePoint(const CPoint& point, int c, const CRect& frame);

  protected:
    // Calls take(key, value) for each field from 1 on in key=value form; with bareKeys, a
    // field without "=" is a key with an empty value, else it is left out.
    template <class Take> static void ForEachKey(const CStringArray& fields, bool bareKeys, Take take)
    {
        CString key;
        CString value;
        for (int i = 1; i < fields.GetSize(); ++i) {
            if (DrwValue::SplitKeyValue(fields[i], key, value) || bareKeys) {
                take(key, value);
            }
        }
    }

    // The eight handles of a rectangle: the corners from the top-left clockwise, then the
    // middles of the top, bottom, right and left edges.
    static void AddRectHandlePoints(CPointArray& points, const CRect& rect);

    virtual bool RunPropertyDialog(IDrawPropertyDialogs& dialogs) = 0;
    // The kind's outline inside the frame that DrawDragFeedback sets up.
    virtual void DrawFeedback(Canvas& dc, const CEditViewMapping& view, int mode, int x0, int y0, int x1,
                              int y1) const = 0;

    static CPoint ImageToClient(const CEditViewMapping& view, CPoint point);
    // The press of a drag in photo pixels.
    static CPoint PressInImage(const CEditViewMapping& view, int x0, int y0);
    // A drag of at most one pixel either way moves no handle.
    static bool IsSmallDrag(int dx, int dy) { return dx >= -1 && dx <= 1 && dy >= -1 && dy <= 1; }

    // "name," with the indent in front.
    void BeginLine(int indent, CString& out) const;
    // The four shadow keys "sd.x=%d,sd.y=%d,sd.c=%d,sd.s=%d", no comma behind.
    void AppendShadowKeys(CString& out) const;
    // Takes sd.x, sd.y, sd.c or sd.s; false for any other key.
    bool ReadShadowKey(const CString& key, const CString& value);
};
