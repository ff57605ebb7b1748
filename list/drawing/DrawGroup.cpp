#include "list/drawing/DrawGroup.h"

#include "list/drawing/IDrawPropertyDialogs.h"

void CDrawGroup::AddMember(std::unique_ptr<CDrawShape> shape)
{
    if (shape != nullptr) {
        members.AddShape(std::move(shape));
    }
    bounds = members.GetBounds();
}

int CDrawGroup::CountLeaves() const
{
    int leaves = 0;
    for (int i = 0; i < members.GetSize(); ++i) {
        const CDrawShape* member = members.GetShape(i);
        if (member->KindName() == DrawKind::kGroup) {
            leaves += static_cast<const CDrawGroup*>(member)->CountLeaves();
        } else {
            ++leaves;
        }
    }
    return leaves;
}

int CDrawGroup::HitTest(int x, int y, int tolerance) const
{
    if (selected) {
        const CRect& b = bounds;
        bool onFrame = IsNearSegment(x, y, b.left, b.top, b.right, b.top, tolerance) ||
                       IsNearSegment(x, y, b.right, b.top, b.right, b.bottom, tolerance) ||
                       IsNearSegment(x, y, b.right, b.bottom, b.left, b.bottom, tolerance) ||
                       IsNearSegment(x, y, b.left, b.bottom, b.left, b.top, tolerance);
        return onFrame ? HitCode::kBody : HitCode::kNone;
    }
    for (int i = members.GetSize() - 1; i >= 0; --i) {
        if (members.GetShape(i)->HitTest(x, y, tolerance) != HitCode::kNone) {
            return HitCode::kBody;
        }
    }
    return HitCode::kNone;
}

void CDrawGroup::DrawFeedback(Canvas& dc, const CEditViewMapping& view, int mode, int px, int py, int qx,
                              int qy) const
{
    for (int i = 0; i < members.GetSize(); ++i) {
        members.GetShape(i)->DrawDragFeedback(dc, view, mode, px, py, qx, qy);
    }
}

bool CDrawGroup::IntersectsRect(const CRect& rect)
{
    return members.SelectInRect(rect) > 0;
}

void CDrawGroup::AddHandlePoints(CPointArray& points) const
{
    AddRectHandlePoints(points, bounds);
}

void CDrawGroup::MoveResize(int, int px, int py, int qx, int qy, int tolerance)
{
    for (int i = 0; i < members.GetSize(); ++i) {
        members.GetShape(i)->MoveResize(HitCode::kBody, px, py, qx, qy, tolerance);
    }
    bounds.OffsetRect(qx - px, qy - py);
}

void CDrawGroup::FlipHorizontal(const CRect& frame)
{
    for (int i = 0; i < members.GetSize(); ++i) {
        members.GetShape(i)->FlipHorizontal(frame);
    }
    bounds = members.GetBounds();
}

void CDrawGroup::FlipVertical(const CRect& frame)
{
    for (int i = 0; i < members.GetSize(); ++i) {
        members.GetShape(i)->FlipVertical(frame);
    }
    bounds = members.GetBounds();
}

void CDrawGroup::Rotate(int quarterTurns, const CRect& frame)
{
    for (int i = 0; i < members.GetSize(); ++i) {
        members.GetShape(i)->Rotate(quarterTurns, frame);
    }
    bounds = members.GetBounds();
}

std::unique_ptr<CDrawShape> CDrawGroup::Clone() const
{
    auto copy = std::make_unique<CDrawGroup>();
    for (int i = 0; i < members.GetSize(); ++i) {
        if (std::unique_ptr<CDrawShape> member = members.GetShape(i)->Clone()) {
            copy->members.AddShape(std::move(member));
        }
    }
    copy->bounds = bounds;
    return copy;
}

bool CDrawGroup::ReadMembers(CDrwLineReader& reader, int depth)
{
    bool read = members.Read(reader, depth);
    bounds = members.GetBounds();
    return read;
}

bool CDrawGroup::Write(int indent, CString& out) const
{
    out.AppendFormat("%*sgroup{\n", indent, "");
    members.Write(indent + 2, out);
    out.AppendFormat("%*s}\n", indent, "");
    return true;
}

bool CDrawGroup::RunPropertyDialog(IDrawPropertyDialogs& dialogs)
{
    return dialogs.EditGroup(*this);
}
