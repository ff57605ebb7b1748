#pragma once

#include "platform/Geometry.h"

// Offset and colour of the shadow a shape casts; a colour of -1 casts none. The size is kept
// for the file only.
struct ShadowRecord
{
    int x = 0;
    int y = 0;
    COLORREF color = kDefaultColor;
    int size = 0;

    bool IsDrawn() const { return color != kDefaultColor && (x != 0 || y != 0); }
    friend bool operator==(const ShadowRecord&, const ShadowRecord&) = default;
};
