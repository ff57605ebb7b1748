#pragma once

struct _XDisplay;

// The display the tests run on. An X server starts afresh whenever its last client leaves (as
// Xvfb does unless told otherwise), and a connection tried in that moment fails; the tests wait
// for the display to take connections again rather than fail with it.
class TestDisplay
{
  public:
    // A connection to the display, waiting up to ten seconds for it; null when there is none.
    static _XDisplay* Open();
    // Waits until the display takes connections and holds one (WindowPlatform::HasDisplay's),
    // so that the display cannot start afresh before the toolkit connects; false when there is
    // no display.
    static bool AwaitForToolkit();
};
