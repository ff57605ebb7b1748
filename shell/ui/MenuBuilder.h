#pragma once

#include "res/menus/MenuTables.h"

class wxMenu;
class wxMenuBar;

// Builds the program's window menus from its menu tables.
class CMenuBuilder
{
  public:
    // The menu bar of a menu resource (128 main window, 129 list, 132 photo editor); null for an
    // unknown id.
    static wxMenuBar* CreateMenuBar(int menuId);
    static wxMenu* CreateMenu(const MenuEntry* items);
    // The menu of a bar that holds the recent-file place, or null.
    static wxMenu* FindRecentFileMenu(wxMenuBar& bar);
};
