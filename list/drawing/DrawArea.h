#pragma once

#include "list/drawing/DrawRectShape.h"

// The valid range of the photo: renderings are cropped to it. Never caught by a selection
// rectangle and never copied.
class CDrawArea : public CDrawRectShape
{
  public:
    int HitTest(int x, int y, int tolerance) const override;
    // An inverted frame and a band of diagonal hatching about 20 pixels wide around the area;
    // the area's own pixels stay as they are.
    void Draw(Canvas& dc) const override;
    bool Read(const CStringArray& fields) override;
    bool Write(int indent, CString& out) const override;
    const char* KindName() const override { return DrawKind::kArea; }

    // Drags the second corner to (x, y) while the area is drawn; unless free, the area keeps
    // the proportions of refWidth by refHeight. The rectangle is left as it falls.
    void DragCornerKeepAspect(int refWidth, int refHeight, int x, int y, bool free);

  protected:
    bool RunPropertyDialog(IDrawPropertyDialogs& dialogs) override;
};
