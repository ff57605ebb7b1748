#include "foundation/ui/ButtonEdit.h"

#include "foundation/FieldRules.h"
#include "foundation/ui/ChosenPath.h"
#include "foundation/ui/FolderSelectDlg.h"
#include "platform/ui/WxText.h"

#include <wx/button.h>
#include <wx/filedlg.h>
#include <wx/filename.h>

void CButtonEdit::SetFolderMode(bool trailingSeparator)
{
    m_mode = modeFolder;
    m_trailingSeparator = trailingSeparator;
}

void CButtonEdit::SetFileMode(int mode, const CString& defaultExtension, long flags, const CString& filter)
{
    m_mode = mode;
    m_defaultExtension = defaultExtension;
    m_flags = flags;
    m_filter = filter;
}

void CButtonEdit::SetPath(const CString& path)
{
    SetText(m_mode == modeFolder ? CFieldRules::ApplyTrailingSeparator(path, m_trailingSeparator) : path);
}

CString CButtonEdit::GetPath()
{
    const CString text = GetText();
    if (m_mode != modeFolder) {
        return text;
    }
    const CString path = CFieldRules::ApplyTrailingSeparator(text, m_trailingSeparator);
    if (path != text) {
        SetText(path);
    }
    return path;
}

wxWindow* CButtonEdit::CreateSide(const wxRect& rect)
{
    auto* button = new wxButton(this, wxID_ANY, "...", rect.GetPosition(), rect.GetSize(), wxBU_EXACTFIT);
    button->SetFont(wxFont(9, wxFONTFAMILY_SWISS, wxFONTSTYLE_NORMAL, wxFONTWEIGHT_NORMAL, false, "Arial"));
    return button;
}

void CButtonEdit::OnAttached()
{
    // Text typed in the field needs no own format: every character class, no limit.
    static const TextFormat anyText{
        TF_DIGITS | TF_UPPER | TF_LOWER | TF_HALF_KANA | TF_SYMBOLS | TF_DOUBLE_BYTE, 0, 0, 0};
    SetTextFormat(&anyText);
    Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { Browse(); });
}

bool CButtonEdit::Browse()
{
    CString chosen;
    if (!ChoosePath(GetText(), chosen)) {
        return false;
    }
    SetText(m_mode == modeFolder ? CFieldRules::ApplyTrailingSeparator(chosen, m_trailingSeparator) : chosen);
    GetEdit().DiscardEdits();
    GetEdit().SetChanged(false);
    SetChanged(true);
    SendToParent(EVT_FIELD_SELEND_OK);
    SendToParent(EVT_FIELD_UPDATE);
    return true;
}

bool CButtonEdit::ChoosePath(const CString& start, CString& chosen)
{
    if (m_mode == modeFolder) {
        CFolderSelectDlg dialog;
        dialog.title = "ﾌｫﾙﾀﾞの選択";
        dialog.initialFolder = start;
        if (!dialog.Browse()) {
            return false;
        }
        chosen = dialog.result;
        return true;
    }
    CString filter = m_filter;
    filter.TrimRight("|");
    const wxFileName name(ToWx(start));
    const long style = (m_mode == modeOpen ? wxFD_OPEN : wxFD_SAVE) | m_flags;
    wxFileDialog dialog(this, wxFileSelectorPromptStr, name.GetPath(), name.GetFullName(),
                        filter.IsEmpty() ? wxString(wxFileSelectorDefaultWildcardStr) : ToWx(filter), style);
    if (dialog.ShowModal() != wxID_OK) {
        return false;
    }
    wxFileName path(dialog.GetPath());
    if (!path.HasExt() && !m_defaultExtension.IsEmpty()) {
        path.SetExt(ToWx(m_defaultExtension));
    }
    return TakeChosenPath(path.GetFullPath(), chosen);
}

void CButtonEdit::OnEditKillFocus()
{
    if (TakeEditChange()) {
        SetChanged(true);
        SendToParent(EVT_FIELD_SELEND_OK);
        SendToParent(EVT_FIELD_UPDATE);
    }
    PostToParent(EVT_FIELD_KILL_FOCUS);
}
