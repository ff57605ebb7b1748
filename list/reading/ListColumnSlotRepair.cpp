#include "list/reading/ListColumnSlotRepair.h"

#include "list/ZantobyDoc.h"

#include <algorithm>
#include <array>

namespace {

bool IsSlot(int slot)
{
    return slot >= 0 && slot < kMaxColumns;
}

} // namespace

void CListColumnSlotRepair::Run()
{
    // Columns with a type claim their slots first, in display order; a column whose slot is
    // outside the row or already taken gets the lowest free one.
    std::array<bool, kMaxColumns> taken{};
    std::vector<int> homeless;
    for (bool typed : {true, false}) {
        for (int i = 0; i < kMaxColumns; ++i) {
            const ColumnRecord& column = m_doc.GetColumn(i);
            if ((column.type != kTypeNone) != typed) {
                continue;
            }
            if (IsSlot(column.slot) && !taken[column.slot]) {
                taken[column.slot] = true;
            } else {
                homeless.push_back(i);
            }
        }
    }
    for (int i : homeless) {
        ColumnRecord& column = m_doc.GetColumn(i);
        int slot = static_cast<int>(std::find(taken.begin(), taken.end(), false) - taken.begin());
        taken[slot] = true;
        CString repair;
        repair.Format("%d 番目の項目[%s]の格納位置 %d を %d に直しました", i + 1, column.name.GetString(),
                      column.slot, slot);
        m_repairs.push_back(repair);
        column.slot = slot;
    }
}
