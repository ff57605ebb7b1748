#include "list/drawing/DrawFreeLine.h"

#include "list/drawing/EditViewMapping.h"
#include "list/drawing/IDrawPropertyDialogs.h"
#include "platform/canvas/Canvas.h"

int CDrawFreeLine::HitTest(int x, int y, int tolerance) const
{
    if (selected && IsNearVertex(x, y, tolerance)) {
        return HitCode::kVertex;
    }
    return IsNearEdge(x, y, tolerance, false) ? HitCode::kBody : HitCode::kNone;
}

void CDrawFreeLine::Draw(Canvas& dc) const
{
    DrawPath(dc, PointsMovedBy(0, 0), shadow, false);
}

void CDrawFreeLine::DrawFeedback(Canvas& dc, const CEditViewMapping& view, int mode, int px, int py, int qx,
                                 int qy) const
{
    if (points.GetSize() < 2) {
        return;
    }
    std::vector<CPoint> path = FeedbackPoints(view, mode, px, py, qx, qy);
    if (!path.empty()) {
        dc.Polyline(path.data(), static_cast<int>(path.size()));
    }
}

std::unique_ptr<CDrawShape> CDrawFreeLine::Clone() const
{
    auto copy = std::make_unique<CDrawFreeLine>();
    CopyBaseTo(*copy);
    copy->points.CopyFrom(points);
    static_cast<CLineStyle&>(*copy) = *this;
    return copy;
}

bool CDrawFreeLine::Read(const CStringArray& fields)
{
    int arrows = 0;
    ForEachKey(fields, false, [&](const CString& key, const CString& value) {
        ReadPointKey(key, value) || ReadShadowKey(key, value) || ReadLineKey(key, value, arrows);
    });
    return true;
}

bool CDrawFreeLine::Write(int indent, CString& out) const
{
    BeginLine(indent, out);
    AppendPointKeys(out);
    AppendLineKeys(out);
    AppendShadowKeys(out);
    out += '\n';
    return true;
}

bool CDrawFreeLine::RunPropertyDialog(IDrawPropertyDialogs& dialogs)
{
    return dialogs.EditFreeLine(*this);
}
