#include "app/ui/RangeExtractGrid.h"

#include "app/ExtractForm.h"
#include "app/ListGridLayout.h"
#include "app/VersionInfo.h"
#include "foundation/GridColumnDef.h"
#include "grid/CheckCellType.h"
#include "platform/MessageBox.h"
#include "platform/VirtualKeys.h"

namespace {

constexpr unsigned short kLeft = CellAlign::Left | CellAlign::VCenter;
constexpr unsigned short kAlignments[3] = {kLeft, CellAlign::Center | CellAlign::VCenter,
                                           CellAlign::Right | CellAlign::VCenter};

const GridColumnDef kColumns[] = {
    {"項目", 0, 20, kLeft, 0, 0},
    {"最小値", 0, 15, kLeft, 0, 0},
    {"最大値", 0, 15, kLeft, 0, 0},
    {nullptr, 0, 0, 0, 0, 0},
};

} // namespace

void CRangeExtractGrid::Fill()
{
    SetupColumns(kColumns, 1);
    const int count = static_cast<int>(m_form.rows.size());
    SetRowCount(count);
    for (int row = 0; row < count; ++row) {
        const CExtractForm::Row& values = m_form.rows[static_cast<size_t>(row)];
        SetCellText(0, row, values.name);
        for (int column = 1; column <= 2; ++column) {
            CCellRecord cell;
            cell.SetAlignFlags(kAlignments[values.align]);
            if (values.kind == CExtractForm::kYesNoRow) {
                cell.SetTypeIndex(CellTypeIndex::CheckBox);
                cell.SetTypeStyle(CheckStyle::ThreeStates | CheckStyle::Tick | CheckStyle::ByAlignment);
                cell.SetNumberValue(values.checkState);
            } else {
                if (!values.choices.IsEmpty()) {
                    cell.SetTypeIndex(CellTypeIndex::DropList);
                    cell.SetTypeStyle(CListGridLayout::kStyleDropList);
                    cell.SetLabelString(values.choices);
                }
                cell.SetTextValue(column == 1 ? values.lower : values.upper);
            }
            WriteCell(column, row, cell);
        }
        if (values.kind != CExtractForm::kBoundsRow) {
            MergeCellRange(1, row, 2, row);
        }
    }
}

void CRangeExtractGrid::Gather()
{
    if (IsEditing()) {
        CancelEdit();
    }
    for (int row = 0; row < static_cast<int>(m_form.rows.size()) && row < GetRowCount(); ++row) {
        CExtractForm::Row& values = m_form.rows[static_cast<size_t>(row)];
        if (values.kind == CExtractForm::kYesNoRow) {
            CCellRecord cell;
            ReadCell(1, row, cell);
            values.checkState = static_cast<int>(cell.GetNumberValue());
            continue;
        }
        values.lower = GetCellText(1, row);
        if (values.kind == CExtractForm::kBoundsRow) {
            values.upper = GetCellText(2, row);
        }
    }
}

bool CRangeExtractGrid::IsValueCell(int column, int row) const
{
    return (column == 1 || column == 2) && row >= 0 && row < GetRowCount();
}

void CRangeExtractGrid::OnGridKeyDown(unsigned int* key, int)
{
    const int column = CurrentColumn();
    const int row = CurrentRow();
    if (key == nullptr || *key != VK_DELETE || IsEditing() || !IsValueCell(column, row)) {
        return;
    }
    int left = column;
    int top = row;
    int right = column;
    int bottom = row;
    GetJoinRange(column, row, left, top, right, bottom);
    if (m_form.rows[static_cast<size_t>(row)].kind == CExtractForm::kYesNoRow) {
        CCellRecord cell;
        ReadCell(left, row, cell);
        cell.SetNumberValue(CExtractForm::kNoCondition);
        WriteCell(left, row, cell);
    } else {
        SetCellText(left, row, CString());
    }
    RepaintRange(left, row, right, row);
    *key = 0;
}

void CRangeExtractGrid::OnGridChar(unsigned int* character, int processed)
{
    if (character == nullptr || IsEditing()) {
        return;
    }
    if (*character == '\r' || *character == '\n') {
        *character = 0;
        if (m_onEnter) {
            m_onEnter();
        }
        return;
    }
    if (!processed && !IsValueCell(CurrentColumn(), CurrentRow())) {
        *character = 0;
    }
}

int CRangeExtractGrid::OnEditStart(int column, int row, CGridEditWindow**)
{
    return IsValueCell(column, row) ? 1 : 0;
}

int CRangeExtractGrid::OnEditFinish(int, int row, CGridEditWindow*, CString& text, int cancelled)
{
    if (!cancelled && !text.IsEmpty() && text != EditRecord().GetText() && row >= 0 &&
        row < static_cast<int>(m_form.rows.size())) {
        CString refusal;
        const CString normal = m_form.Normalise(row, text, &refusal);
        if (!refusal.IsEmpty()) {
            // The bound stays in the editor to be corrected; Esc gives the old one back.
            ShowMessageBox(refusal, kProductName, MB_OK | MB_ICONEXCLAMATION);
            return 0;
        }
        text = normal;
    }
    return 1;
}
