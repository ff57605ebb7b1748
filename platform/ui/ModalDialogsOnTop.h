#pragma once

// Shows every modal dialog of the program above the windows that stay above all others, such as
// the tutorial viewer beside the main window: a dialog that waits for an answer is never covered.
// Once installed it stays for the whole run.
class ModalDialogsOnTop
{
  public:
    static void Install();
};
