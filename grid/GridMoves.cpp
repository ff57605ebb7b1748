#include "grid/GridMoves.h"

#include "grid/CellGridCore.h"
#include "platform/VirtualKeys.h"

#include <algorithm>

int CGridMoves::MoveToCell(int column, int row)
{
    return MoveTo(column, row, MoveAxes::Both);
}

int CGridMoves::MoveToCol(int column)
{
    return MoveTo(column, m_grid.Sheet().cursorRow, MoveAxes::ColumnOnly);
}

int CGridMoves::MoveToRow(int row)
{
    return MoveTo(m_grid.Sheet().cursorColumn, row, MoveAxes::RowOnly);
}

int CGridMoves::MoveTo(int column, int row, MoveAxes axes)
{
    CGridSheetInfo& sheet = m_grid.Sheet();
    if (sheet.multipleSelection && sheet.selectionTrigger == SelectionTrigger::Keyboard &&
        !m_grid.m_host->IsKeyHeld(VK_SHIFT) && !m_grid.m_host->IsKeyHeld(VK_CONTROL)) {
        int anchorColumn, anchorRow;
        if (sheet.selection.GetAnchor(anchorColumn, anchorRow) == 0) {
            sheet.currentColumn = anchorColumn;
            sheet.currentRow = anchorRow;
        }
    }
    if (column == sheet.cursorColumn && row == sheet.cursorRow) {
        // A click on the cursor cell still selects it (or adds it, or starts over from it).
        if (sheet.multipleSelection && (sheet.selectionTrigger == SelectionTrigger::LeftButton ||
                                        sheet.selectionTrigger == SelectionTrigger::RightButton)) {
            CommitCellChange(true);
        }
        return 0;
    }
    if (axes != MoveAxes::ColumnOnly && ClampRowRequest(row) != 0) {
        return 1;
    }
    if (axes != MoveAxes::RowOnly && ClampColumnRequest(column) != 0) {
        return 1;
    }
    AdjustTargetForJoins(column, row);

    CCellDataSource* source = m_grid.m_cells.DataSourceFor(column);
    switch (axes) {
    case MoveAxes::Both:
        if ((source != nullptr &&
             source->CanMoveCell(sheet.currentColumn, sheet.currentRow, column, row) != 1) ||
            m_grid.OnCanMoveCell(sheet.currentColumn, sheet.currentRow, column, row) == 0) {
            return 2;
        }
        break;
    case MoveAxes::ColumnOnly:
        if ((source != nullptr &&
             source->CanMoveCell(sheet.cursorColumn, sheet.cursorRow, column, row) != 1) ||
            m_grid.OnCanMoveCell(sheet.cursorColumn, sheet.cursorRow, column, row) == 0) {
            return 2;
        }
        break;
    case MoveAxes::RowOnly:
        if (m_grid.OnCanMoveCell(sheet.cursorColumn, sheet.cursorRow, column, row) == 0) {
            return 2;
        }
        break;
    }

    const bool columnHidden =
        column >= sheet.lastVisibleColumn || (column < sheet.leftColumn && column >= sheet.lockedColumns);
    const bool rowHidden = row >= sheet.lastVisibleRow || (row < sheet.topRow && row >= sheet.lockedRows);
    if ((columnHidden || rowHidden) &&
        m_grid.OnCanScroll(sheet.leftColumn, axes == MoveAxes::RowOnly ? sheet.leftColumn : column,
                           sheet.topRow, axes == MoveAxes::ColumnOnly ? sheet.topRow : row) == 0) {
        return 2;
    }
    sheet.cursorColumn = column;
    sheet.cursorRow = row;
    EnsureColumnVisible();
    EnsureRowVisible();
    CommitCellChange(true);
    return 0;
}

