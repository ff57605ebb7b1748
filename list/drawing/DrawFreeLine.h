#pragma once

#include "list/drawing/DrawPointListShape.h"
#include "list/drawing/LineStyle.h"

// An open polyline through two or more points with optional arrow heads at both ends.
class CDrawFreeLine : public CDrawPointListShape, public CLineStyle
{
  public:
    int HitTest(int x, int y, int tolerance) const override;
    // Nothing with fewer than two points.
    void Draw(Canvas& dc) const override;
    std::unique_ptr<CDrawShape> Clone() const override;
    bool Read(const CStringArray& fields) override;
    bool Write(int indent, CString& out) const override;
    const char* KindName() const override { return DrawKind::kFreeLine; }

  protected:
    bool RunPropertyDialog(IDrawPropertyDialogs& dialogs) override;
    void DrawFeedback(Canvas& dc, const CEditViewMapping& view, int mode, int x0, int y0, int x1,
                      int y1) const override;
};
