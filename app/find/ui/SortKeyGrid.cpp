#include "app/find/ui/SortKeyGrid.h"

#include "app/find/SortKeyEditor.h"
#include "app/listwindow/ListGridLayout.h"
#include "foundation/GridColumnDef.h"
#include "grid/DropListCellType.h"

namespace {

constexpr int kCentre = CellAlign::Center | CellAlign::VCenter;
constexpr int kLeft = CellAlign::Left | CellAlign::VCenter;
constexpr int kDirectionColumn = 2;

const GridColumnDef kColumns[] = {
    {"№", 0, 2, kCentre, 0, 0},
    {"名称", 0, 20, kLeft, 0, 0},
    {"並替", 0, 8, kCentre, CellTypeIndex::DropList, static_cast<int>(CListGridLayout::kStyleDropList)},
    {nullptr, 0, 0, 0, 0, 0},
};

} // namespace

void CSortKeyGrid::Fill()
{
    SetupColumns(kColumns, 0);
    CCellRecord direction;
    GetColDefaultCell(kDirectionColumn, direction);
    direction.SetLabelString("昇順\n降順\n");
    SetColDefaultCell(kDirectionColumn, direction);
    SetRowCount(static_cast<int>(m_editor.Rows().size()));
    for (int row = 0; row < GetRowCount(); ++row) {
        FillRow(row);
    }
}

void CSortKeyGrid::FillRow(int row)
{
    SetCellText(0, row, m_editor.NumberText(row));
    SetCellText(1, row, m_editor.NameText(row));
    SetCellText(kDirectionColumn, row,
                CSortKeyEditor::DirectionText(m_editor.Rows()[static_cast<size_t>(row)].descending));
}

int CSortKeyGrid::OnCellTypeNotify(int, int column, int row, int code, std::intptr_t parameter)
{
    if (code == CDropListCellType::kStoring && column == kDirectionColumn && row >= 0 &&
        row < GetRowCount() && parameter != 0) {
        m_editor.SetDescending(row, CSortKeyEditor::IsDescendingText(*reinterpret_cast<CString*>(parameter)));
    }
    return 1;
}

int CSortKeyGrid::OnEditStart(int column, int, CGridEditWindow**)
{
    // Numbers and names are shown, not typed; the direction is picked from its list.
    return column == kDirectionColumn ? 1 : 0;
}
