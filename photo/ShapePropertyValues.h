#pragma once

#include "list/drawing/ArrowRecord.h"
#include "list/drawing/DrwValues.h"
#include "platform/CString.h"
#include "platform/Geometry.h"

#include <vector>

class CDrawShape;

// The values a shape's property dialog shows and edits, taken from a shape and written back into
// it on OK. Each value is kept within the range of its field; which values a kind uses follows
// the kind.
struct ShapePropertyValues
{
    // Ranges of the fields
    // Whatever a drawing file holds, so that no shape of any photo moves through its dialog.
    static constexpr int kCoordinate = DrwValue::kMaxCoordinate;
    static constexpr int kArrowLength = 999;
    static constexpr int kArrowAngle = 60;
    static constexpr int kShadowOffset = 99;
    static constexpr int kMinDot = 8;
    static constexpr int kMaxDot = 99;
    static constexpr int kMinCharSize = 8;
    static constexpr int kMaxCharSize = 1000;
    static constexpr int kMaxPitch = 1000;
    static constexpr int kMaxAngle = 180;
    static constexpr int kMaxBorderWidth = 8;

    CRect rect;
    int shadowX = 0;
    int shadowY = 0;
    int borderWidth = 1;
    COLORREF borderColor = RGB(0, 0, 0);
    COLORREF fillColor = kDefaultColor;
    COLORREF textColor = RGB(0, 0, 0);
    COLORREF shadowColor = kDefaultColor;
    std::vector<CPoint> points;
    CPoint start;
    CPoint end;
    ArrowRecord startArrow;
    ArrowRecord endArrow;
    int dot = 8;
    CString text;
    CString fontName;
    int charWidth = 32;
    int charHeight = 64;
    int linePitch = 0;
    int angle = 0;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;
    // A group shows its size and the count of shapes in it; only its left-top is edited.
    int leafCount = 0;

    // The values of a shape.
    static ShapePropertyValues From(const CDrawShape& shape);
    // Writes the values the shape's kind edits into it: an area is normalised, a group moves
    // to the entered left-top, a text measures itself again.
    void ApplyTo(CDrawShape& shape) const;
    // Brings every value within its field's range.
    void Clamp();
};
