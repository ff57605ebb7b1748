#include "app/printing/ui/PrintColumnGrid.h"

#include "app/printing/PageSetupModel.h"
#include "foundation/GridColumnDef.h"
#include "grid/DropListCellType.h"
#include "platform/VirtualKeys.h"

namespace {

constexpr int kNormalType = 0;
constexpr int kDropListType = 1;
constexpr int kColumnCount = 5;

const GridColumnDef kColumns[] = {
    {"名称", 0, 18, 0, kNormalType, 0}, {"一覧\v1", 0, 9, 0, kDropListType, 0},
    {"", 0, 5, 2, kNormalType, 0},      {"単票\v1", 0, 9, 0, kDropListType, 0},
    {"", 0, 5, 2, kNormalType, 0},      {nullptr, 0, 0, 0, 0, 0},
};

} // namespace

void CPrintColumnGrid::Setup()
{
    SetupColumns(kColumns, 1);
    // Lines as tall as the dialog's text with a little room.
    const int line = GetCharHeight() + 8;
    SetUniformRowSize(line);
    SetTopHeadingHeight(line);
    SetTopHeadingRowHeight(-1, line);
    CCellRecord name;
    GetColDefaultCell(kNameColumn, name);
    name.SetReadOnly(1);
    SetColDefaultCell(kNameColumn, name);
    CString choices;
    for (const char* mode : {CPageSetupModel::kAuto, CPageSetupModel::kManual, CPageSetupModel::kHidden}) {
        choices += CString(mode) + "\n";
    }
    for (int column : {1, 3}) {
        CCellRecord mode;
        GetColDefaultCell(column, mode);
        mode.SetLabelString(choices);
        SetColDefaultCell(column, mode);
    }
}

void CPrintColumnGrid::Load(CPageSetupModel& model)
{
    m_model = &model;
    SetRowCount(static_cast<int>(model.Columns().size()));
    for (int row = 0; row < GetRowCount(); ++row) {
        ShowRow(row);
    }
}

int CPrintColumnGrid::EntryOf(int column)
{
    return column == 1 || column == 2 ? 0 : column == 3 || column == 4 ? 1 : -1;
}

void CPrintColumnGrid::ShowRow(int row)
{
    const CPageSetupModel::ColumnRow& column = m_model->Columns()[row];
    SetCellText(kNameColumn, row, column.label);
    for (int entry = 0; entry < 2; ++entry) {
        SetCellText(1 + entry * 2, row, column.mode[entry]);
        SetCellText(2 + entry * 2, row, column.width[entry]);
    }
    for (int cell = 0; cell < kColumnCount; ++cell) {
        RepaintCell(cell, row);
    }
}

int CPrintColumnGrid::OnCellTypeNotify(int, int column, int row, int code, std::intptr_t parameter)
{
    if (m_model != nullptr && code == CDropListCellType::kStoring && EntryOf(column) >= 0 && row >= 0) {
        m_model->ChooseMode(row, EntryOf(column), *reinterpret_cast<CString*>(parameter));
        ShowRow(row);
    }
    return 1;
}

int CPrintColumnGrid::OnEditStart(int column, int row, CGridEditWindow**)
{
    return m_model != nullptr && IsWidthColumn(column) && row >= 0 &&
           m_model->CanTypeWidth(row, EntryOf(column));
}

int CPrintColumnGrid::OnEditFinish(int column, int row, CGridEditWindow*, CString& text, int cancelled)
{
    if (m_model != nullptr && !cancelled && IsWidthColumn(column) && row >= 0) {
        m_model->TypeWidth(row, EntryOf(column), text);
        text = m_model->Columns()[row].width[EntryOf(column)];
    }
    return 1;
}

void CPrintColumnGrid::OnGridKeyDown(unsigned int* key, int)
{
    const int column = CurrentColumn();
    const int row = CurrentRow();
    if (key != nullptr && *key == VK_DELETE && m_model != nullptr && !IsEditing() && EntryOf(column) >= 0 &&
        row >= 0) {
        m_model->ClearEntry(row, EntryOf(column));
        ShowRow(row);
        *key = 0;
    }
}

void CPrintColumnGrid::OnGridChar(unsigned int* character, int)
{
    if (character != nullptr && (*character == '\r' || *character == '\n') && !IsEditing()) {
        *character = 0;
        MoveOnEnter();
    }
}

void CPrintColumnGrid::MoveOnEnter()
{
    if (GetRowCount() == 0) {
        return;
    }
    int column = CurrentColumn() + 1;
    int row = std::max(CurrentRow(), 0);
    if (column >= kColumnCount) {
        column = 0;
        row = row + 1 < GetRowCount() ? row + 1 : 0;
    }
    MoveToCell(column, row);
}
