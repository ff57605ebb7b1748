#include "list/drawing/DrawFreeLine.h"

#include "list/drawing/EditViewMapping.h"
#include "list/drawing/IDrawPropertyDialogs.h"
#include "list/drawing/LineStroke.h"
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
    LineStroke::DrawPath(dc, PointsMovedBy(0, 0), startArrow, endArrow, width, color, shadow, false);
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
    copy->startArrow = startArrow;
    copy->endArrow = endArrow;
    copy->width = width;
    copy->color = color;
    return copy;
}

bool CDrawFreeLine::Read(const CStringArray& fields)
{
    int arrows = 0;
    ForEachKey(fields, false, [&](const CString& key, const CString& value) {
        if (ReadPointKey(key, value) || ReadShadowKey(key, value)) {
            return;
        }
        if (key == "ar") {
            DrwValue::TakeArrow(arrows, value, startArrow, endArrow);
        } else if (key == "bd.w") {
            width = DrwValue::ToPenWidth(value);
        } else if (key == "bd.c") {
            color = static_cast<COLORREF>(DrwValue::ToInt(value));
        }
    });
    return true;
}

bool CDrawFreeLine::Write(int indent, CString& out) const
{
    BeginLine(indent, out);
    AppendPointKeys(out);
    DrwValue::AppendArrowKey(out, startArrow);
    DrwValue::AppendArrowKey(out, endArrow);
    out.AppendFormat("bd.w=%d,bd.c=%d,", width, static_cast<int>(color));
    AppendShadowKeys(out);
    out += '\n';
    return true;
}

bool CDrawFreeLine::RunPropertyDialog(IDrawPropertyDialogs& dialogs)
{
    return dialogs.EditFreeLine(*this);
}
