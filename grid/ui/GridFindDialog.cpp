#include "grid/ui/GridFindDialog.h"

#include "grid/GridFindRequest.h"
#include "grid/ui/CellGrid.h"
#include "platform/FindReplaceFlags.h"
#include "platform/ui/WxText.h"

CGridFindDialog::CGridFindDialog(CCellGrid& grid, wxWindow* parent, const wxString& title, int style)
    : m_grid(grid), m_data(wxFR_DOWN)
{
    Create(parent, &m_data, title, style);
    for (const wxEventTypeTag<wxFindDialogEvent>& type :
         {wxEVT_FIND, wxEVT_FIND_NEXT, wxEVT_FIND_REPLACE, wxEVT_FIND_REPLACE_ALL, wxEVT_FIND_CLOSE}) {
        Bind(type, &CGridFindDialog::OnFind, this);
    }
}

void CGridFindDialog::OnFind(wxFindDialogEvent& event)
{
    Request(event.GetEventType(), event.GetFlags());
    if (event.GetEventType() == wxEVT_FIND_CLOSE) {
        Destroy();
    }
}

void CGridFindDialog::Request(wxEventType type, int flags)
{
    CGridFindRequest request;
    request.findWhat = FromWx(m_data.GetFindString());
    request.replaceWith = FromWx(m_data.GetReplaceString());
    // The dialog's direction, whole-word and case bits are those of the request.
    request.flags = static_cast<unsigned int>(flags) & (FR_DOWN | FR_WHOLEWORD | FR_MATCHCASE);
    if (type == wxEVT_FIND_CLOSE) {
        request.flags |= FR_DIALOGTERM;
    } else if (type == wxEVT_FIND_REPLACE) {
        request.flags |= FR_REPLACE;
    } else if (type == wxEVT_FIND_REPLACE_ALL) {
        request.flags |= FR_REPLACEALL;
    } else {
        request.flags |= FR_FINDNEXT;
    }
    m_grid.FindReplace(request);
    if (type != wxEVT_FIND_CLOSE) {
        // The answer (or the not-found box) leaves the dialog ready for the next request.
        Raise();
        SetFocus();
    }
}
