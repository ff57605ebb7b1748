#pragma once

class wxWindow;

// Ends a drag inside a window that closes: the window holding the pointer's capture in it lets
// go and hears wxEVT_MOUSE_CAPTURE_LOST, so that its drag ends with its timers, and no grab of
// the window system outlives the windows it was made for.
class PointerCapture
{
  public:
    static void EndWithin(wxWindow& closing);
};
