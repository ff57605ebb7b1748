#pragma once

#include <string>

class CCellGrid;

// Whether a grid shows on the screen what it holds: each drawn part (cells, headings, corner,
// sheet tabs) as the X server shows it, against the part drawn afresh from the grid's state.
class GridScreen
{
  public:
    // Moves the pointer off the grid, so that no tip lies over it.
    static void MovePointerAway();
    // One look without pumping events (fit for a step inside a dialog's loop).
    static bool Matches(CCellGrid& grid);
    // What differs, with both pictures of the first differing part saved in the test output
    // folder under name; empty when nothing does.
    static std::string Explain(CCellGrid& grid, const char* name);
    // Moves the pointer away and waits until every part shows what it holds; false when one
    // does not in time, with Explain's text in why.
    static bool ShowsWhatItHolds(CCellGrid& grid, const char* name, std::string* why);
    // The same as a step at the end of an input chain (InputSteps), for a grid inside a dialog's
    // loop: the running test fails with Explain's text when the grid does not show it in time.
    static void ThenShowsWhatItHolds(int chain, CCellGrid& grid, const char* name);
};
