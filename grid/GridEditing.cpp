#include "grid/GridEditing.h"

#include "grid/CellGridCore.h"
#include "grid/CellTextMatcher.h"
#include "grid/GridEditWindow.h"
#include "platform/FindReplaceFlags.h"
#include "platform/MessageBox.h"
#include "platform/TextMeasurer.h"

#include <algorithm>
#include <cstdint>

void CGridEditing::SetEnterStep(int columnStep, int rowStep)
{
    m_enterColumnStep = columnStep;
    m_enterRowStep = rowStep;
}

int CGridEditing::BeginEdit()
{
    return BeginEditAt(m_grid.CurrentColumn(), m_grid.CurrentRow(), 0);
}

int CGridEditing::BeginEditWithKey(unsigned int key)
{
    return BeginEditAt(m_grid.CurrentColumn(), m_grid.CurrentRow(), key);
}

int CGridEditing::BeginEditAt(int column, int row, unsigned int key)
{
    CGridSheetInfo& sheet = m_grid.Sheet();
    if (m_editing) {
        return 1;
    }
    m_editing = true;
    int left, top, right, bottom;
    if (sheet.selection.GetBounds(left, top, right, bottom) == 0) {
        sheet.selection.Clear();
        if (left != right || top != bottom || left != column || top != row) {
            m_grid.RepaintRange(left, top, right, bottom);
        }
    }
    // Heading cells are edited where they are; a cell is made current first.
    if (column >= 0 && row >= 0 && (column != sheet.currentColumn || row != sheet.currentRow)) {
        if (m_grid.MoveToCell(column, row) != 0) {
            m_editing = false;
            return 2;
        }
        column = sheet.currentColumn;
        row = sheet.currentRow;
    }

    m_grid.ReadCellForDisplay(column, row, m_editRecord);
    CCellType* type = m_grid.GetCellType(m_editRecord.GetTypeIndex());
    if (!type->IsEditable()) {
        m_editing = false;
        return 1;
    }
    CRect rect;
    m_grid.GetCellRect(column, row, rect);
    rect.right -= 1;
    rect.bottom -= 1;
    const int section =
        column < 0 ? GridSection::SideHeading : (row < 0 ? GridSection::TopHeading : GridSection::CellArea);
    type->AdjustEditRect(rect);
    if (m_editRecord.IsReadOnly()) {
        m_editing = false;
        return 1;
    }
    CGridEditWindow* edit =
        m_editRecord.TestMaskBits(CellMask::EditMask) ? sheet.maskedEditWindow : sheet.editWindow;
    if (edit == nullptr) {
        m_editing = false;
        return 1;
    }
    edit->SetText(m_editRecord.GetText());
    CCellDataSource* source = m_grid.m_cells.DataSourceFor(column);
    if ((source != nullptr && source->OnEditStart(column, row, &edit) != 1) ||
        m_grid.OnEditStart(column, row, &edit) == 0 || edit == nullptr) {
        m_editing = false;
        return 1;
    }
    m_editColumn = column;
    m_editRow = row;
    m_activeEdit = edit;
    edit->SetText(m_editRecord.GetText());
    const LogFont* font = m_editRecord.GetFont() != nullptr ? m_editRecord.GetFont() : sheet.defaultFont;
    edit->Open(section, rect, font, (m_editRecord.GetTypeStyle() & kCellStyleMultiLine) != 0);
    if (key > 0) {
        edit->SendChar(key);
    }
    return 0;
}

int CGridEditing::StoreText(int column, int row, const CString& text, short dataType)
{
    CCellRecord record;
    m_grid.ReadCell(column, row, record);
    record.SetTextValue(text);
    // A number stays a number, so that it keeps sorting by value.
    if (dataType != CellDataType::Text) {
        record.SetDataType(dataType);
    }
    return m_grid.WriteCell(column, row, record);
}

