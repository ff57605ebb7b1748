#include "photo/EditTools.h"

#include "list/drawing/DrawArea.h"
#include "list/drawing/DrawBox.h"
#include "list/drawing/DrawEllipse.h"
#include "list/drawing/DrawFreeLine.h"
#include "list/drawing/DrawLine.h"
#include "list/drawing/DrawPolygon.h"
#include "list/drawing/DrawShade.h"
#include "list/drawing/DrawText.h"
#include "list/drawing/EditViewMapping.h"
#include "photo/EditPhotoModel.h"
#include "photo/EditorCommandIds.h"
#include "platform/canvas/Canvas.h"

#include <cstdlib>

namespace {

// A press and release within one pixel either way is a click.
bool HasMoved(CPoint a, CPoint b)
{
    return std::abs(a.x - b.x) > 1 || std::abs(a.y - b.y) > 1;
}

bool IsBigEnough(const CRect& rect)
{
    return rect.Width() > 1 || rect.Height() > 1;
}

void TakeShadowDefaults(CDrawShape& shape, const DrawingDefaults& defaults)
{
    if (defaults.shadowColor != kDefaultColor) {
        shape.shadow.color = defaults.shadowColor;
        shape.shadow.x = 10;
        shape.shadow.y = 10;
    }
}

template <class Shape> void TakeOutlineDefaults(Shape& shape, const DrawingDefaults& defaults)
{
    shape.borderWidth = defaults.borderWidth;
    shape.borderColor = defaults.borderColor;
    shape.fillColor = defaults.fillColor;
}

} // namespace

CEditTools::CEditTools(CEditPhotoModel& model, const CEditViewMapping& mapping)
    : m_model(model), m_mapping(mapping), m_tool(EditorCommand::kSelect)
{
}

CEditTools::~CEditTools() = default;

CPoint CEditTools::ToImage(CPoint view) const
{
    m_mapping.ViewToImage(view);
    return view;
}

bool CEditTools::IsPointListTool() const
{
    return m_tool == EditorCommand::kPolygon || m_tool == EditorCommand::kFreeLine;
}

int CEditTools::HitKindAt(CPoint view)
{
    const CPoint image = ToImage(view);
    int code = 0;
    if (m_model.drawing.shapes.HitTest(image.x, image.y, m_mapping.GetHitTolerance(), &code) < 0) {
        return 0;
    }
    return code;
}

// Button down

void CEditTools::ButtonDown(CPoint view)
{
    m_start = view;
    m_previous = view;
    m_dragging = true;
    const CPoint image = ToImage(view);
    if (m_tool == EditorCommand::kSelect) {
        // A polygon or polyline left unfinished goes once another tool is used.
        m_pending.reset();
        int code = 0;
        m_hitIndex = m_model.drawing.shapes.HitTest(image.x, image.y, m_mapping.GetHitTolerance(), &code);
        m_dragMode = m_hitIndex >= 0 ? code : 0;
        return;
    }
    m_dragMode = 0;
    BeginShape(image);
}

void CEditTools::BeginShape(CPoint image)
{
    const CRect dot(image, image);
    switch (m_tool) {
    case EditorCommand::kArea: {
        auto area = std::make_unique<CDrawArea>();
        area->SetRect(dot);
        m_pending = std::move(area);
        break;
    }
    case EditorCommand::kBox: {
        auto box = std::make_unique<CDrawBox>();
        box->SetRect(dot);
        m_pending = std::move(box);
        break;
    }
    case EditorCommand::kEllipse: {
        auto ellipse = std::make_unique<CDrawEllipse>();
        ellipse->SetRect(dot);
        m_pending = std::move(ellipse);
        break;
    }
    case EditorCommand::kShade: {
        auto shade = std::make_unique<CDrawShade>();
        shade->SetRect(dot);
        m_pending = std::move(shade);
        break;
    }
    case EditorCommand::kLine: {
        auto line = std::make_unique<CDrawLine>();
        line->start = image;
        line->end = image;
        m_pending = std::move(line);
        break;
    }
    case EditorCommand::kText: {
        auto text = std::make_unique<CDrawText>();
        text->corners[0] = image;
        text->GetTextExtent();
        m_pending = std::move(text);
        break;
    }
    case EditorCommand::kPolygon:
    case EditorCommand::kFreeLine: {
        const char* kind = m_tool == EditorCommand::kPolygon ? DrawKind::kPolygon : DrawKind::kFreeLine;
        // The shape being made keeps growing by one point per click.
        if (m_pending != nullptr && m_pending->KindName() == kind) {
            break;
        }
        if (m_tool == EditorCommand::kPolygon) {
            m_pending = std::make_unique<CDrawPolygon>();
        } else {
            m_pending = std::make_unique<CDrawFreeLine>();
        }
        break;
    }
    default:
        m_pending.reset();
        break;
    }
}

