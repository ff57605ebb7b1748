#include "list/drawing/DrwValues.h"

#include "foundation/TextHelper.h"

#include <algorithm>
#include <climits>

namespace DrwValue {

bool SplitKeyValue(const CString& field, CString& key, CString& value)
{
    int equals = field.Find('=');
    if (equals < 0) {
        key = field;
        value.Empty();
        return false;
    }
    key = field.Left(equals);
    value = field.Mid(equals + 1);
    return true;
}

int ToInt(const char* text)
{
    return CTextHelper(text).ToInt();
}

int ClampCoordinate(long long value)
{
    return static_cast<int>(std::clamp<long long>(value, -kMaxCoordinate, kMaxCoordinate));
}

int ToCoordinate(const char* text)
{
    return ClampCoordinate(ToInt(text));
}

int ToPenWidth(const char* text)
{
    return std::clamp(ToInt(text), -kMaxPenWidth, kMaxPenWidth);
}

int ToFontSize(const char* text)
{
    return std::clamp(ToInt(text), -kMaxFontSize, kMaxFontSize);
}

CPoint ToPoint(const CString& text, bool* hasColon)
{
    int colon = text.Find(':');
    if (hasColon != nullptr) {
        *hasColon = colon >= 0;
    }
    CPoint point(ToCoordinate(text), 0);
    if (colon >= 0) {
        point.y = ToCoordinate(text.GetString() + colon + 1);
    }
    return point;
}

ArrowRecord ToArrow(const CString& text)
{
    ArrowRecord arrow;
    arrow.length = ToCoordinate(text);
    int colon = text.Find(':');
    if (colon >= 0) {
        arrow.angle = ToInt(text.GetString() + colon + 1);
        int second = text.Find(':', colon + 1);
        if (second >= 0) {
            arrow.filled = ToInt(text.GetString() + second + 1) != 0;
        }
    }
    return arrow;
}

CString Unquote(const CString& text)
{
    if (text.GetLength() < 2) {
        return CString();
    }
    return text.Mid(1, text.GetLength() - 2);
}

} // namespace DrwValue