int CGridMoves::ClampRowRequest(int& row)
{
    CGridSheetInfo& sheet = m_grid.Sheet();
    if (row >= sheet.rowCount) {
        // The data source and the owner may add the missing rows.
        const int rowCount = sheet.rowCount;
        const int missing = row - rowCount + 1;
        std::intptr_t parameter = 0;
        if (sheet.dataSource != nullptr) {
            sheet.dataSource->OnPastLastRow(rowCount, missing, &parameter);
        }
        m_grid.OnPastLastRow(rowCount, missing, parameter);
        if (sheet.rowCount == sheet.cursorRow + 1) {
            return 1;
        }
        row = sheet.rowCount - 1;
    }
    // A sheet without rows has no cell to move to.
    if (sheet.rowCount == 0) {
        return 1;
    }
    if (row < 0) {
        row = 0;
    }
    return 0;
}

int CGridMoves::ClampColumnRequest(int& column)
{
    const CGridSheetInfo& sheet = m_grid.Sheet();
    // A sheet without columns has no cell to move to.
    if (sheet.colCount == 0) {
        return 1;
    }
    if (column >= sheet.colCount) {
        if (sheet.cursorColumn == sheet.colCount - 1) {
            return 1;
        }
        column = sheet.colCount - 1;
    }
    if (column < 0) {
        column = 0;
    }
    return 0;
}

void CGridMoves::AdjustTargetForJoins(int& column, int& row)
{
    const CGridSheetInfo& sheet = m_grid.Sheet();
    int left, top, right, bottom;
    if (!sheet.joinsEnabled || m_grid.GetJoinRange(column, row, left, top, right, bottom) != 0) {
        return;
    }
    const int fromColumn = sheet.cursorColumn;
    const int fromRow = sheet.cursorRow;
    const bool cursorInside =
        fromColumn >= left && fromColumn <= right && fromRow >= top && fromRow <= bottom;
    if (cursorInside) {
        // Leaving the join: past its far edge going forward, before its first cell going back.
        if (row > fromRow && bottom + 1 < sheet.rowCount) {
            row = bottom + 1;
        } else if (row < fromRow && top - 1 >= 0) {
            row = top - 1;
        }
        if (column > fromColumn && right + 1 < sheet.colCount) {
            column = right + 1;
        } else if (column < fromColumn && left - 1 >= 0) {
            column = left - 1;
        }
    }
    // A cell inside a join is always reached through the join's first cell.
    int l, t, r, b;
    if (m_grid.GetJoinRange(column, row, l, t, r, b) == 0) {
        column = l;
        row = t;
    }
}

void CGridMoves::EnsureRowVisible()
{
    CGridSheetInfo& sheet = m_grid.Sheet();
    const int cursor = sheet.cursorRow;
    if (cursor < sheet.lockedRows) {
        return;
    }
    if (cursor < sheet.topRow) {
        sheet.topRow = cursor;
        return;
    }
    const int free = sheet.areaHeight - sheet.lockedHeight;
    int top = sheet.topRow;
    if (sheet.uniformRowHeight) {
        const int rowHeight = std::max(sheet.defaultRowHeight, 1);
        top = std::max(top, cursor - (free > 0 ? free / rowHeight : 0) + 1);
    } else {
        int remaining = free;
        for (int row = cursor; row >= sheet.topRow; --row) {
            remaining -= sheet.RowHeight(row);
            if (remaining < 0) {
                top = row + 1;
                break;
            }
        }
    }
    // A row taller than the area still shows its top.
    sheet.topRow = std::max(std::min(top, cursor), sheet.lockedRows);
}

void CGridMoves::EnsureColumnVisible()
{
    CGridSheetInfo& sheet = m_grid.Sheet();
    const int cursor = sheet.cursorColumn;
    if (cursor < sheet.lockedColumns) {
        return;
    }
    if (cursor < sheet.leftColumn) {
        sheet.leftColumn = cursor;
        return;
    }
    int remaining = sheet.areaWidth - sheet.lockedWidth;
    int left = sheet.leftColumn;
    for (int column = cursor; column >= sheet.leftColumn; --column) {
        remaining -= sheet.columns[column].width;
        if (remaining < 0) {
            left = column + 1;
            break;
        }
    }
    sheet.leftColumn = std::max(std::min(left, cursor), sheet.lockedColumns);
}