int CGridEditing::FinishEdit(CString text, int cancelled, int moveRequested, int newColumn, int newRow)
{
    CGridSheetInfo& sheet = m_grid.Sheet();
    const bool wasEditing = m_editing;
    if (!wasEditing) {
        cancelled = 1;
    }
    const int column = m_editColumn;
    const int row = m_editRow;
    CGridEditWindow* edit = m_activeEdit;
    CCellDataSource* source = m_grid.m_cells.DataSourceFor(column);
    if ((source != nullptr && source->OnEditFinish(column, row, edit, text, cancelled) != 1) ||
        m_grid.OnEditFinish(column, row, edit, text, cancelled) == 0) {
        return wasEditing ? 0 : 1;
    }
    if (edit != nullptr) {
        edit->Hide();
    }
    if (!wasEditing) {
        return 1;
    }
    if (!cancelled) {
        StoreText(column, row, text, m_editRecord.GetDataType());
        // A text wider than its column spills into an empty neighbour, which must be redrawn.
        if (sheet.textOverflow && column >= 0 && column < sheet.colCount - 1 && row >= 0 &&
            m_grid.GetCellText(column + 1, row).IsEmpty()) {
            const LogFont* font = edit != nullptr ? edit->GetFont() : sheet.defaultFont;
            const CSize extent =
                m_grid.m_host->GetMeasurer(font).GetTextExtent(text.GetString(), text.GetLength());
            if (extent.cx > m_grid.GetColumnWidth(column)) {
                m_grid.RepaintAllParts();
            }
        }
    }

    if (moveRequested && column >= 0 && row >= 0) {
        int left, top, right, bottom;
        if (sheet.joinsEnabled && m_grid.GetJoinRange(newColumn, newRow, left, top, right, bottom) == 0) {
            if (left != column) {
                newColumn = left;
            } else if (newColumn > column) {
                newColumn += right - left;
            }
            if (top != row) {
                newRow = top;
            } else if (newRow > row) {
                newRow += bottom - top;
            }
        }
        if (newColumn < 0) {
            newColumn = sheet.colCount - 1;
        } else if (newColumn >= sheet.colCount) {
            newColumn = 0;
        }
        if (newRow < 0) {
            newRow = sheet.rowCount - 1;
        }
        if ((source == nullptr || source->OnEditContinue(column, row, &newColumn, &newRow) == 1) &&
            m_grid.OnEditContinue(column, row, &newColumn, &newRow) != 0) {
            m_editing = false;
            const int leftColumn = sheet.leftColumn;
            const int topRow = sheet.topRow;
            m_grid.MoveToCell(newColumn, newRow);
            if (sheet.leftColumn == leftColumn && sheet.topRow == topRow) {
                m_grid.RepaintCell(column, row);
            } else {
                m_grid.RepaintAllParts();
            }
            return 1;
        }
    }
    m_editing = false;
    return 1;
}

void CGridEditing::CancelEdit()
{
    if (!m_editing) {
        return;
    }
    m_editing = false;
    if (m_activeEdit != nullptr) {
        if (m_activeEdit->HasFocus()) {
            m_grid.m_host->FocusCellArea();
        }
        m_activeEdit->Hide();
    }
}

bool CGridEditing::ReplaceInCell(int column, int row, const CCellTextMatcher& matcher,
                                 const CString& replacement)
{
    CCellRecord stored;
    m_grid.ReadCell(column, row, stored);
    if (!stored.TestMaskBits(CellMask::Text) || !matcher.Matches(stored.GetText())) {
        return false;
    }
    CCellRecord shown;
    m_grid.ReadCellForDisplay(column, row, shown);
    StoreText(column, row, matcher.Replace(stored.GetText(), replacement), shown.GetDataType());
    return true;
}

