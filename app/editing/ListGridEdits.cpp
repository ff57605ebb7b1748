#include "app/editing/ListGridEdits.h"

#include "list/ZantobyDoc.h"
#include "platform/Mbcs.h"

#include <algorithm>
#include <set>

CString CListGridEdits::StoreCellText(int column, int line, const CString& text, bool addToDropList,
                                      CString* refusal)
{
    CString reason;
    CString stored = m_doc.SetCellTextAt(column, line, text, &reason);
    if (refusal != nullptr) {
        *refusal = reason;
    }
    if (!reason.IsEmpty()) {
        return stored;
    }
    m_doc.SetModifiedFlag();
    if (addToDropList) {
        AddToAutoDropList(column, text);
    }
    m_doc.AppendNewRowLine();
    return stored;
}

int CListGridEdits::RowOf(int line) const
{
    if (line < 0 || line >= m_doc.displayCount || line >= kMaxDisplayRows) {
        return -1;
    }
    const int row = m_doc.displayOrder[line];
    return row >= 0 && row < kMaxRows && m_doc.GetRow(row).inUse ? row : -1;
}

std::vector<int> CListGridEdits::RowsOf(const std::vector<Block>& blocks) const
{
    std::set<int> lines;
    for (const Block& block : blocks) {
        for (int line = block.top; line <= block.bottom; ++line) {
            lines.insert(line);
        }
    }
    std::vector<int> rows;
    for (int line : lines) {
        if (int row = RowOf(line); row >= 0) {
            rows.push_back(row);
        }
    }
    return rows;
}

void CListGridEdits::BeginSelectionUndo(const std::vector<Block>& blocks)
{
    if (blocks.empty()) {
        return;
    }
    m_doc.SaveUndoSnapshot(1, -1, 0);
    for (int row : RowsOf(blocks)) {
        m_doc.SaveUndoSnapshot(2, row, 0);
    }
}

void CListGridEdits::EndSelectionUndo(const std::vector<Block>& blocks)
{
    if (blocks.empty()) {
        return;
    }
    m_doc.SaveUndoSnapshot(1, -1, 1);
    for (int row : RowsOf(blocks)) {
        m_doc.SaveUndoSnapshot(2, row, 1);
    }
}

void CListGridEdits::BeginLinesUndo(const std::vector<int>& lines)
{
    m_doc.SaveUndoSnapshot(1, -1, 0);
    int newRows = 0;
    for (int line : lines) {
        if (const int row = RowOf(line); row >= 0) {
            m_doc.SaveUndoSnapshot(2, row, 0);
        } else {
            ++newRows;
        }
    }
    for (int row = 0; row < kMaxRows && newRows > 0; ++row) {
        if (!m_doc.GetRow(row).inUse) {
            m_doc.SaveUndoSnapshot(2, row, 0);
            --newRows;
        }
    }
}

void CListGridEdits::EndLinesUndo(const std::vector<int>& lines)
{
    m_doc.SaveUndoSnapshot(1, -1, 1);
    for (int line : lines) {
        if (const int row = RowOf(line); row >= 0) {
            m_doc.SaveUndoSnapshot(2, row, 1);
        }
    }
}

std::vector<CListGridEdits::Cell> CListGridEdits::ApplyColor(const std::vector<Block>& blocks, COLORREF color,
                                                             bool back)
{
    std::vector<Cell> changed;
    if (blocks.empty()) {
        return changed;
    }
    BeginSelectionUndo(blocks);
    for (const Block& block : blocks) {
        for (int line = block.top; line <= block.bottom; ++line) {
            for (int column = block.left; column <= block.right; ++column) {
                const bool stored = back ? m_doc.SetCellBackColor(column, line, color)
                                         : m_doc.SetCellTextColor(column, line, color);
                if (stored) {
                    changed.push_back({column, line});
                }
            }
        }
    }
    EndSelectionUndo(blocks);
    if (!changed.empty()) {
        m_doc.SetModifiedFlag();
    }
    return changed;
}

std::vector<int> CListGridEdits::ClearCells(const std::vector<Block>& blocks)
{
    std::vector<int> lines;
    if (blocks.empty()) {
        return lines;
    }
    const int dataColumns = m_doc.columnCount;
    BeginSelectionUndo(blocks);
    for (const Block& block : blocks) {
        const int firstPhoto = std::max(block.left - dataColumns, 0);
        const int photoColumns = std::max(block.right - std::max(block.left, dataColumns) + 1, 0);
        for (int line = block.top; line <= block.bottom; ++line) {
            const int row = RowOf(line);
            if (row < 0) {
                continue;
            }
            ProductRecord& record = m_doc.GetRow(row);
            for (int column = block.left; column <= block.right && column < dataColumns; ++column) {
                int slot = -1;
                int mapped = -1;
                m_doc.MapDisplayCell(column, line, slot, mapped);
                if (slot >= 0 && record.HasCells()) {
                    record.EditCells().Clear(slot);
                }
            }
            for (int n = 0; n < photoColumns; ++n) {
                record.RemovePhotoAt(firstPhoto);
            }
            lines.push_back(line);
        }
    }
    EndSelectionUndo(blocks);
    return lines;
}

bool CListGridEdits::AddToAutoDropList(int column, const CString& text)
{
    if (column < 0 || column >= m_doc.columnCount || column >= kMaxColumns) {
        return false;
    }
    ColumnRecord& record = m_doc.GetColumn(column);
    if (record.dropType != 1) {
        return false;
    }
    std::vector<CString> entries;
    for (int i = 0; i < record.dropEntries.GetSize(); ++i) {
        if (record.dropEntries[i] == text) {
            return false;
        }
        entries.push_back(record.dropEntries[i]);
    }
    entries.push_back(text);
    std::sort(entries.begin(), entries.end(),
              [](const CString& a, const CString& b) { return Mbcs::Compare(a.view(), b.view()) < 0; });
    record.dropEntries.RemoveAll();
    for (const CString& entry : entries) {
        record.dropEntries.Add(entry);
    }
    return true;
}
