#include "photo/DrawingDefaults.h"

namespace {

template <typename Defaults> auto* ColorOf(Defaults& defaults, int target)
{
    switch (target) {
    case IDC_BORDER_COLOR:
        return &defaults.borderColor;
    case IDC_FILL_COLOR:
        return &defaults.fillColor;
    case IDC_TEXT_COLOR:
        return &defaults.textColor;
    case IDC_SHADOW_COLOR:
        return &defaults.shadowColor;
    default:
        return static_cast<decltype(&defaults.borderColor)>(nullptr);
    }
}

} // namespace

COLORREF DrawingDefaults::GetColor(int target) const
{
    const COLORREF* color = ColorOf(*this, target);
    return color != nullptr ? *color : kDefaultColor;
}

bool DrawingDefaults::SetColor(int target, COLORREF color)
{
    COLORREF* slot = ColorOf(*this, target);
    if (slot == nullptr) {
        return false;
    }
    *slot = color;
    return true;
}
