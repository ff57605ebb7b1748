#include "list/drawing/DrawShapeList.h"

#include "foundation/StringArrayEx.h"
#include "list/drawing/DrawArea.h"
#include "list/drawing/DrawBox.h"
#include "list/drawing/DrawEllipse.h"
#include "list/drawing/DrawFreeLine.h"
#include "list/drawing/DrawGroup.h"
#include "list/drawing/DrawLine.h"
#include "list/drawing/DrawPolygon.h"
#include "list/drawing/DrawShade.h"
#include "list/drawing/DrawText.h"
#include "list/drawing/DrwLineReader.h"
#include "list/drawing/DrwValues.h"

#include <algorithm>

namespace {

// Cuts a shape line into its fields, the first without its indent; false for lines that are
// empty or comments.
bool CutShapeLine(const CString& line, CStringArrayEx& fields)
{
    if (line.IsEmpty() || line[0] == ';') {
        return false;
    }
    fields.SplitEscaped(line, ',');
    CString kind = fields[0];
    fields[0] = kind.TrimLeft();
    return true;
}

std::unique_ptr<CDrawShape> CreateShape(const CString& kind)
{
    if (kind == DrawKind::kBox) {
        return std::make_unique<CDrawBox>();
    }
    if (kind == DrawKind::kPolygon) {
        return std::make_unique<CDrawPolygon>();
    }
    if (kind == DrawKind::kEllipse) {
        return std::make_unique<CDrawEllipse>();
    }
    if (kind == DrawKind::kLine) {
        return std::make_unique<CDrawLine>();
    }
    if (kind == DrawKind::kFreeLine) {
        return std::make_unique<CDrawFreeLine>();
    }
    if (kind == DrawKind::kShade) {
        return std::make_unique<CDrawShade>();
    }
    if (kind == DrawKind::kText) {
        return std::make_unique<CDrawText>();
    }
    if (kind == DrawKind::kArea) {
        return std::make_unique<CDrawArea>();
    }
    return nullptr;
}

// Grows extent to hold r; the first rectangle is taken as it is.
void AddToExtent(CRect& extent, bool& any, const CRect& r)
{
    if (!any) {
        extent = r;
        any = true;
        return;
    }
    extent = CRect(std::min(extent.left, r.left), std::min(extent.top, r.top),
                   std::max(extent.right, r.right), std::max(extent.bottom, r.bottom));
}

} // namespace

int CDrawShapeList::HitTest(int x, int y, int tolerance, int* hitCode)
{
    int count = GetSize();
    if (resume < 0 || resume > count) {
        resume = count;
    }
    auto test = [&](int index) {
        int code = GetShape(index)->HitTest(x, y, tolerance);
        if (code == HitCode::kNone) {
            return false;
        }
        if (hitCode != nullptr) {
            // With several shapes selected a press can only move them.
            *hitCode = CountSelected() < 2 ? code : HitCode::kBody;
        }
        return true;
    };
    for (int i = count - 1 - resume; i >= 0; --i) {
        if (test(i)) {
            return i;
        }
    }
    for (int i = count - 1; i >= count - resume; --i) {
        if (test(i)) {
            return i;
        }
    }
    return -1;
}

int CDrawShapeList::SelectInRect(const CRect& rect)
{
    int caught = 0;
    for (int i = 0; i < GetSize(); ++i) {
        CDrawShape* shape = GetShape(i);
        if (shape->IntersectsRect(rect)) {
            shape->selected = true;
            ++caught;
        }
    }
    return caught;
}

int CDrawShapeList::GetHandlePoints(CPointArray& points) const
{
    points.RemoveAll();
    for (int i = 0; i < GetSize(); ++i) {
        if (GetShape(i)->selected) {
            GetShape(i)->AddHandlePoints(points);
        }
    }
    return points.GetSize();
}

CRect CDrawShapeList::GetBounds() const
{
    // Flat rectangles (a level line) still count; only inverted ones (a point list without
    // points) add nothing.
    bool any = false;
    CRect bounds;
    for (int i = 0; i < GetSize(); ++i) {
        CRect r = GetShape(i)->GetRect();
        if (r.left <= r.right && r.top <= r.bottom) {
            AddToExtent(bounds, any, r);
        }
    }
    return bounds;
}

void CDrawShapeList::DrawAll(Canvas& dc) const
{
    for (int i = 0; i < GetSize(); ++i) {
        GetShape(i)->Draw(dc);
    }
}

void CDrawShapeList::MoveResize(int mode, int x0, int y0, int x1, int y1, int tolerance)
{
    if (mode == HitCode::kBody) {
        for (int i = 0; i < GetSize(); ++i) {
            if (GetShape(i)->selected) {
                GetShape(i)->MoveResize(mode, x0, y0, x1, y1, tolerance);
            }
        }
        return;
    }
    if (mode < HitCode::kVertex || mode > HitCode::kTopRightBottomLeft) {
        return;
    }
    for (int i = 0; i < GetSize(); ++i) {
        if (GetShape(i)->selected) {
            GetShape(i)->MoveResize(mode, x0, y0, x1, y1, tolerance);
            return;
        }
    }
}

void CDrawShapeList::DeselectAll()
{
    int count = GetSize();
    for (int i = 0; i < count; ++i) {
        if (GetShape(i)->selected) {
            GetShape(i)->selected = false;
            // The next hit test starts just below this shape.
            resume = count - i;
        }
    }
}

int CDrawShapeList::CountSelected() const
{
    int selectedCount = 0;
    for (int i = 0; i < GetSize(); ++i) {
        if (GetShape(i)->selected) {
            ++selectedCount;
        }
    }
    return selectedCount;
}

CRect CDrawShapeList::GetSelectedBounds() const
{
    bool any = false;
    CRect bounds;
    for (int i = 0; i < GetSize(); ++i) {
        if (GetShape(i)->selected) {
            AddToExtent(bounds, any, GetShape(i)->GetRect());
        }
    }
    return bounds;
}

bool CDrawShapeList::Read(CDrwLineReader& reader, int depth)
{
    // Blocks nested beyond the limit give their members to this list, so that a crafted file
    // cannot exhaust the stack and no shape is lost.
    int flattened = 0;
    CString line;
    CStringArrayEx fields;
    while (reader.ReadLine(line)) {
        if (!CutShapeLine(line, fields)) {
            continue;
        }
        const CString& kind = fields[0];
        if (kind == "group{") {
            if (depth >= DrwValue::kMaxGroupDepth) {
                ++flattened;
                continue;
            }
            auto group = std::make_unique<CDrawGroup>();
            CDrawGroup* members = group.get();
            AddShape(std::move(group));
            members->ReadMembers(reader, depth + 1);
            continue;
        }
        if (kind == "}") {
            if (flattened > 0) {
                --flattened;
                continue;
            }
            return true;
        }
        std::unique_ptr<CDrawShape> shape = CreateShape(kind);
        if (shape == nullptr) {
            continue;
        }
        if (shape->KindName() == DrawKind::kArea) {
            hasArea = true;
        }
        shape->Read(fields);
        AddShape(std::move(shape));
    }
    return true;
}

bool CDrawShapeList::Write(int indent, CString& out) const
{
    for (int i = 0; i < GetSize(); ++i) {
        if (!GetShape(i)->Write(indent, out)) {
            return false;
        }
    }
    return true;
}
