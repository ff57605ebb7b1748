#pragma once

#include "platform/CString.h"

class wxWindow;

// Picks files in the desktop's own file chooser (a wxFileDialog on GTK) as a user does: by a
// click on its list of files, so that the chooser's selection, cursor and preview all follow.
class FileChooserInput
{
  public:
    // Clicks the entry of that name once the chooser has read it into its list; false while the
    // list does not show it yet. Safe to call from inside the dialog's loop.
    static bool ClickFile(wxWindow& dialog, const CString& name);
};
