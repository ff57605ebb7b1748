#pragma once

#include "platform/CString.h"

// Asks the user for a folder, starting at an initial folder, under a title.
class CFolderSelectDlg
{
  public:
    virtual ~CFolderSelectDlg() = default;

    // Shows the folder chooser. True when a folder was chosen: it is then the result. A root
    // that is no folder shows nothing and gives false; cancelling leaves the result as it was.
    bool Browse();

    CString result;
    // The folder the chooser starts from when no initial folder is given; empty: the home folder.
    CString root;
    CString initialFolder;
    CString title;

  protected:
    // Shows the chooser; false when cancelled. Tests replace it.
    virtual bool ShowChooser(const CString& start, CString& chosen);
};