int CGridMoves::ScrollToLeftCol(int column)
{
    CGridSheetInfo& sheet = m_grid.Sheet();
    column = std::max(std::min(column, sheet.maxLeftColumn), sheet.lockedColumns);
    if (column == sheet.leftColumn) {
        return 0;
    }
    if (m_grid.OnCanScroll(sheet.leftColumn, sheet.topRow, column, sheet.topRow) == 0) {
        return 2;
    }
    sheet.leftColumn = column;
    CommitCellChange(false);
    return 0;
}

int CGridMoves::ScrollToTopRow(int row)
{
    CGridSheetInfo& sheet = m_grid.Sheet();
    row = std::max(std::min(row, sheet.maxTopRow), sheet.lockedRows);
    if (row == sheet.topRow) {
        return 0;
    }
    if (m_grid.OnCanScroll(sheet.leftColumn, sheet.topRow, sheet.leftColumn, row) == 0) {
        return 2;
    }
    sheet.topRow = row;
    CommitCellChange(false);
    return 0;
}

int CGridMoves::PageTarget(bool rows, int from, bool forward) const
{
    const CGridSheetInfo& sheet = m_grid.Sheet();
    const int count = rows ? sheet.rowCount : sheet.colCount;
    auto size = [&](int index) {
        if (index < 0) {
            return rows ? sheet.defaultRowHeight : sheet.defaultColumnWidth;
        }
        return rows ? sheet.RowHeight(index) : sheet.ColumnWidth(index);
    };
    int remaining = rows ? sheet.areaHeight - sheet.lockedHeight : sheet.areaWidth - sheet.lockedWidth;
    int target = from;
    while (true) {
        const int next = target + (forward ? 1 : -1);
        if (next < 0 || next >= count || remaining < size(next)) {
            break;
        }
        remaining -= size(next);
        target = next;
    }
    return target;
}

bool CGridMoves::RelativeTarget(bool rows, int from, int kind, int first, int last, int& target) const
{
    switch (kind) {
    case MoveKind::Back:
        target = from - 1;
        return true;
    case MoveKind::Forward:
        target = from + 1;
        return true;
    case MoveKind::PageBack:
        target = PageTarget(rows, from, false);
        return true;
    case MoveKind::PageForward:
        target = PageTarget(rows, from, true);
        return true;
    case MoveKind::First:
        target = first;
        return true;
    case MoveKind::Last:
        target = last;
        return true;
    default:
        return false;
    }
}

int CGridMoves::MoveRows(int kind)
{
    const CGridSheetInfo& sheet = m_grid.Sheet();
    int target;
    return RelativeTarget(true, sheet.cursorRow, kind, 0, sheet.rowCount - 1, target) ? MoveToRow(target) : 1;
}

int CGridMoves::MoveColumns(int kind)
{
    const CGridSheetInfo& sheet = m_grid.Sheet();
    int target;
    return RelativeTarget(false, sheet.cursorColumn, kind, 0, sheet.colCount - 1, target) ? MoveToCol(target)
                                                                                          : 1;
}

int CGridMoves::ScrollRows(int kind)
{
    const CGridSheetInfo& sheet = m_grid.Sheet();
    if (kind == MoveKind::Back || kind == MoveKind::Forward) {
        // Hidden rows (height 0) are stepped over; with none left to show the top row stays.
        const int step = kind == MoveKind::Back ? -1 : 1;
        for (int row = sheet.topRow + step; row >= sheet.lockedRows && row <= sheet.maxTopRow; row += step) {
            if (sheet.RowHeight(row) > 0) {
                return ScrollToTopRow(row);
            }
        }
        return 0;
    }
    int target;
    return RelativeTarget(true, sheet.topRow, kind, sheet.lockedRows, sheet.maxTopRow, target)
               ? ScrollToTopRow(target)
               : 1;
}

