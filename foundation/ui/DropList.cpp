#include "foundation/ui/DropList.h"

#include "foundation/DropListRows.h"

CDropList::CDropList(wxWindow* parent, CDropListOwner* owner)
    : wxPopupTransientWindow(parent, wxBORDER_SIMPLE), m_owner(owner)
{
    m_list = new CReportList(this, wxID_ANY, wxPoint(0, 0), wxSize(10, 10),
                             wxLC_SINGLE_SEL | wxLC_NO_HEADER | wxBORDER_NONE);
    m_list->AppendColumn(wxEmptyString);
    m_list->Bind(wxEVT_LIST_ITEM_ACTIVATED, [this](wxListEvent&) { Pick(); });
    // A click picks the row under it, also when it was selected already.
    for (wxWindow* child : m_list->GetChildren()) {
        child->Bind(wxEVT_LEFT_UP, [this](wxMouseEvent& event) {
            event.Skip();
            CallAfter([this] { Pick(); });
        });
    }
    Bind(wxEVT_SIZE, [this](wxSizeEvent& event) {
        m_list->SetSize(GetClientSize());
        event.Skip();
    });
}

void CDropList::Show(CDropListOwner* owner)
{
    m_owner = owner;
    if (!keepPosition) {
        const wxRect field = owner->FieldScreenRect();
        const int count = m_list->GetItemCount();
        int lastRowBottom = -1;
        wxRect row;
        if (count > 0 && m_list->GetItemRect(count - 1, row)) {
            lastRowBottom = row.GetBottom() + 1;
        }
        const CRect rect =
            CDropListRows::PopupRect(CRect(field.x, field.y, field.GetRight() + 1, field.GetBottom() + 1),
                                     m_list->minimumWidth, m_list->height, lastRowBottom);
        SetSize(rect.left, rect.top, rect.Width(), rect.Height());
        m_list->SetSize(GetClientSize());
    }
    Popup();
    m_list->SelectItem(owner->RowOfFieldText());
}

void CDropList::Pick()
{
    if (!IsShown()) {
        return;
    }
    Dismiss();
    m_owner->OnListPick();
}
