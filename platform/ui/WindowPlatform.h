#pragma once

// Switches the platform layer to its window services at program start: message boxes become
// wx dialogs and printers come from CUPS.
class WindowPlatform
{
  public:
    static void Install();
};
