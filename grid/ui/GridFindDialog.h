#pragma once

#include <wx/fdrepdlg.h>

class CCellGrid;

// The find and replace dialog of a grid: each request of the dialog runs the grid's find.
class CGridFindDialog : public wxFindReplaceDialog
{
  public:
    // style wxFR_REPLACEDIALOG for replacing; the grid must outlive the dialog.
    CGridFindDialog(CCellGrid& grid, wxWindow* parent, const wxString& title, int style = 0);

    wxFindReplaceData& Data() { return m_data; }
    // Runs one request of the dialog (wxEVT_FIND ... wxEVT_FIND_CLOSE) with its flags.
    void Request(wxEventType type, int flags);

  private:
    void OnFind(wxFindDialogEvent& event);

    CCellGrid& m_grid;
    wxFindReplaceData m_data;
};
