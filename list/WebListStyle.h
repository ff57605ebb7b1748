#pragma once

#include "platform/CString.h"
#include "platform/Geometry.h"

// The look of the simple list table of the Web output: the table's size and lines, the link
// column to the single pages, the colours of its row kinds and its cell of thumbnails.
struct WebListStyle
{
    int listWidth = 0;
    int widthUnit = 0; // 1 percent, other dots
    int cellSpace = 0;
    int cellBlank = 4;
    int borderWidth = 1;
    bool topView = true;
    COLORREF listBackColor = kDefaultColor;
    CString pageTop = "詳細";
    CString pageMark = "●";
    bool pageNew = false;
    COLORREF topTextColor = kDefaultColor;
    COLORREF topBackColor = 65280;
    COLORREF headTextColor = kDefaultColor;
    COLORREF headBackColor = 65535;
    COLORREF detailTextColor = kDefaultColor;
    COLORREF detailBackColor = 16777215;
    bool photoView = true;
    int photoMaxCount = 0;
    int photoWrapCount = 0;
    int photoBlankX = 0;
    int photoBlankY = 0;

    bool operator==(const WebListStyle&) const = default;
};
