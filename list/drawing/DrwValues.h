#pragma once

#include "list/drawing/ArrowRecord.h"
#include "platform/CString.h"
#include "platform/Geometry.h"

// Values of drw lines: fields cut into key and value, integers, points and arrows, and the
// limits that keep values from an edited file within what drawing can take.
namespace DrwValue {

// Coordinates, offsets, pitches and lengths beyond this are clamped, so that sums and products
// of them cannot overflow.
constexpr int kMaxCoordinate = 1'000'000;
// Pen and border widths: a box draws one frame per pixel of its border.
constexpr int kMaxPenWidth = 1000;
// Character sizes of the text: glyphs are rasterised at this size.
constexpr int kMaxFontSize = 2000;
// Colour corrections (brightness, shade, red, green, blue) go from -255 to 255, the range the
// photo's properties offer; an edited file may hold any number.
constexpr int kMaxColorCorrection = 255;
// Groups nested deeper than this are skipped with their members.
constexpr int kMaxGroupDepth = 64;

// Cuts key=value at the first "="; false when the field has no "=" (key is then the field).
bool SplitKeyValue(const CString& field, CString& key, CString& value);
// A decimal integer with optional leading white space and sign; 0 without digits.
int ToInt(const char* text);
int ToCoordinate(const char* text);
int ToPenWidth(const char* text);
int ToFontSize(const char* text);
int ClampCoordinate(long long value);
// "x:y"; y is 0 when there is no ":". hasColon tells whether there was one.
CPoint ToPoint(const CString& text, bool* hasColon = nullptr);
// "length:angle:filled"
ArrowRecord ToArrow(const CString& text);
// The value without its first and last character (its quotes); empty when it is shorter.
CString Unquote(const CString& text);

} // namespace DrwValue
