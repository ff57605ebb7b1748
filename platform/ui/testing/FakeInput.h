#pragma once

#include <wx/gdicmn.h>

// Gives the X server input as if from the keyboard and mouse, through its test extension, on
// GTK's own connection. wxUIActionSimulator sends the same requests but then pumps input events
// itself, so that a handler (and any modal loop it starts) would run inside a restricted yield
// that holds GTK's map, paint and focus events back; here the caller pumps as the program does.
class FakeInput
{
  public:
    // Moves the pointer to a screen point.
    static void MoveTo(const wxPoint& screen);
    // Presses or releases a mouse button (wxMOUSE_BTN_LEFT, _MIDDLE, _RIGHT).
    static void Button(int button, bool down);
    // Turns the mouse wheel by notches: positive towards the user (the view moves down),
    // negative away.
    static void Wheel(int notches);
    // Presses and releases a key with the modifiers held (wxMOD_CONTROL | wxMOD_SHIFT ...). key is
    // a WXK_ code or an ASCII character; an upper-case letter or a shifted sign adds Shift.
    static void Key(int key, int modifiers);
    // Sends what is queued to the server and waits until it has taken it in.
    static void Sync();
};