int CGridMoves::ScrollColumns(int kind)
{
    const CGridSheetInfo& sheet = m_grid.Sheet();
    int target;
    return RelativeTarget(false, sheet.leftColumn, kind, sheet.lockedColumns, sheet.maxLeftColumn, target)
               ? ScrollToLeftCol(target)
               : 1;
}

int CGridMoves::MoveByKey(unsigned int key, int step, bool control)
{
    const CGridSheetInfo& sheet = m_grid.Sheet();
    int left, top, right, bottom;
    auto arrow = [&](int columnStep, int rowStep) {
        const int column = sheet.currentColumn + columnStep;
        const int row = sheet.currentRow + rowStep;
        if (sheet.joinsEnabled && m_grid.GetJoinRange(column, row, left, top, right, bottom) == 0) {
            return MoveToCell(left, top);
        }
        return rowStep != 0 ? MoveToRow(sheet.cursorRow + rowStep)
                            : MoveToCol(sheet.cursorColumn + columnStep);
    };
    const bool joined = sheet.joinsEnabled && m_grid.GetJoinRange(sheet.currentColumn, sheet.currentRow, left,
                                                                  top, right, bottom) == 0;
    switch (key) {
    case VK_PRIOR:
        return MoveRows(MoveKind::PageBack);
    case VK_NEXT:
        return MoveRows(MoveKind::PageForward);
    case VK_HOME:
        return control ? MoveRows(MoveKind::First) : MoveColumns(MoveKind::First);
    case VK_END:
        return control ? MoveRows(MoveKind::Last) : MoveColumns(MoveKind::Last);
    case VK_LEFT:
        return arrow(-step, 0);
    case VK_UP:
        return arrow(0, -step);
    case VK_RIGHT:
        return arrow(step + (joined ? right - left : 0), 0);
    case VK_DOWN:
        return arrow(0, step + (joined ? bottom - top : 0));
    default:
        return 1;
    }
}

void CGridMoves::NotifyScrollChange()
{
    CGridSheetInfo& sheet = m_grid.Sheet();
    if (sheet.leftColumn != sheet.previousLeftColumn) {
        m_grid.OnLeftColumnChanged(sheet.previousLeftColumn, sheet.leftColumn);
        sheet.previousLeftColumn = sheet.leftColumn;
    }
    if (sheet.topRow != sheet.previousTopRow) {
        m_grid.OnTopRowChanged(sheet.previousTopRow, sheet.topRow);
        sheet.previousTopRow = sheet.topRow;
    }
}

void CGridMoves::QueueCurrentCell(int column, int row)
{
    if (column < 0 || row < 0) {
        return;
    }
    if (m_grid.Sheet().selection.IsWholeRows()) {
        if (m_grid.Sheet().colCount > 0) {
            m_grid.m_rangeList.AddRange(0, row, m_grid.Sheet().colCount - 1, row);
        }
    } else {
        m_grid.m_rangeList.AddCell(column, row);
    }
}

