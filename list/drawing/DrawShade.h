#pragma once

#include "list/drawing/DrawRectShape.h"

// A mosaic: coarsens the picture under its rectangle into square cells of one colour.
class CDrawShade : public CDrawRectShape
{
  public:
    // Cell size in pixels, at least 1.
    int dot = 8;

    int HitTest(int x, int y, int tolerance) const override;
    bool IntersectsRect(const CRect& rect) override { return OverlapsRect(rect); }
    std::unique_ptr<CDrawShape> Clone() const override;
    bool Read(const CStringArray& fields) override;
    bool Write(int indent, CString& out) const override;
    const char* KindName() const override { return DrawKind::kShade; }

  protected:
    bool RunPropertyDialog(IDrawPropertyDialogs& dialogs) override;
};