int CGridEditing::FindReplace(const CGridFindRequest& request)
{
    if (request.flags & FR_DIALOGTERM) {
        m_grid.m_fullRepaint = 0;
        return 0;
    }
    const CGridSheetInfo& sheet = m_grid.Sheet();
    int flags = 0;
    if (!(request.flags & FR_MATCHCASE)) {
        flags |= FindFlags::IgnoreCase;
    }
    if (!(request.flags & FR_WHOLEWORD)) {
        flags |= FindFlags::Partial;
    }
    if (!(request.flags & FR_DOWN)) {
        flags |= FindFlags::Backward;
    }
    if (m_grid.m_searchByColumns) {
        flags |= FindFlags::AlongRows;
    }
    const CCellTextMatcher matcher(request.findWhat, flags);
    const int startColumn = sheet.currentColumn;
    const int startRow = sheet.currentRow;
    CCellDataSource* source = m_grid.m_cells.DataSourceFor(startColumn);
    if (source == nullptr) {
        return 1;
    }

    if (request.flags & FR_REPLACE) {
        // Only a cell that matches is changed, and only in its matched text.
        if (startColumn >= 0 && startRow >= 0 &&
            ReplaceInCell(startColumn, startRow, matcher, request.replaceWith)) {
            m_grid.RepaintCell(startColumn, startRow);
        }
    }
    const bool replaceAll = (request.flags & FR_REPLACEALL) != 0;
    if (replaceAll && request.findWhat == request.replaceWith) {
        return 0;
    }

    int column = m_grid.DataSourceColumn(startColumn);
    int row = startRow;
    if (!replaceAll) {
        if (source->FindNext(request.findWhat, &column, &row, flags) != 0) {
            ShowMessageBox("Item not found", "Not Found", MB_OK);
            return 0;
        }
        m_grid.MoveToCell(m_grid.m_cells.GridColumnOf(source, column), row);
        return 0;
    }

    // One pass over the cells: each hit lies further from the start in the search order than
    // the one before, so a replacement that still matches is never visited again. The cells
    // change without being drawn one by one; the last hit becomes current and the grid is drawn
    // once.
    const bool alongRows = (flags & FindFlags::AlongRows) != 0;
    const bool backward = (flags & FindFlags::Backward) != 0;
    const std::int64_t columns = std::max(sheet.colCount, 1);
    const std::int64_t total =
        alongRows ? std::max<std::int64_t>(sheet.rowCount, 1) * columns : std::max(sheet.rowCount, 1);
    auto position = [&](int c, int r) { return alongRows ? r * columns + c : static_cast<std::int64_t>(r); };
    const std::int64_t start = position(column, row);
    auto distance = [&](int c, int r) {
        std::int64_t d =
            ((backward ? start - position(c, r) : position(c, r) - start) % total + total) % total;
        return d == 0 ? total : d;
    };
    std::int64_t reached = 0;
    int replaced = 0;
    int lastColumn = -1;
    int lastRow = -1;
    // A stop keeps the cells replaced so far: each is a whole replacement.
    bool stopped = !m_grid.m_host->ReportReplaceProgress(0, total);
    constexpr int kHitsPerReport = 256;
    int hits = 0;
    while (!stopped && source->FindNext(request.findWhat, &column, &row, flags) == 0) {
        const std::int64_t d = distance(column, row);
        if (d <= reached) {
            break;
        }
        reached = d;
        lastColumn = m_grid.m_cells.GridColumnOf(source, column);
        lastRow = row;
        if (ReplaceInCell(lastColumn, lastRow, matcher, request.replaceWith)) {
            ++replaced;
        }
        if (++hits % kHitsPerReport == 0) {
            stopped = !m_grid.m_host->ReportReplaceProgress(reached, total);
        }
    }
    m_grid.m_host->EndReplaceProgress();
    if (lastRow >= 0) {
        m_grid.MoveToCell(lastColumn, lastRow);
        m_grid.RepaintGrid();
    }
    if (replaced == 0 && !stopped) {
        ShowMessageBox("Item not found", "Not Found", MB_OK);
    }
    return 0;
}
