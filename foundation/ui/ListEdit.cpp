#include "foundation/ui/ListEdit.h"

#include "foundation/ui/DropButton.h"
#include "foundation/ui/DropList.h"
#include "platform/MessageBox.h"
#include "platform/ui/WxText.h"

CListEdit::~CListEdit()
{
    if (m_popup != nullptr) {
        m_popup->Destroy();
    }
}

wxWindow* CListEdit::CreateSide(const wxRect& rect)
{
    return new CDropButton(this, rect, false);
}

void CListEdit::OnAttached()
{
    m_popup = new CDropList(this, this);
    Bind(wxEVT_BUTTON, [this](wxCommandEvent&) {
        if (m_rows.GetRowCount() > 0) {
            ShowDropList(true);
        }
    });
    GetEdit().Bind(wxEVT_KEY_DOWN, &CListEdit::OnEditKey, this);
}

bool CListEdit::SetupList(const DropListSetup& setup)
{
    CReportList& list = m_popup->GetList();
    if (setup.height > 0) {
        list.height = setup.height;
    }
    m_companionId = setup.companionId;
    m_companionColumn = setup.companionColumn;
    list.DeleteAllItems();
    list.DeleteAllColumns();
    m_rows.Setup(setup);
    for (int column = 0; column < m_rows.GetColumnCount(); ++column) {
        const int alignment = m_rows.GetColumn(column).alignment;
        list.AddColumn(CString(),
                       alignment == 1   ? wxLIST_FORMAT_CENTRE
                       : alignment == 2 ? wxLIST_FORMAT_RIGHT
                                        : wxLIST_FORMAT_LEFT,
                       m_rows.GetColumn(column).width);
    }
    list.minimumWidth = m_rows.GetMinimumWidth();
    for (int row = 0; row < m_rows.GetRowCount(); ++row) {
        list.AddItem(m_rows.GetText(row, 0), row);
        for (int column = 1; column < m_rows.GetColumnCount(); ++column) {
            list.SetText(row, column, m_rows.GetText(row, column));
        }
    }
    return true;
}

void CListEdit::SetIntValue(int value)
{
    GetEdit().SetInteger(value);
    UpdateCompanion();
}

void CListEdit::ShowDropList(bool show)
{
    if (show && !m_popup->IsShown()) {
        m_popup->Show(this);
    } else if (!show && m_popup->IsShown()) {
        m_popup->Dismiss();
    }
}

bool CListEdit::IsDropListShown() const
{
    return m_popup->IsShown();
}

void CListEdit::OnListPick()
{
    const int row = m_popup->GetList().GetSelectedItem();
    if (row >= 0) {
        CTypedEdit& edit = GetEdit();
        const CString text = m_rows.GetText(row, 0);
        if (edit.GetMode() == CTypedEditValue::modeText || edit.GetMode() == CTypedEditValue::modeDigits) {
            edit.SetText(text);
        } else {
            edit.ParseText(text);
        }
        SetChanged(true);
        SendToParent(EVT_FIELD_SELEND_OK);
        SendToParent(EVT_FIELD_UPDATE);
    }
    UpdateCompanion();
}

void CListEdit::UpdateCompanion()
{
    if (m_companionId == 0 || m_companionColumn < 0) {
        return;
    }
    wxWindow* companion = GetParent()->FindWindow(m_companionId);
    if (companion != nullptr) {
        companion->SetLabel(ToWx(m_rows.GetCompanionText(GetText(), m_companionColumn)));
    }
}

void CListEdit::OnEditKillFocus()
{
    if (TakeEditChange()) {
        SetChanged(true);
        UpdateCompanion();
        SendToParent(EVT_FIELD_SELEND_OK);
        SendToParent(EVT_FIELD_UPDATE);
    }
    PostToParent(EVT_FIELD_KILL_FOCUS);
}

void CListEdit::OnEditKey(wxKeyEvent& event)
{
    // The popup never takes the focus from the field; the field's keys work the list.
    if (!m_popup->IsShown()) {
        event.Skip();
        return;
    }
    CReportList& list = m_popup->GetList();
    const int row = list.GetSelectedItem();
    switch (event.GetKeyCode()) {
    case WXK_DOWN:
        list.SelectItem(std::min(row + 1, list.GetItemCount() - 1));
        break;
    case WXK_UP:
        list.SelectItem(std::max(row - 1, 0));
        break;
    case WXK_RETURN:
    case WXK_NUMPAD_ENTER:
        m_popup->Pick();
        break;
    case WXK_ESCAPE:
        m_popup->Dismiss();
        break;
    default:
        event.Skip();
        break;
    }
}
