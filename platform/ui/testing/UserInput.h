#pragma once

#include "platform/CString.h"
#include "platform/ui/testing/WxTestEnvironment.h"

#include <wx/defs.h>
#include <wx/gdicmn.h>
#include <wx/mousestate.h>

#include <functional>
#include <memory>
#include <vector>

class wxDialog;
class wxFrame;
class wxTopLevelWindow;
class wxWindow;

// Drives windows as a user does: the pointer moves and keys go down through the X server's test
// extension (FakeInput), so every event takes a user's path through GTK, wx's event tables and
// accelerators. Made for Xvfb without a window manager: it raises and focuses a top-level window
// before clicking into it, and waits until GTK has applied what it asked for.
//
// A click or key that starts a loop of its own (a modal dialog, a message box, a popup menu)
// comes back only when that loop ends. What to do inside it is armed before the click with the
// ...Next... calls; it runs from inside the loop (see InputSteps). Menu and item labels are CP932
// and written as the resource has them ("編集(&E)"), or as shown, without the mnemonic mark.
class UserInput
{
  public:
    // Windows
    // Waits until the window is mapped, then raises it and gives it the keyboard; true when it
    // is the active window.
    static bool Activate(wxTopLevelWindow& window);
    // As Activate, and the X input focus is set on the window as a window manager sets it, so
    // that the keys stay there wherever the pointer is: without a window manager the keyboard
    // follows the pointer, and another program's popup that comes up under it (an input
    // method's candidates) would take the keys.
    static bool Focus(wxTopLevelWindow& window);

    // Mouse, at a point in a window's client coordinates.
    static void Click(wxWindow& window, const wxPoint& point, wxMouseButton button = wxMOUSE_BTN_LEFT);
    static void RightClick(wxWindow& window, const wxPoint& point);
    static void DoubleClick(wxWindow& window, const wxPoint& point);
    // Turns the wheel by notches with the pointer there (positive: towards the user).
    static void Wheel(wxWindow& window, const wxPoint& point, int notches);
    // Moves the pointer there in a few small moves (tips, hover).
    static void Hover(wxWindow& window, const wxPoint& point);
    // Presses the left button at a point of one window, moves with it held in small moves to a
    // point of another (or the same) window, rests there and releases; comes back once released.
    // The moves after the press are armed steps, so a drag and drop that runs a loop of its own
    // takes them from inside it.
    static void Drag(wxWindow& from, const wxPoint& start, wxWindow& to, const wxPoint& end);

    // Keys, to the window that has the focus. key is a WXK_ code, a lower-case letter or a
    // digit; modifiers are wxMOD_ flags (wxMOD_CONTROL | wxMOD_SHIFT ...).
    static void Press(int key, int modifiers = wxMOD_NONE);
    // Plain ASCII text, key by key.
    static void Type(const char* text);

    // Menus of a frame's menu bar. A menu opens by a click on its title, a submenu by resting the
    // pointer on its item, as a user does; an item is chosen by a click.
    // Opens the menu titled path[0] and clicks path[1], path[2] ... in it, opening the submenus on
    // the way; comes back once the menu has closed. True when the last item was there, enabled,
    // and clicked; false (and a failed test) otherwise, with the menus closed again.
    static bool ChooseMenu(wxFrame& frame, const std::vector<CString>& path);
    // Opens every menu of the menu bar and every enabled submenu in it, one after another, and
    // closes them; returns the menus seen open ("ﾌｧｲﾙ(F)", "ﾌｧｲﾙ(F)/印刷(P)" ...).
    static std::vector<CString> OpenEveryMenu(wxFrame& frame);

    // Armed for the next popup menu (the click that opens it comes after)
    // Clicks path[0], path[1] ... in it.
    static void ChooseInNextPopup(const std::vector<CString>& path);
    // Opens every enabled submenu of it and closes it; opened receives "" for the popup itself
    // and "/label", "/label/label" ... for its submenus.
    static void OpenEveryMenuOfNextPopup(std::vector<CString>* opened);

    // Armed for the next modal window (a wx dialog, a message box, a GTK dialog): once it is
    // shown and has the keyboard, answer runs inside its loop. dialog is its wx window, or null
    // for a window wx does not own (a message box). answer gives input (keys, clicks) and
    // returns; it must not wait.
    static void AnswerNextModal(std::function<void(wxWindow* dialog)> answer);
    // For an answer: presses key in a modal dialog that it should close. A dialog still open a
    // moment later is ended with wxID_ABORT and *stayed set, so that its test fails, not hangs.
    static void PressToClose(wxDialog& dialog, int key, std::shared_ptr<bool> stayed);

    // Waits
    // Pumps events until every armed step has run (a failed test when not in time).
    static bool Finish(int timeoutMs = WxTestEnvironment::kPatienceMs);
    // Lets the X server and GTK take in the input given so far; does nothing inside a step.
    static void Settle();
};
