#pragma once

#include <wx/gdicmn.h>

class wxListBox;
class wxMDIChildFrame;
class wxString;
class wxTopLevelWindow;
class wxWindow;

// The few GTK calls that wx does not offer: making a window resizable after creation, window
// groups, measuring a list box's lines and placing its cursor, the tip of an MDI window's tab.
class GtkGlue
{
  public:
    static void SetResizable(wxTopLevelWindow& window, bool resizable);
    static bool IsResizable(const wxTopLevelWindow& window);
    // Puts a top-level window in a window group of its own: the input grab of a modal dialog
    // holds only the windows of its group, so a modeless window opened over a modal dialog
    // then takes clicks and keys itself.
    static void SetOwnWindowGroup(wxTopLevelWindow& window);
    // Moves a shown top-level window there. A window manager places a window shown again by its
    // own rule rather than where wx asked before showing it, and wx, taking the window for being
    // there already, would not ask again.
    static void MoveShown(wxTopLevelWindow& window, const wxPoint& position);

    // The smallest size GTK lays the window's widget out in (its minimum width and height);
    // a smaller one makes GTK complain and draw it wrong.
    static wxSize GetMinimumSize(wxWindow& window);

    // Height in pixels of one line of the list box with its present font, spacing between
    // lines included; 0 when it cannot be measured.
    static int GetListLineHeight(wxListBox& list);
    // Selects a line of the list box as the keys would reach it: its keyboard cursor moves
    // there too (a selection alone leaves the arrows going on from the first line), and the
    // line scrolls into view.
    static void SetListCursor(wxListBox& list, int line);

    // The tip of the tab that an MDI child window has in its parent's bar (empty: none). A new
    // title makes a new tab label: the tip is set after the title.
    static void SetTabTip(wxMDIChildFrame& child, const wxString& tip);
};
