#pragma once

#include <wx/mousestate.h>

class CCellGrid;
class wxWindow;

// Clicks at a grid's cells through UserInput. Row -1, -2 ... are the top heading's rows, column
// -1, -2 ... the side heading's columns; a heading row and column together are the corner.
class GridInput
{
  public:
    static void Click(CCellGrid& grid, int column, int row, wxMouseButton button = wxMOUSE_BTN_LEFT);
    static void RightClick(CCellGrid& grid, int column, int row);
    static void DoubleClick(CCellGrid& grid, int column, int row);
    // Presses on a cell's middle, drags to another cell's middle and releases there.
    static void Drag(CCellGrid& grid, int column, int row, int toColumn, int toRow);
    // Rests the pointer on the cell.
    static void Hover(CCellGrid& grid, int column, int row);

  private:
    // The part window that shows the cell, and the cell's middle in it.
    static wxWindow& PartAt(CCellGrid& grid, int column, int row, wxPoint& point);
};
