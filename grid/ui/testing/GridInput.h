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
    // Steps of an input chain for a grid in a window that has just opened: once the window has
    // put the keyboard somewhere, a click on the cell, again each second until the grid has the
    // keyboard (a click while the window is still being placed can miss it). The cell must not be
    // the current one, whose click opens its edit.
    static void ThenClickForKeyboard(int chain, CCellGrid& grid, int column, int row);

  private:
    // The part window that shows the cell, and the cell's middle in it.
    static wxWindow& PartAt(CCellGrid& grid, int column, int row, wxPoint& point);
};
