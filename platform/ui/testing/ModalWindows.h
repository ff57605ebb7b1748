#pragma once

#include <vector>

typedef struct _GtkWidget GtkWidget;

// The modal windows on the screen: the program's dialogs, message boxes and file choosers.
class ModalWindows
{
  public:
    static std::vector<GtkWidget*> Shown();
    // Ends the loop of every one as a cancel would, without its own answer: a test that failed
    // inside a dialog must not leave the dialog's loop running forever.
    static void CancelAll();
};