void CGridMoves::CommitCellChange(bool cursorMoved)
{
    CGridSheetInfo& sheet = m_grid.Sheet();
    CMultiSelection& selection = sheet.selection;
    if (!sheet.multipleSelection || m_grid.IsEditing()) {
        sheet.currentColumn = sheet.cursorColumn;
        sheet.currentRow = sheet.cursorRow;
    } else {
        // A scroll leaves the cursor where it is, and the selection with it.
        if (cursorMoved) {
            switch (sheet.selectionTrigger) {
            case SelectionTrigger::Keyboard:
                selection.UpdateByKeys(sheet.cursorColumn, sheet.cursorRow,
                                       m_grid.m_host->IsKeyHeld(VK_SHIFT),
                                       m_grid.m_host->IsKeyHeld(VK_CONTROL));
                break;
            case SelectionTrigger::LeftButton:
                selection.UpdateByButton(sheet.cursorColumn, sheet.cursorRow, sheet.triggerKeyFlags);
                break;
            case SelectionTrigger::RightButton:
                selection.UpdateByRightButton(sheet.cursorColumn, sheet.cursorRow);
                break;
            default:
                selection.UpdateByMouseMove(sheet.cursorColumn, sheet.cursorRow);
                break;
            }
        }
        int anchorColumn, anchorRow;
        if (selection.GetAnchor(anchorColumn, anchorRow) == 0) {
            sheet.currentColumn = anchorColumn;
            sheet.currentRow = anchorRow;
        } else {
            sheet.currentColumn = sheet.cursorColumn;
            sheet.currentRow = sheet.cursorRow;
        }
    }

    const int oldColumn = sheet.previousColumn;
    const int oldRow = sheet.previousRow;
    const bool columnChanged = sheet.currentColumn != oldColumn;
    const bool rowChanged = sheet.currentRow != oldRow;
    CCellDataSource* source = sheet.dataSource;
    if (columnChanged) {
        if (source != nullptr) {
            source->OnColumnChanged(oldColumn, sheet.currentColumn);
        }
        m_grid.OnColumnChanged(oldColumn, sheet.currentColumn);
    }
    if (rowChanged) {
        if (source != nullptr) {
            source->OnRowChanged(oldRow, sheet.currentRow);
        }
        m_grid.OnRowChanged(oldRow, sheet.currentRow);
    }
    if (columnChanged || rowChanged) {
        m_grid.OnCellChanged(oldColumn, sheet.currentColumn, oldRow, sheet.currentRow);
    }
    const bool scrolled =
        sheet.leftColumn != sheet.previousLeftColumn || sheet.topRow != sheet.previousTopRow;
    if (sheet.leftColumn != sheet.previousLeftColumn) {
        m_grid.OnLeftColumnChanged(sheet.previousLeftColumn, sheet.leftColumn);
    }
    if (sheet.topRow != sheet.previousTopRow) {
        m_grid.OnTopRowChanged(sheet.previousTopRow, sheet.topRow);
    }
    KeepFloatingWindowClear();

    CCellRecord record;
    if (columnChanged || rowChanged) {
        if (oldColumn >= 0 && oldRow >= 0 && oldRow < sheet.rowCount && oldColumn < sheet.colCount) {
            m_grid.ReadCellForDisplay(oldColumn, oldRow, record);
            m_grid.GetCellType(record.GetTypeIndex())->OnCellLeft(oldColumn, oldRow, record);
        }
        if (sheet.currentColumn >= 0 && sheet.currentRow >= 0) {
            m_grid.ReadCellForDisplay(sheet.currentColumn, sheet.currentRow, record);
            m_grid.GetCellType(record.GetTypeIndex())
                ->OnCellEntered(sheet.currentColumn, sheet.currentRow, record);
        }
    }
    if (scrolled && sheet.currentColumn >= 0 && sheet.currentRow >= 0) {
        m_grid.ReadCellForDisplay(sheet.currentColumn, sheet.currentRow, record);
        m_grid.GetCellType(record.GetTypeIndex())->OnScrolled(sheet.currentColumn, sheet.currentRow, record);
    }

    m_grid.m_layout.UpdateLastVisible();
    QueueCurrentCell(oldColumn, oldRow);
    QueueCurrentCell(sheet.currentColumn, sheet.currentRow);
    m_grid.m_host->UpdateCellArea(m_grid.m_rangeList);
    m_grid.m_host->RepaintTopHeading();
    m_grid.m_host->RepaintSideHeading();
    m_grid.m_host->UpdateScrollBars();
    sheet.previousColumn = sheet.currentColumn;
    sheet.previousRow = sheet.currentRow;
    sheet.previousLeftColumn = sheet.leftColumn;
    sheet.previousTopRow = sheet.topRow;
}

