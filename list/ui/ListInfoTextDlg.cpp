#include "list/ui/ListInfoTextDlg.h"

#include "list/ColumnDetail.h"
#include "list/ui/FieldModified.h"

#include <wx/stattext.h>

#include <array>
#include <cstdlib>

namespace {

enum : int
{
    idInputMode = 1030,
    idInputModeName = 1031,
    idMultiLine = 1213,
    idNoList = 1012,
};

const IntegerFormat kRowFormat{NF_SHOW_ZERO | NF_MAXIMUM | NF_MINIMUM, CColumnDetail::kInputModeRows - 1, 0};
const DropListColumn kModeColumns[] = {{"No", 2, 0, 30}, {"名称", 0, 0, 110}, {nullptr, 0, 0, 0}};

// The list's cells, row by row: the row number and the mode's name.
const char* const* InputModeCells()
{
    static const std::array<const char*, 2 * CColumnDetail::kInputModeRows + 1> cells = [] {
        static const char* const numbers[] = {"0", "1", "2", "3"};
        std::array<const char*, 2 * CColumnDetail::kInputModeRows + 1> made{};
        for (int row = 0; row < CColumnDetail::kInputModeRows; ++row) {
            made[static_cast<size_t>(2 * row)] = numbers[row];
            made[static_cast<size_t>(2 * row + 1)] = CColumnDetail::InputModeName(row);
        }
        return made;
    }();
    return cells.data();
}

constexpr int kTop = 170;

} // namespace

CListInfoTextDlg::CListInfoTextDlg(wxWindow* parent, IListHost& host, ColumnRecord& record)
    : CListInfoChoiceDlg(parent, host, record, 202, "文字項目の詳細設定", kTop + 64)
{
    AddCheckBox(idMultiLine, "複数行", 12, kTop + 2, "改行を入力可能にします");
    Label("(Ctrl+Enterで改行できます)", 100, kTop + 3);
    AddItem(idInputMode, "ﾌｫｰｶｽを受け取ったときのIMEの切替方法を指定します");
    Label("IME", 12, kTop + 35);
    Placeholder(idInputMode, 100, kTop + 30, 60);
    new wxStaticText(this, idInputModeName, wxString(), wxPoint(170, kTop + 35), wxSize(180, 20),
                     wxST_NO_AUTORESIZE);
    // These stand above the drop-down list's controls, made before them, and come first in the
    // tab order too.
    wxWindow* dropKind = FindWindow(idNoList);
    for (int id : {idMultiLine, idInputMode}) {
        FindWindow(id)->MoveBeforeInTabOrder(dropKind);
    }
}

void CListInfoTextDlg::InitTypeFields()
{
    SetItemCheck(idMultiLine, m_record.multiLine, true);
    m_inputMode.CreateOverDialogItem(this, idInputMode, FindItemInfo(idInputMode));
    m_inputMode.GetEdit().SetIntegerFormat(&kRowFormat);
    m_inputMode.SetupList({InputModeCells(), 0, 0, idInputModeName, 1, kModeColumns});
    const int row = CColumnDetail::InputModeRow(m_record.inputMode);
    if (row >= 0) {
        m_inputMode.SetIntValue(row);
    } else {
        m_inputMode.SetText(CString());
        m_inputMode.UpdateCompanion();
    }
    CListInfoChoiceDlg::InitTypeFields();
}

void CListInfoTextDlg::ReadTypeFields(ColumnRecord& form)
{
    form.multiLine = IsItemChecked(idMultiLine);
    const CString text = m_inputMode.GetText();
    const int row = text.IsEmpty() ? -1 : std::atoi(text);
    form.inputMode = CColumnDetail::InputModeOfRow(row, m_record.inputMode);
    CListInfoChoiceDlg::ReadTypeFields(form);
}

bool CListInfoTextDlg::IsTypeModified()
{
    return IsFieldModified(m_inputMode) || CListInfoChoiceDlg::IsTypeModified();
}
