#include "photo/ShapePropertyValues.h"

#include "list/drawing/DrawArea.h"
#include "list/drawing/DrawBox.h"
#include "list/drawing/DrawFreeLine.h"
#include "list/drawing/DrawGroup.h"
#include "list/drawing/DrawLine.h"
#include "list/drawing/DrawPolygon.h"
#include "list/drawing/DrawShade.h"
#include "list/drawing/DrawText.h"

#include <algorithm>

namespace {

void TakePoints(std::vector<CPoint>& to, const CPointArray& from)
{
    to.clear();
    for (int i = 0; i < from.GetSize(); ++i) {
        to.push_back(from.Point(i));
    }
}

void GivePoints(CPointArray& to, const std::vector<CPoint>& from)
{
    to.RemoveAll();
    for (const CPoint& point : from) {
        to.AddPoint(point);
    }
}

template <class Outline> void TakeOutline(ShapePropertyValues& values, const Outline& shape)
{
    values.borderWidth = shape.borderWidth;
    values.borderColor = shape.borderColor;
    values.fillColor = shape.fillColor;
}

template <class Outline> void GiveOutline(const ShapePropertyValues& values, Outline& shape)
{
    shape.borderWidth = values.borderWidth;
    shape.borderColor = values.borderColor;
    shape.fillColor = values.fillColor;
}

template <class Line> void TakeLine(ShapePropertyValues& values, const Line& shape)
{
    values.startArrow = shape.startArrow;
    values.endArrow = shape.endArrow;
    values.borderWidth = shape.width;
    values.borderColor = shape.color;
}

template <class Line> void GiveLine(const ShapePropertyValues& values, Line& shape)
{
    shape.startArrow = values.startArrow;
    shape.endArrow = values.endArrow;
    shape.width = values.borderWidth;
    shape.color = values.borderColor;
}

int Within(int value, int low, int high)
{
    return std::clamp(value, low, high);
}

} // namespace

ShapePropertyValues ShapePropertyValues::From(const CDrawShape& shape)
{
    ShapePropertyValues values;
    values.rect = shape.GetRect();
    values.shadowX = shape.shadow.x;
    values.shadowY = shape.shadow.y;
    values.shadowColor = shape.shadow.color;
    // An ellipse is a box with another outline.
    if (const auto* box = dynamic_cast<const CDrawBox*>(&shape)) {
        TakeOutline(values, *box);
    } else if (const auto* polygon = dynamic_cast<const CDrawPolygon*>(&shape)) {
        TakeOutline(values, *polygon);
        TakePoints(values.points, polygon->points);
    } else if (const auto* freeLine = dynamic_cast<const CDrawFreeLine*>(&shape)) {
        TakeLine(values, *freeLine);
        TakePoints(values.points, freeLine->points);
    } else if (const auto* line = dynamic_cast<const CDrawLine*>(&shape)) {
        TakeLine(values, *line);
        values.start = line->start;
        values.end = line->end;
    } else if (const auto* shade = dynamic_cast<const CDrawShade*>(&shape)) {
        values.dot = shade->dot;
    } else if (const auto* text = dynamic_cast<const CDrawText*>(&shape)) {
        values.start = text->corners[0];
        values.text = text->text;
        values.fontName = text->fontName;
        values.charWidth = text->charWidth;
        values.charHeight = text->charHeight;
        values.linePitch = text->linePitch;
        values.angle = text->angle;
        values.bold = text->bold;
        values.italic = text->italic;
        values.underline = text->underline;
        values.strikeOut = text->strikeOut;
        values.textColor = text->textColor;
    } else if (const auto* group = dynamic_cast<const CDrawGroup*>(&shape)) {
        values.leafCount = group->CountLeaves();
    }
    return values;
}

void ShapePropertyValues::ApplyTo(CDrawShape& shape) const
{
    ShapePropertyValues v = *this;
    v.Clamp();
    auto giveShadow = [&] {
        shape.shadow.x = v.shadowX;
        shape.shadow.y = v.shadowY;
        shape.shadow.color = v.shadowColor;
    };
    if (auto* area = dynamic_cast<CDrawArea*>(&shape)) {
        area->SetRect(v.rect);
        area->Normalize();
    } else if (auto* box = dynamic_cast<CDrawBox*>(&shape)) {
        box->SetRect(v.rect);
        GiveOutline(v, *box);
        giveShadow();
    } else if (auto* polygon = dynamic_cast<CDrawPolygon*>(&shape)) {
        GivePoints(polygon->points, v.points);
        GiveOutline(v, *polygon);
        giveShadow();
    } else if (auto* freeLine = dynamic_cast<CDrawFreeLine*>(&shape)) {
        GivePoints(freeLine->points, v.points);
        GiveLine(v, *freeLine);
        giveShadow();
    } else if (auto* line = dynamic_cast<CDrawLine*>(&shape)) {
        line->start = v.start;
        line->end = v.end;
        GiveLine(v, *line);
        giveShadow();
    } else if (auto* shade = dynamic_cast<CDrawShade*>(&shape)) {
        shade->SetRect(v.rect);
        shade->dot = v.dot;
    } else if (auto* text = dynamic_cast<CDrawText*>(&shape)) {
        text->corners[0] = v.start;
        text->charWidth = v.charWidth;
        text->charHeight = v.charHeight;
        text->linePitch = v.linePitch;
        text->angle = v.angle;
        text->text = v.text;
        text->fontName = v.fontName;
        text->bold = v.bold;
        text->italic = v.italic;
        text->underline = v.underline;
        text->strikeOut = v.strikeOut;
        text->textColor = v.textColor;
        giveShadow();
        text->GetTextExtent();
    } else if (auto* group = dynamic_cast<CDrawGroup*>(&shape)) {
        const CRect bounds = group->GetRect();
        group->MoveResize(1, bounds.left, bounds.top, v.rect.left, v.rect.top, 0);
    }
}

void ShapePropertyValues::Clamp()
{
    auto coordinate = [](int& value) { value = Within(value, -kCoordinate, kCoordinate); };
    coordinate(rect.left);
    coordinate(rect.top);
    coordinate(rect.right);
    coordinate(rect.bottom);
    for (CPoint* point : {&start, &end}) {
        coordinate(point->x);
        coordinate(point->y);
    }
    for (CPoint& point : points) {
        coordinate(point.x);
        coordinate(point.y);
    }
    shadowX = Within(shadowX, -kShadowOffset, kShadowOffset);
    shadowY = Within(shadowY, -kShadowOffset, kShadowOffset);
    borderWidth = Within(borderWidth, 0, kMaxBorderWidth);
    for (ArrowRecord* arrow : {&startArrow, &endArrow}) {
        arrow->length = Within(arrow->length, -kArrowLength, kArrowLength);
        arrow->angle = Within(arrow->angle, 0, kArrowAngle);
    }
    dot = Within(dot, kMinDot, kMaxDot);
    charWidth = Within(charWidth, kMinCharSize, kMaxCharSize);
    charHeight = Within(charHeight, kMinCharSize, kMaxCharSize);
    linePitch = Within(linePitch, 0, kMaxPitch);
    angle = Within(angle, -kMaxAngle, kMaxAngle);
}
