#pragma once

#include "platform/CString.h"
#include "platform/Geometry.h"

// The small rules of the list window's views: the colour of a selected cell, where Enter moves
// the cursor, and how high the grid pane starts above the photo strip.
class CListViewRules
{
  public:
    // The fill of a selected cell: each channel of its own fill halved, then blue raised by 0x40.
    static COLORREF SelectedFillColor(COLORREF fill);

    // Enter on (column, line) of a grid of columns x lines: the next column, or column 0 of the
    // next line; from the last cell of the last line a new line is added first (addLine) unless
    // 10,000 lines are shown, when the cursor stays.
    struct EnterMove
    {
        int column;
        int line;
        bool addLine;
    };
    static EnterMove MoveOnEnter(int column, int line, int columns, int lines);

    // The grid pane's height on a nominal window height of 10,000 pixels from the stored position
    // and the standard photo size; the splitter then clamps it to the window.
    static constexpr int kNominalHeight = 10000;
    static int GridPaneHeight(int storedPosition, int standardPhotoSize);

    // The row number typed into the jump dialog: decimal digits, spaces around them allowed;
    // 0 for anything else, which the dialog refuses like a number below 1. A number too large
    // for an int reads as the largest int, which no list reaches.
    static int ParseJumpRow(const CString& text);
};
