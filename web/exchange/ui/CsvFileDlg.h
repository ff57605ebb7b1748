#pragma once

#include "platform/CString.h"

#include <wx/filedlg.h>

class CZantobyDoc;

// What the CSV export and import dialogs share: the desktop's file dialog on text files with an
// option pane of their own, shown for a list from a remembered folder, and their help page.
class CCsvFileDlg : public wxFileDialog
{
  protected:
    CCsvFileDlg(wxWindow* parent, const char* title, long style, const char* helpTopic,
                ExtraControlCreatorFunction createOptions);

    // Shows the dialog from the folder for the list. On OK the pane's choices are taken and the
    // chosen path is set; false when cancelled.
    bool ShowForList(CZantobyDoc& doc, const CString& folder, CString& path);
    // The help page of the dialog, through the list's application.
    void ShowHelp() const;

    CZantobyDoc* m_doc = nullptr;

  private:
    const char* m_helpTopic;
};
