#include "app/listwindow/ui/ListGridTips.h"

#include "app/listwindow/ui/ListGrid.h"
#include "app/startup/ui/ZantobyApp.h"
#include "list/ZantobyDoc.h"

int CListGridTips::TextAt(int column, int row, CString& text) const
{
    const CZantobyDoc* doc = m_grid.Doc();
    if (doc == nullptr) {
        return 0;
    }
    const int dataColumns = m_grid.DataColumns();
    const bool inside = wxGetApp().IsShowingInternalInfo();
    if (row < 0 && column >= 0 && column < dataColumns) {
        text = doc->GetColumn(column).remark;
        return text.IsEmpty() ? 0 : 1;
    }
    if (column < 0 && row >= 0 && row < m_grid.GetRowCount()) {
        if (!inside) {
            return 0;
        }
        const int product = m_grid.RowOf(row);
        if (product < 0) {
            text = "新規行";
        } else {
            text.Format("ID=%d %s", product,
                        doc->GetRow(product).lastChange.Format("%Y/%m/%d %H:%M:%S").GetString());
        }
        return 1;
    }
    const int product = m_grid.RowOf(row);
    const int k = column - dataColumns;
    if (product < 0 || k < 0 || k >= doc->GetRow(product).photoCount) {
        return 0;
    }
    const int slot = doc->GetRow(product).photos[k];
    if (slot < 0 || slot >= kMaxPhotos || !doc->GetPhoto(slot).inUse) {
        return 0;
    }
    const CString& name = doc->GetPhoto(slot).name;
    if (inside) {
        text.Format("%s(%d)", name.GetString(), slot);
        return 1;
    }
    text = name;
    return text.IsEmpty() ? 0 : 1;
}
