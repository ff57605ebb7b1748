#include "list/ui/ListInfoGrid.h"

#include "foundation/GridColumnDef.h"
#include "foundation/ui/SystemServices.h"
#include "grid/DropListCellType.h"
#include "grid/GridEditWindow.h"
#include "list/ListInfoColumns.h"
#include "platform/VirtualKeys.h"

#include <wx/textctrl.h>

namespace {

constexpr unsigned int VK_F4 = 0x73;

const GridColumnDef kColumns[] = {
    {"項目名", 0, 20, 9, 0, 0},
    {"補助項目名", 0, 20, 9, 0, 0},
    {"ﾀｲﾌﾟ", 0, 10, 9, 1, static_cast<int>(kDropListButtonOnCurrent)},
    {"幅", 0, 3, 10, 0, 0},
    {"その他", 0, 36, 9, 0, 0},
    {nullptr, 0, 0, 0, 0, 0},
};

const char* const kHeadingHints[] = {"項目名を入力します", "補助項目名を入力します", "入力ﾀｲﾌﾟを指定します",
                                     "表示幅を入力します", "その他の内容を表示します"};

} // namespace

void CListInfoGrid::SetupTable()
{
    SetupColumns(kColumns, 0);
    SetSelectionMode(0);
    SetCustomFocusRect(true, false);
    CString choices;
    for (int type = kTypeYesNo; type <= kTypeDate; ++type) {
        choices += ColumnRecord().GetTypeName(type) + "\n";
    }
    CCellRecord record;
    GetColDefaultCell(CListInfoColumns::kType, record);
    record.SetLabelString(choices);
    SetColDefaultCell(CListInfoColumns::kType, record);
}

void CListInfoGrid::FillAllRows()
{
    SetRowCount(m_columns.Count(), 0);
    for (int row = 0; row < m_columns.Count(); ++row) {
        FillRow(row);
    }
    RepaintGrid();
}

void CListInfoGrid::FillRow(int row)
{
    for (int column = CListInfoColumns::kName; column <= CListInfoColumns::kSummary; ++column) {
        SetCellText(column, row, m_columns.GetCellText(row, column));
    }
}

void CListInfoGrid::Refill()
{
    FillAllRows();
}

bool CListInfoGrid::HasCurrentRow() const
{
    return m_columns.IsRow(CurrentRow());
}

bool CListInfoGrid::IsTypedColumn(int column)
{
    return column == CListInfoColumns::kName || column == CListInfoColumns::kSubName ||
           column == CListInfoColumns::kWidth;
}

int CListInfoGrid::OnCellTypeNotify(int, int column, int row, int code, std::intptr_t parameter)
{
    if (code != CDropListCellType::kStoring || column != CListInfoColumns::kType || !m_columns.IsRow(row)) {
        return 1;
    }
    auto* chosen = reinterpret_cast<CString*>(parameter);
    if (chosen != nullptr) {
        m_columns.SetTypeByName(row, *chosen);
        *chosen = m_columns.GetCellText(row, column);
        Refill();
    }
    return 1;
}

void CListInfoGrid::OnCellChanged(int oldColumn, int newColumn, int, int)
{
    if (oldColumn != newColumn) {
        ApplyImeMode(newColumn);
    }
}

void CListInfoGrid::OnGridSetFocus(int)
{
    // The dialog opens on a name, and comes back to the grid from the detail dialogs.
    ApplyImeMode(CurrentColumn());
}

void CListInfoGrid::ApplyImeMode(int column)
{
    // Names are typed in Japanese, the rest in plain digits.
    const bool names = column == CListInfoColumns::kName || column == CListInfoColumns::kSubName;
    SetImeMode(names ? 5 : 1);
}

void CListInfoGrid::OnCellDblClick(int, int row, const CRect&, CPoint, int)
{
    if (m_columns.IsRow(row) && m_openDetails) {
        m_openDetails(row);
    }
}

void CListInfoGrid::OnGridKeyDown(unsigned int* key, int)
{
    if (key == nullptr || IsEditing()) {
        return;
    }
    const int column = CurrentColumn();
    const int row = CurrentRow();
    switch (*key) {
    case VK_DELETE:
        if (m_columns.ClearCell(row, column)) {
            FillRow(row);
            RepaintRow(row);
        }
        break;
    case VK_F2:
        if (IsTypedColumn(column) && m_columns.IsRow(row)) {
            BeginEdit();
        }
        break;
    case VK_F4:
        if (m_columns.CopyFromAbove(row, column)) {
            FillRow(row);
            RepaintRow(row);
        }
        break;
    default:
        return;
    }
    *key = 0;
}

void CListInfoGrid::OnGridChar(unsigned int* character, int processed)
{
    if (character == nullptr || IsEditing()) {
        return;
    }
    if (*character == '\r' || *character == '\n') {
        *character = 0;
        MoveToNextCell();
        return;
    }
    if (!processed && !IsTypedColumn(CurrentColumn())) {
        *character = 0;
    }
}

int CListInfoGrid::OnEditStart(int column, int row, CGridEditWindow**)
{
    return IsTypedColumn(column) && m_columns.IsRow(row) ? 1 : 0;
}

int CListInfoGrid::OnEditFinish(int column, int row, CGridEditWindow* edit, CString& text, int cancelled)
{
    if (cancelled || !IsTypedColumn(column)) {
        return 1;
    }
    auto* control = dynamic_cast<wxTextCtrl*>(edit);
    const bool modified = (control != nullptr && control->IsModified()) || text != EditRecord().GetText();
    if (!modified) {
        return 1;
    }
    m_columns.SetCellText(row, column, text);
    text = m_columns.GetCellText(row, column);
    Refill();
    return 1;
}

int CListInfoGrid::OnGetHintText(int column, int row, int, CString& text)
{
    if (row >= 0 || column < 0 || column > CListInfoColumns::kSummary) {
        return 0;
    }
    text = kHeadingHints[column];
    return 1;
}