void CGridMoves::KeepFloatingWindowClear()
{
    const CGridSheetInfo& sheet = m_grid.Sheet();
    CRect window;
    CRect cell;
    if (!m_grid.m_host->GetFloatingWindowRect(window) || sheet.currentColumn < 0 || sheet.currentRow < 0 ||
        m_grid.GetCellRect(sheet.currentColumn, sheet.currentRow, cell) != 0) {
        return;
    }
    cell = m_grid.m_host->CellAreaToScreen(cell);
    const CRect screen = m_grid.m_host->GetScreenRect();
    const CRect old = window;
    if (sheet.floatingPlacement) {
        window.OffsetRect(cell.right + 30 - window.left, cell.top - window.top);
    }
    CRect overlap;
    if (overlap.IntersectRect(window, cell)) {
        const int width = window.Width();
        const int height = window.Height();
        const CRect candidates[] = {
            CRect(CPoint(cell.right + 5, window.top), CSize(width, height)),
            CRect(CPoint(window.left, cell.bottom + 5), CSize(width, height)),
            CRect(CPoint(cell.left - 5 - width, window.top), CSize(width, height)),
            CRect(CPoint(window.left, cell.top - 5 - height), CSize(width, height)),
        };
        for (const CRect& candidate : candidates) {
            if (candidate.left >= screen.left && candidate.top >= screen.top &&
                candidate.right <= screen.right && candidate.bottom <= screen.bottom) {
                window = candidate;
                break;
            }
        }
    }
    if (window == old) {
        return;
    }
    m_grid.OnFloatingWindowMoved(old, window);
    m_grid.m_host->MoveFloatingWindow(window);
    m_grid.RepaintAllParts();
}

void CGridMoves::SetSelectionTrigger(int trigger, unsigned int keyFlags)
{
    m_grid.Sheet().selectionTrigger = trigger;
    m_grid.Sheet().triggerKeyFlags = keyFlags;
}

int CGridMoves::SetSelectionMode(int flag)
{
    CGridSheetInfo& sheet = m_grid.Sheet();
    sheet.selection.RepaintBounds();
    sheet.multipleSelection = flag ? 1 : 0;
    sheet.selection.SetMode(flag ? (sheet.wholeRowSelection ? SelectionMode::WholeRows : SelectionMode::Cells)
                                 : SelectionMode::Off);
    m_grid.m_host->UpdateCellArea(m_grid.m_rangeList);
    return 0;
}

int CGridMoves::DeselectAll()
{
    CGridSheetInfo& sheet = m_grid.Sheet();
    sheet.selection.RepaintBounds();
    sheet.selection.Clear();
    sheet.cursorColumn = sheet.currentColumn;
    sheet.cursorRow = sheet.currentRow;
    m_grid.m_host->UpdateCellArea(m_grid.m_rangeList);
    return 0;
}

int CGridMoves::SelectBlock(int left, int top, int right, int bottom)
{
    CGridSheetInfo& sheet = m_grid.Sheet();
    if (!sheet.multipleSelection) {
        return 1;
    }
    sheet.selection.StartBlock(left, top);
    sheet.selection.ExtendBlock(right, bottom);
    sheet.cursorColumn = right;
    sheet.cursorRow = bottom;
    m_grid.m_rangeList.AddRange(left, top, right, bottom);
    m_grid.m_host->UpdateCellArea(m_grid.m_rangeList);
    return 0;
}

int CGridMoves::FirstSelectedCell(int& column, int& row)
{
    return m_grid.Sheet().selection.FirstSelectedCell(column, row);
}

int CGridMoves::NextSelectedCell(int& column, int& row)
{
    return m_grid.Sheet().selection.NextSelectedCell(column, row);
}

int CGridMoves::FirstSelectedBlock(int& left, int& top, int& right, int& bottom)
{
    return m_grid.Sheet().selection.FirstSelectedBlock(left, top, right, bottom);
}

int CGridMoves::NextSelectedBlock(int& left, int& top, int& right, int& bottom)
{
    return m_grid.Sheet().selection.NextSelectedBlock(left, top, right, bottom);
}