// Pointer move

void CEditTools::PointerMove(CPoint view, bool buttonDown, bool shift)
{
    if (buttonDown && m_dragging) {
        if (m_tool == EditorCommand::kSelect) {
            // A click that wobbles by a pixel stays a click: Shift and Ctrl clicks toggle.
            if (m_dragMode == 1 && HasMoved(m_start, view) && m_hitIndex >= 0 &&
                m_hitIndex < m_model.drawing.shapes.GetSize() &&
                !m_model.drawing.shapes.GetShape(m_hitIndex)->selected) {
                SelectHitShapeAlone();
            }
        } else if (m_pending != nullptr) {
            DragShape(ToImage(view), shift);
        }
        m_previous = view;
        return;
    }
    if (!buttonDown && m_pending != nullptr) {
        // The last point of a polygon or polyline being made follows the pointer.
        auto* points = dynamic_cast<CDrawPointListShape*>(m_pending.get());
        if (points != nullptr && points->points.GetSize() >= 2) {
            points->points.Point(points->points.GetSize() - 1) = ToImage(view);
        }
    }
}

void CEditTools::DragShape(CPoint image, bool shift)
{
    if (auto* area = dynamic_cast<CDrawArea*>(m_pending.get())) {
        const CSize shown = m_model.GetDisplaySize();
        area->DragCornerKeepAspect(shown.cx, shown.cy, image.x, image.y, shift);
    } else if (auto* rect = dynamic_cast<CDrawRectShape*>(m_pending.get())) {
        rect->x2 = image.x;
        rect->y2 = image.y;
    } else if (auto* line = dynamic_cast<CDrawLine*>(m_pending.get())) {
        line->end = image;
    } else if (auto* text = dynamic_cast<CDrawText*>(m_pending.get())) {
        text->corners[0] = image;
        text->GetTextExtent();
    }
}

// Button up

void CEditTools::ButtonUp(CPoint view, bool shift, bool ctrl, const DrawingDefaults& defaults,
                          IDrawPropertyDialogs& dialogs)
{
    if (!m_dragging) {
        return;
    }
    m_dragging = false;
    if (m_tool == EditorCommand::kSelect) {
        FinishSelect(view, shift, ctrl);
    } else if (m_pending != nullptr) {
        FinishShape(ToImage(view), shift, defaults, dialogs);
    }
}

void CEditTools::SelectHitShapeAlone()
{
    CDrawShapeList& shapes = m_model.drawing.shapes;
    shapes.DeselectAll();
    shapes.GetShape(m_hitIndex)->selected = true;
}

void CEditTools::FinishSelect(CPoint view, bool shift, bool ctrl)
{
    CDrawShapeList& shapes = m_model.drawing.shapes;
    const bool moved = HasMoved(m_start, view);
    if (m_dragMode != 0 && m_hitIndex >= 0 && m_hitIndex < shapes.GetSize()) {
        CDrawShape* hit = shapes.GetShape(m_hitIndex);
        if (moved) {
            if (!hit->selected) {
                SelectHitShapeAlone();
            }
            const CPoint from = ToImage(m_start);
            const CPoint to = ToImage(view);
            shapes.MoveResize(m_dragMode, from.x, from.y, to.x, to.y, m_mapping.GetHitTolerance());
            m_model.RenderImage();
            m_model.SetModifiedFlag(true);
        } else if (shift || ctrl) {
            hit->selected = !hit->selected;
        } else {
            SelectHitShapeAlone();
        }
        return;
    }
    if (shift && ctrl) {
        return;
    }
    shapes.DeselectAll();
    if (moved) {
        CRect band(ToImage(m_start), ToImage(view));
        band.NormalizeRect();
        shapes.SelectInRect(band);
    }
}

