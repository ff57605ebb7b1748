#pragma once

// Switches the platform layer to its window services at program start: message boxes become
// wx dialogs, printers come from CUPS, and menus and windows take the program's ids above 32767.
class WindowPlatform
{
  public:
    static void Install();
};
