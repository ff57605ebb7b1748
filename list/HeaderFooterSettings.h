#pragma once

#include "platform/CString.h"

// A printed header or footer: whether it shows, its text with & tokens, alignment and font.
struct HeaderFooterSettings
{
    bool shown = true;
    CString text;
    int align = 1; // 0 left, 1 centre, 2 right
    CString fontName = "ＭＳ 明朝";
    int fontSize = 100;
};
