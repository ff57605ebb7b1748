#pragma once

// Prints from the desktop's own print dialog as a user does: once the dialog has chosen the file
// printer and may print, a click on its Print button.
class PrintDialogInput
{
  public:
    // Arms the click for the next print dialog; it comes from inside the dialog's own loop, and
    // is given up after timeoutMs without a dialog ready to print.
    static void ClickPrintInNextDialog(int timeoutMs = 15000);
};
