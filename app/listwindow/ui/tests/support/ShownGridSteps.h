#pragma once

class CGridView;

// What a user does first with the program's grids, each step followed by a look at the screen:
// whatever input method the test program runs with, every grid must show what it holds.
class ShownGridSteps
{
  public:
    // In the list: a click on a cell, 55 typed (committed first where it composes), Return, the menus opened
    // and closed with Esc, a dialog opened over the grid and closed.
    static void EditTheListThroughMenus(CGridView& view);
    // In the list information dialog: a column's name typed, its type's drop list opened and
    // closed on the same type, then the dialog set.
    static void EditTheListInformation(CGridView& view);
    // In the sort detail dialog: a key's direction chosen from its drop list and the key moved
    // down, then the dialog set.
    static void ChangeTheSortDetail(CGridView& view);
};
