#include "list/ui/DropChoiceGrid.h"

#include "foundation/GridColumnDef.h"
#include "grid/GridEditWindow.h"
#include "list/DropChoiceList.h"

#include <wx/textctrl.h>

#include <algorithm>

namespace {

const GridColumnDef kColumns[] = {
    {"名称", 0, 20, 9, 0, 0},
    {nullptr, 0, 0, 0, 0, 0},
};

} // namespace

void CDropChoiceGrid::SetupTable()
{
    SetupColumns(kColumns, 0);
    SetSelectionMode(0);
    SetCustomFocusRect(true, false);
}

void CDropChoiceGrid::FillAllRows()
{
    SetRowCount(m_choices.Count(), 0);
    for (int row = 0; row < m_choices.Count(); ++row) {
        SetCellText(0, row, m_choices.Text(row));
    }
    RepaintGrid();
}

void CDropChoiceGrid::OnGridChar(unsigned int* character, int)
{
    if (character == nullptr || IsEditing()) {
        return;
    }
    const int row = CurrentRow();
    if (!m_typingAllowed() || CurrentColumn() != 0 || !m_choices.IsRow(row)) {
        *character = 0;
        return;
    }
    if (*character == '\r' || *character == '\n') {
        *character = 0;
        MoveToRow(std::min(row + 1, m_choices.Count() - 1));
    }
}

int CDropChoiceGrid::OnEditStart(int column, int row, CGridEditWindow**)
{
    return column == 0 && m_choices.IsRow(row) && m_typingAllowed() ? 1 : 0;
}

int CDropChoiceGrid::OnEditFinish(int, int row, CGridEditWindow* edit, CString& text, int cancelled)
{
    if (cancelled) {
        return 1;
    }
    auto* control = dynamic_cast<wxTextCtrl*>(edit);
    const bool modified = (control != nullptr && control->IsModified()) || text != EditRecord().GetText();
    if (modified) {
        m_choices.SetText(row, text);
    }
    return 1;
}

int CDropChoiceGrid::OnGetHintText(int column, int row, int, CString& text)
{
    if (row >= 0 || column != 0) {
        return 0;
    }
    text = "ﾄﾞﾛｯﾌﾟﾘｽﾄの内容を入力します";
    return 1;
}
