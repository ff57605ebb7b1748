#pragma once

#include <string>

// Reads whether GTK shows a tooltip: wx sets a window's tip but gives no access to the window
// GTK shows it in.
class GtkTipProbe
{
  public:
    // Whether a tooltip is on the screen.
    static bool AnyShown();
    // The text of the tooltip on the screen, UTF-8; empty when none shows.
    static std::string ShownText();
};
