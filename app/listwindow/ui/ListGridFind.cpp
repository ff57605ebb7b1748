#include "app/listwindow/ui/ListGridFind.h"

#include "app/find/ListFinder.h"
#include "app/listwindow/ui/ListGrid.h"
#include "app/startup/ui/ZantobyApp.h"
#include "list/ZantobyDoc.h"

ListFindSettings& CListGridFind::Settings()
{
    return wxGetApp().GetSearchState().settings;
}

void CListGridFind::FindNext()
{
    CZantobyDoc* doc = m_grid.Doc();
    if (doc == nullptr) {
        return;
    }
    const int dataColumns = m_grid.DataColumns();
    CListFinder finder(m_grid.GetColCount(), m_grid.GetRowCount(),
                       [this, doc, dataColumns](int column, int line) -> CString {
                           if (column < dataColumns) {
                               return m_grid.GetCellText(column, line);
                           }
                           const int product = m_grid.RowOf(line);
                           const int k = column - dataColumns;
                           if (product < 0 || k >= doc->GetRow(product).photoCount) {
                               return CString();
                           }
                           const int slot = doc->GetRow(product).photos[k];
                           return slot >= 0 && slot < kMaxPhotos ? doc->GetPhoto(slot).name : CString();
                       });
    int column = -1;
    int line = -1;
    if (!finder.FindNext(doc->Host(), Settings(), doc->currentColumn, doc->currentRow, column, line)) {
        return;
    }
    m_grid.SetFocus();
    m_grid.MoveToCell(-1, -1);
    m_grid.DeselectAll();
    m_grid.CurrentSheet()->selection.StartBlock(column, line);
    m_grid.MoveToCell(column, line);
}
