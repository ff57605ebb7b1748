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
    // Moves a top-level window there, shown or not. wx asks GTK to move a window only when the
    // place differs from the one wx holds for it: a new window's is the screen's corner, and a
    // window shown again is where wx asked before, where a window manager that placed it by its
    // own rule has not put it. A window that never asked is placed by the window manager's rule.
    static void MoveTopLevel(wxTopLevelWindow& window, const wxPoint& position);
    // Brings a shown top-level window to the front with the keyboard, as a window the user just
    // asked for: a window manager leaves the keyboard where it was for a window that opens a
    // while after the user's last input.
    static void Present(wxTopLevelWindow& window);

    // Gives a top-level window that was never shown an allocation of its size. wx otherwise
    // realizes the window with one of 2 x 1 pixels before its first show under a window manager,
    // which GTK then lays the menu bar out in (a critical of GTK's), and which the window manager
    // places at the corner of the screen instead of where the window was moved to.
    static void AllocateBeforeFirstShow(wxTopLevelWindow& window);
    // Lays out at once what waits to be laid out in the window's top-level window, such as the
    // tab of a page just added to a notebook, so that drawing at once finds every part of it
    // with a size.
    static void LayOutPending(wxWindow& window);

    // Whether the window manager may give the top-level window the keyboard, by its own choice
    // (after another window closed) or by a click.
    static void SetTakesKeyboard(wxTopLevelWindow& window, bool takes);
    // Lowers the top-level window below the others of its layer once the window manager has put
    // it on the screen, where it would otherwise come on top of them.
    static void LowerWhenMapped(wxTopLevelWindow& window);

    // The resolution GTK turns font points into pixels by (96 unless the desktop sets another).
    static double FontResolution();

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
