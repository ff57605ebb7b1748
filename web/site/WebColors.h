#pragma once

#include "platform/Geometry.h"

// A stored colour (0x00BBGGRR) as the 0xRRGGBB number that HTML writes as "#%06x".
inline unsigned ToHtmlColor(COLORREF color)
{
    return ((color & 0xFFu) << 16) | (color & 0xFF00u) | ((color >> 16) & 0xFFu);
}