void CEditTools::FinishShape(CPoint image, bool shift, const DrawingDefaults& defaults,
                             IDrawPropertyDialogs& dialogs)
{
    CDrawShape* shape = m_pending.get();
    bool accepted = false;
    if (auto* area = dynamic_cast<CDrawArea*>(shape)) {
        const CSize shown = m_model.GetDisplaySize();
        area->DragCornerKeepAspect(shown.cx, shown.cy, image.x, image.y, shift);
        area->Normalize();
        // One area crops a photo; a second one is never made.
        accepted = IsBigEnough(area->GetRect()) && !m_model.drawing.shapes.hasArea;
    } else if (auto* box = dynamic_cast<CDrawBox*>(shape)) { // an ellipse too
        box->x2 = image.x;
        box->y2 = image.y;
        TakeOutlineDefaults(*box, defaults);
        box->Normalize();
        accepted = IsBigEnough(box->GetRect());
    } else if (auto* shade = dynamic_cast<CDrawShade*>(shape)) {
        shade->x2 = image.x;
        shade->y2 = image.y;
        shade->Normalize();
        accepted = IsBigEnough(shade->GetRect());
    } else if (auto* line = dynamic_cast<CDrawLine*>(shape)) {
        line->end = image;
        line->width = defaults.borderWidth;
        line->color = defaults.borderColor;
        accepted = HasMoved(line->start, line->end);
    } else if (auto* text = dynamic_cast<CDrawText*>(shape)) {
        text->corners[0] = image;
        text->textColor = defaults.textColor;
        text->text = "テキスト";
        TakeShadowDefaults(*text, defaults);
        text->GetTextExtent();
        accepted = text->Properties(dialogs) && !text->text.IsEmpty();
        if (accepted) {
            text->GetTextExtent();
        }
    } else if (auto* points = dynamic_cast<CDrawPointListShape*>(shape)) {
        if (points->points.GetSize() == 0) {
            points->points.AddPoint(image);
        } else {
            points->points.Point(points->points.GetSize() - 1) = image;
        }
        points->points.AddPoint(image);
        return;
    }
    if (!accepted) {
        m_pending.reset();
        return;
    }
    if (shape->KindName() == DrawKind::kBox || shape->KindName() == DrawKind::kEllipse ||
        shape->KindName() == DrawKind::kLine) {
        TakeShadowDefaults(*shape, defaults);
    }
    Accept(std::move(m_pending));
}

void CEditTools::Accept(std::unique_ptr<CDrawShape> shape)
{
    CDrawShapeList& shapes = m_model.drawing.shapes;
    shapes.DeselectAll();
    shape->selected = true;
    if (shape->KindName() == DrawKind::kArea) {
        // The area stays at the bottom of the stack.
        shapes.InsertAt(0, shape.release());
        shapes.hasArea = true;
        m_tool = EditorCommand::kSelect;
    } else {
        shapes.AddShape(std::move(shape));
    }
    m_model.RenderImage();
    m_model.SetModifiedFlag(true);
}

// Double click

bool CEditTools::DoubleClick(const DrawingDefaults& defaults)
{
    if (m_tool == EditorCommand::kSelect) {
        m_dragging = false;
        return true;
    }
    if (auto* polygon = dynamic_cast<CDrawPolygon*>(m_pending.get())) {
        // Three corners and the point that follows the pointer.
        if (polygon->points.GetSize() >= 4) {
            polygon->points.RemoveAt(polygon->points.GetSize() - 1);
            TakeOutlineDefaults(*polygon, defaults);
            TakeShadowDefaults(*polygon, defaults);
            Accept(std::move(m_pending));
        }
    } else if (auto* freeLine = dynamic_cast<CDrawFreeLine*>(m_pending.get())) {
        if (freeLine->points.GetSize() >= 3) {
            freeLine->points.RemoveAt(freeLine->points.GetSize() - 1);
            freeLine->width = defaults.borderWidth;
            freeLine->color = defaults.borderColor;
            Accept(std::move(m_pending));
        }
    }
    m_dragging = false;
    return false;
}

// Feedback

void CEditTools::DrawFeedback(Canvas& dc) const
{
    const CDrawShapeList& shapes = m_model.drawing.shapes;
    if (m_pending != nullptr) {
        const int mode = m_pending->KindName() == DrawKind::kPolygon ? 7 : 0;
        m_pending->DrawDragFeedback(dc, m_mapping, mode, m_start.x, m_start.y, m_previous.x, m_previous.y);
    }
    if (!m_dragging || m_tool != EditorCommand::kSelect) {
        return;
    }
    if (m_dragMode == 0) {
        if (HasMoved(m_start, m_previous)) {
            CRect band(m_start, m_previous);
            band.NormalizeRect();
            m_mapping.ViewToClientRect(band);
            dc.DrawFocusRect(band);
        }
        return;
    }
    for (int i = 0; i < shapes.GetSize(); ++i) {
        const CDrawShape* shape = shapes.GetShape(i);
        const bool dragged = m_dragMode == 1 ? shape->selected : (i == m_hitIndex && shape->selected);
        if (dragged) {
            shape->DrawDragFeedback(dc, m_mapping, m_dragMode, m_start.x, m_start.y, m_previous.x,
                                    m_previous.y);
        }
    }
}
