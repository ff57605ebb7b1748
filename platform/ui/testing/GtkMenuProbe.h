#pragma once

#include "platform/CString.h"

#include <wx/defs.h>
#include <wx/gdicmn.h>

#include <vector>

class wxFrame;

// Reads GTK's own menu widgets for the input tests: which menus are open, where an item lies on
// the screen, which item carries a label. wx gives no positions for menus, and a popup menu's
// wx object is out of a test's reach, so both come from GTK.
class GtkMenuProbe
{
  public:
    // The item of a frame's menu bar whose label (as in the resource, "編集(&E)", or without
    // its mnemonic) is title; null when there is none.
    static GtkWidget* MenuBarItem(wxFrame& frame, const CString& title);
    // The item of a menu with that label; null when there is none.
    static GtkWidget* FindItem(GtkWidget* menu, const CString& label);
    // The items of a menu that open a submenu and can be chosen.
    static std::vector<GtkWidget*> SubmenuItems(GtkWidget* menu);
    // The submenu an item opens, or null.
    static GtkWidget* Submenu(GtkWidget* item);
    // The label an item shows, mnemonic marks left out.
    static CString Label(GtkWidget* item);
    static bool IsSensitive(GtkWidget* item);

    // Whether a widget is on the screen with its place and size given.
    static bool IsPlaced(GtkWidget* widget);
    // Whether a menu is on the screen.
    static bool IsOpen(GtkWidget* menu);
    // Whether any menu is on the screen.
    static bool AnyOpen();
    // An open menu that no menu item opened (a popup menu), or null.
    static GtkWidget* OpenPopup();
    // The middle of a widget in screen coordinates.
    static wxPoint ScreenCentre(GtkWidget* widget);
};
