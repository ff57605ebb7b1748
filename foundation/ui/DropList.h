#pragma once

#include "foundation/ui/ReportList.h"

#include <wx/popupwin.h>

class CListEdit;

// The popup under a list edit that shows its choices; a click or Enter picks a row, and the
// popup hides itself when the user turns elsewhere.
class CDropList : public wxPopupTransientWindow
{
  public:
    explicit CDropList(CListEdit* owner);

    CReportList& GetList() { return *m_list; }
    // Shows the popup under its owner with the row of the owner's text selected.
    void Show(CListEdit* owner);
    // Picks the selected row for the owner and hides the popup.
    void Pick();

    // When set the popup shows where it already is, at its present size.
    bool keepPosition = false;

  private:
    CListEdit* m_owner;
    CReportList* m_list;
};
