#pragma once

#include "platform/Geometry.h"

// One record of a dialog's control table: how the control follows a resize, its colours, its
// tooltip and how the arrow keys and Enter move the focus from it. A table ends at id 0.
struct DialogItemInfo
{
    int id = 0;
    unsigned flags = 0;
    COLORREF textColor = kDefaultColor;
    COLORREF backColor = kDefaultColor;
    int reserved = 0;
    const char* tooltip = nullptr;
};

// Flags of a DialogItemInfo.
enum DialogItemFlag : unsigned
{
    // Alignment of a hosted field's edit; anything else is left aligned.
    DIF_ALIGN_CENTER = 0x2,
    DIF_ALIGN_RIGHT = 0x4,
    // The control clips its siblings (a flag the dialog tables carry).
    DIF_CLIP_SIBLINGS = 0x8,
    // Resizing: move with the bottom or right edge, or stretch to it. Moving wins.
    DIF_MOVE_BOTTOM = 0x10,
    DIF_MOVE_RIGHT = 0x20,
    DIF_SIZE_RIGHT = 0x40,
    DIF_SIZE_BOTTOM = 0x80,
    // Keys that move the focus to the previous or next control.
    DIF_UP_PREVIOUS = 0x100,
    DIF_DOWN_NEXT = 0x200,
    DIF_LEFT_PREVIOUS = 0x400,
    DIF_RIGHT_NEXT = 0x800,
    DIF_ENTER_NEXT = 0x1000,
};
