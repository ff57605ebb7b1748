#include "photo/batch/ui/OutputPhotoGrid.h"

#include "foundation/GridColumnDef.h"
#include "list/ZantobyDoc.h"

#include <algorithm>

namespace {

constexpr int kCheckType = 2;
constexpr int kPadding = 6;

const GridColumnDef kColumns[] = {
    {"出力", 0, 4, 9, kCheckType, 0},
    {"基本ﾌｧｲﾙ名", 0, 20, 9, 0, 0},
    {"ﾌﾟﾚﾋﾞｭｰ", 0, 10, 9, 0, 0},
    {nullptr, 0, 0, 0, 0, 0},
};

} // namespace

void COutputPhotoGrid::Fill(CZantobyDoc& doc, const std::vector<int>& slots)
{
    m_slots = slots;
    SetupColumns(kColumns, 0);
    SetSelectionMode(0);
    SetCustomFocusRect(true, false);
    const int rows = static_cast<int>(slots.size());
    SetRowCount(rows, 0);
    int widest = 0;
    for (int row = 0; row < rows; ++row) {
        const int slot = slots[row];
        SetCellBool(kChecked, row, 1);
        CString name;
        name.Format("%04d", slot);
        SetCellText(kBaseName, row, name);
        const Bitmap* thumbnail = doc.GetThumbnailBitmap(slot);
        if (thumbnail != nullptr) {
            SetCellBitmap(kPreview, row, thumbnail);
            SetRowSize(row, thumbnail->Height() + kPadding);
            widest = std::max(widest, thumbnail->Width());
        }
    }
    if (GetColumnWidth(kPreview) < widest + kPadding) {
        SetColumnWidth(kPreview, widest + kPadding);
    }
    RepaintGrid();
}

std::vector<PhotoOutputRow> COutputPhotoGrid::GetRows()
{
    std::vector<PhotoOutputRow> rows;
    for (int row = 0; row < static_cast<int>(m_slots.size()) && row < GetRowCount(); ++row) {
        rows.push_back({m_slots[row], GetCellBool(kChecked, row) != 0, GetCellText(kBaseName, row)});
    }
    return rows;
}

void COutputPhotoGrid::OnCellDblClick(int column, int row, const CRect&, CPoint, int)
{
    if (column == kBaseName && row >= 0) {
        BeginEditAt(column, row, 0);
    }
}

void COutputPhotoGrid::OnGridChar(unsigned int* character, int)
{
    if (character == nullptr || IsEditing()) {
        return;
    }
    if (*character == '\r' || *character == '\n') {
        *character = 0;
        MoveToNextCell();
    } else if (CurrentColumn() != kBaseName) {
        *character = 0;
    }
}

int COutputPhotoGrid::OnEditStart(int column, int, CGridEditWindow**)
{
    return column == kBaseName ? 1 : 0;
}
