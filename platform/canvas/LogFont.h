#pragma once

#include "platform/CString.h"
#include "platform/canvas/CanvasConstants.h"

// The description a font is made from: a Windows face name and sizes in logical units.
struct LogFont
{
    // A face name as stored in files ("ＭＳ 明朝"); FontMapper turns it into an installed family.
    CString faceName;
    // Above 0 the cell height (ascent + descent), below 0 the character height, 0 a default size.
    int height = 0;
    // Average character width; 0 keeps the face's own proportions. The sign is ignored.
    int width = 0;
    // Angle of the text in tenths of a degree, counter-clockwise.
    int escapement = 0;
    int weight = FW_NORMAL;
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;

    friend bool operator==(const LogFont&, const LogFont&) = default;
};
