#pragma once

#include "foundation/ui/DropListOwner.h"
#include "foundation/ui/ReportList.h"

#include <wx/popupwin.h>

// The popup under a field that shows its choices; a click or Enter picks a row, and the
// popup hides itself when the user turns elsewhere.
class CDropList : public wxPopupTransientWindow
{
  public:
    CDropList(wxWindow* parent, CDropListOwner* owner);

    CReportList& GetList() { return *m_list; }
    // Shows the popup under its owner with the row of the owner's text selected.
    void Show(CDropListOwner* owner);
    // Picks the selected row for the owner and hides the popup.
    void Pick();

    // When set the popup shows where it already is, at its present size.
    bool keepPosition = false;

  private:
    CDropListOwner* m_owner;
    CReportList* m_list;
};
