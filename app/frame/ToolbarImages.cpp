#include "app/frame/ToolbarImages.h"

#include "app/printing/PrintCommands.h"

#include <algorithm>
#include <array>

namespace {

// Red, green, yellow, blue, magenta, cyan: the colours both colour buttons have images for.
constexpr std::array<COLORREF, 6> kBrightColors = {0x0000FF, 0x008000, 0x00FFFF,
                                                   0xFF0000, 0xFF00FF, 0xFFFF00};

int FindBright(COLORREF color)
{
    const auto* found = std::find(kBrightColors.begin(), kBrightColors.end(), color);
    return found != kBrightColors.end() ? static_cast<int>(found - kBrightColors.begin()) : -1;
}

} // namespace

int CToolbarImages::GetPrintImage(int printCommand)
{
    switch (printCommand) {
    case ID_FILE_PRINT_LIST:
        return 7;
    case ID_FILE_PRINT_SHEET:
        return 8;
    case ID_FILE_PREVIEW_SHEET:
        return 10;
    default:
        return 9;
    }
}

int CToolbarImages::GetTextColorImage(COLORREF color)
{
    if (color == RGB(255, 255, 255)) {
        return 34;
    }
    const int bright = FindBright(color);
    return bright >= 0 ? 28 + bright : 27;
}

int CToolbarImages::GetBackColorImage(COLORREF color)
{
    if (color == RGB(0, 0, 0)) {
        return 35;
    }
    const int bright = FindBright(color);
    return bright >= 0 ? 36 + bright : 42;
}

int CToolbarImages::GetWidthBitmap(int borderWidth)
{
    return 335 + std::clamp(borderWidth, 0, 8);
}
