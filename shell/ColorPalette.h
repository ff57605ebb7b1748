#pragma once

#include "platform/CString.h"
#include "platform/Geometry.h"

// The colour palette's choices and texts: its 35 colour cells with their mark colours and
// tooltips, the caption for each target, and which cell carries the current colour's mark.
class CColorPalette
{
  public:
    struct Cell
    {
        int id;             // control id, 1214 to 1248, row by row, seven to a row
        COLORREF color;     // the cell's colour
        COLORREF markColor; // the colour of the "*" that marks the current colour
    };

    static constexpr int kCellCount = 35;
    static constexpr int kColumns = 7;
    static constexpr int kFirstCellId = 1214;
    // Buttons: transparent (chooses kDefaultColor) and other colours (the colour dialog).
    static constexpr int IDC_TRANSPARENT = 1251;
    static constexpr int IDC_OTHER_COLOR = 1253;

    static const Cell& GetCell(int index);
    // The cell of a control id, or null.
    static const Cell* FindCell(int id);
    // The index of the cell whose colour equals the colour exactly; -1 for kDefaultColor and for
    // colours outside the palette.
    static int FindMarkedCell(COLORREF current);
    // The text of a cell when the palette opens with that current colour: "*" or empty.
    static CString GetCellText(int index, COLORREF current);
    // "R:FF, G:C0, B:C0": the red, green and blue parts of the cell's colour in hex.
    static CString GetToolTip(int index);
    // The caption the palette shows for a target; empty for targets without a caption.
    static CString GetCaption(int target);
};
