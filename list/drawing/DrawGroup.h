#pragma once

#include "list/drawing/DrawShapeList.h"

class CDrwLineReader;

// Shapes bundled to be selected, moved, flipped, turned, copied and stacked as one; groups nest.
class CDrawGroup : public CDrawShape
{
  public:
    CDrawShapeList members;
    // Union of the members' rectangles, kept up to date by every change through the group.
    CRect bounds;

    // Appends the shape when there is one and takes the members' bounds.
    void AddMember(std::unique_ptr<CDrawShape> shape);
    // Members that are not groups, counting inside nested groups.
    int CountLeaves() const;

    // A selected group is grabbed by its frame only, an unselected one through any member.
    int HitTest(int x, int y, int tolerance) const override;
    // Selects the members the rectangle catches; true when it caught any.
    bool IntersectsRect(const CRect& rect) override;
    void AddHandlePoints(CPointArray& points) const override;
    CRect GetRect() const override { return members.GetBounds(); }
    void Draw(Canvas& dc) const override { members.DrawAll(dc); }
    // Moves the group whatever the mode: a group is never resized.
    void MoveResize(int mode, int px, int py, int qx, int qy, int tolerance) override;
    void FlipHorizontal(const CRect& frame) override;
    void FlipVertical(const CRect& frame) override;
    void Rotate(int quarterTurns, const CRect& frame) override;
    std::unique_ptr<CDrawShape> Clone() const override;
    // Reads the member lines up to the matching "}" line.
    bool ReadMembers(CDrwLineReader& reader, int depth);
    bool Write(int indent, CString& out) const override;
    const char* KindName() const override { return DrawKind::kGroup; }

  protected:
    bool RunPropertyDialog(IDrawPropertyDialogs& dialogs) override;
    void DrawFeedback(Canvas& dc, const CEditViewMapping& view, int mode, int x0, int y0, int x1,
                      int y1) const override;
};
