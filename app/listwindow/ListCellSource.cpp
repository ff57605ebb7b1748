#include "app/listwindow/ListCellSource.h"

#include "grid/CellGridCore.h"
#include "list/ZantobyDoc.h"

#include <algorithm>

namespace {

// The data columns and the photo columns after them.
constexpr int kGridColumns = kMaxColumns + kMaxPhotosPerRow;

} // namespace

void CListCellSource::ForgetLine(int line)
{
    // Most lines hold nothing of the grid's own.
    if (line > m_held.GetRowCount()) {
        return;
    }
    for (int column = 0; column < kGridColumns; ++column) {
        m_held.DeleteCell(column, line);
    }
}

void CListCellSource::ForgetLinesFrom(int first)
{
    for (int line = std::max(first, 0); line <= m_held.GetRowCount(); ++line) {
        ForgetLine(line);
    }
}

int CListCellSource::GetRowCount()
{
    return m_doc != nullptr ? m_doc->displayCount : 0;
}

int CListCellSource::InsertRow(int row)
{
    m_held.InsertRow(row);
    return 0;
}

int CListCellSource::DeleteRow(int row)
{
    m_held.DeleteRow(row);
    return 0;
}

bool CListCellSource::ReadDocumentCell(int column, int line, CCellRecord& record) const
{
    if (m_doc == nullptr || line < 0 || line >= m_doc->displayCount || column < 0 ||
        column >= m_doc->columnCount || (m_grid != nullptr && column >= m_grid->GetColCount())) {
        return false;
    }
    const int row = m_doc->displayOrder[line];
    if (row < 0 || row >= kMaxRows || !m_doc->GetRow(row).inUse) {
        return false;
    }
    const ColumnRecord& definition = m_doc->GetColumn(column);
    const RowCells& cells = m_doc->GetRow(row).Cells();
    if (const COLORREF text = cells.TextColor(definition.slot); text != kDefaultColor) {
        record.SetForeColor(text);
    }
    if (const COLORREF back = cells.BackColor(definition.slot); back != kDefaultColor) {
        record.SetFillColor(back);
    }
    const CString text = m_doc->GetCellText(column, definition.slot, row, kOutputGrid);
    if (definition.type == kTypeYesNo) {
        record.SetBoolValue(text == "true" ? 1 : 0);
    } else {
        record.SetTextValue(text);
    }
    return true;
}

int CListCellSource::GetCell(int column, int row, CCellRecord& record)
{
    if (m_held.GetCell(column, row, record) == 0) {
        return 0;
    }
    return ReadDocumentCell(column, row, record) ? 0 : 1;
}

int CListCellSource::FindTextBefore(int* column, int row)
{
    if (column == nullptr || row < 0) {
        return 1;
    }
    for (int c = *column - 1; c >= 0; --c) {
        CCellRecord record;
        if (GetCell(c, row, record) == 0 && !record.GetText().IsEmpty()) {
            *column = c;
            return 0;
        }
    }
    return 1;
}
