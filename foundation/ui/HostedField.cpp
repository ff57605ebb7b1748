#include "foundation/ui/HostedField.h"

#include "platform/ui/WxText.h"

bool CHostedField::AttachToDialogItem(wxWindow* parent, int id, const DialogItemInfo* info)
{
    wxWindow* placeholder = nullptr;
    wxWindow* next = nullptr;
    const wxWindowList& children = parent->GetChildren();
    for (auto node = children.GetFirst(); node != nullptr; node = node->GetNext()) {
        if (node->GetData()->GetId() == id) {
            placeholder = node->GetData();
            next = node->GetNext() != nullptr ? node->GetNext()->GetData() : nullptr;
            break;
        }
    }
    if (placeholder == nullptr) {
        return false;
    }
    const wxRect rect = placeholder->GetRect();
    const bool shown = placeholder->IsShown();
    placeholder->Destroy();
    if (!Create(parent, id, rect.GetPosition(), rect.GetSize(), wxTAB_TRAVERSAL | wxBORDER_NONE)) {
        return false;
    }
    if (next != nullptr) {
        MoveBeforeInTabOrder(next);
    }
    m_itemId = id;
    m_tooltip = info != nullptr ? info->tooltip : nullptr;
    const unsigned flags = info != nullptr ? info->flags : 0;
    m_alignment = (flags & DIF_ALIGN_CENTER) != 0 ? 1 : (flags & DIF_ALIGN_RIGHT) != 0 ? 2 : 0;
    const wxSize size = GetClientSize();
    const int side = SideWidth();
    CreateEdit(nullptr);
    if (side > 0) {
        m_side = CreateSide(wxRect(size.x - side, 0, side, size.y));
    }
    if (m_tooltip != nullptr && *m_tooltip != '\0') {
        SetToolTip(ToWx(m_tooltip));
        m_edit->SetToolTip(ToWx(m_tooltip));
        if (m_side != nullptr) {
            m_side->SetToolTip(ToWx(m_tooltip));
        }
    }
    Show(shown);
    Bind(wxEVT_SIZE, [this](wxSizeEvent&) { LayoutChildren(); });
    Bind(wxEVT_TEXT, [this](wxCommandEvent& event) {
        // The edit's own text events stay inside the field; the dialog hears the field's.
        if (event.GetEventObject() == m_edit) {
            OnEditChange();
        }
    });
    OnAttached();
    return true;
}

void CHostedField::CreateEdit(const TextFormat* format)
{
    const wxSize size = GetClientSize();
    m_edit = new CTypedEdit();
    m_edit->Create(this, wxID_ANY, wxRect(0, 0, std::max(size.x - SideWidth(), 1), size.y), m_alignment,
                   format);
    m_edit->SetHost(this);
}

void CHostedField::SetTextFormat(const TextFormat* format)
{
    if (m_edit->NeedsRecreate(format)) {
        const CString text = m_edit->GetText();
        const wxString tip = m_edit->GetToolTipText();
        m_edit->Destroy();
        CreateEdit(format);
        if (m_side != nullptr) {
            m_edit->MoveBeforeInTabOrder(m_side);
        }
        if (!tip.empty()) {
            m_edit->SetToolTip(tip);
        }
        m_edit->SetText(text);
    }
    m_edit->SetTextFormat(format);
}

void CHostedField::LayoutChildren()
{
    if (m_edit == nullptr) {
        return;
    }
    const wxSize size = GetClientSize();
    const int side = SideWidth();
    m_edit->SetSize(0, 0, std::max(size.x - side, 1), size.y);
    if (m_side != nullptr) {
        m_side->SetSize(size.x - side, 0, side, size.y);
    }
}

void CHostedField::EnableControl(bool enable)
{
    m_edit->Enable(enable);
    if (m_side != nullptr) {
        m_side->Enable(enable);
    }
    Enable(enable);
}

void CHostedField::SetLabel(const wxString& label)
{
    m_edit->SetText(FromWx(label));
}

wxString CHostedField::GetLabel() const
{
    return m_edit->GetValue();
}

void CHostedField::PostToParent(wxEventType type)
{
    auto* event = new wxCommandEvent(type, m_itemId);
    event->SetEventObject(this);
    wxQueueEvent(this, event);
}

bool CHostedField::SendToParent(wxEventType type)
{
    wxCommandEvent event(type, m_itemId);
    event.SetEventObject(this);
    return ProcessWindowEvent(event);
}

void CHostedField::OnEditSetFocus()
{
    PostToParent(EVT_FIELD_SET_FOCUS);
}

bool CHostedField::TakeEditChange()
{
    const bool changed = m_edit->IsModified() || m_edit->IsChanged();
    m_edit->DiscardEdits();
    m_edit->SetChanged(false);
    return changed;
}
