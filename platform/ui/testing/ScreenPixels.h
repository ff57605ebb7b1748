#pragma once

#include "platform/Bitmap.h"
#include "platform/CString.h"

class wxWindow;

// What the X server shows of a window: its client area as it is on the screen now (the root
// window's image there, so windows over it and paints that never arrived count), against a
// picture of what it should show.
class ScreenPixels
{
  public:
    // The client area's pixels on the screen as 0x00RRGGBB words, once the X server has taken in
    // every request so far; empty when the window is not on the screen.
    static Bitmap Of(wxWindow& window);
    // How many pixels of two pictures differ (all of them when the sizes differ), and where
    // the first one lies.
    static long Differences(const Bitmap& shown, const Bitmap& expected, int* firstX, int* firstY);
    // Writes a picture as PNG into the test output folder (ZANTOBY_TEST_OUTPUT); the path, or
    // empty when there is no folder.
    static CString Save(const Bitmap& picture, const char* name);
};
