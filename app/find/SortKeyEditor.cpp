#include "app/find/SortKeyEditor.h"

#include "list/IListHost.h"
#include "list/ZantobyDoc.h"
#include "platform/MessageBox.h"

#include <utility>

namespace {

bool InUse(const CZantobyDoc& doc, int column)
{
    return column >= 0 && column < kMaxColumns && doc.GetColumn(column).type != kTypeNone;
}

} // namespace

CSortKeyEditor::CSortKeyEditor(CZantobyDoc& doc) : m_doc(doc)
{
    // Every column in use gets exactly one row: a column that two keys name keeps its first
    // place, and one that no key names follows the rest, so no row is left without a column.
    std::array<bool, kMaxColumns> listed{};
    for (const SortKeyEntry& key : doc.sortKeys) {
        if (InUse(doc, key.column) && !listed[static_cast<size_t>(key.column)]) {
            listed[static_cast<size_t>(key.column)] = true;
            m_rows.push_back({key.column, key.descending});
        }
    }
    for (int column = 0; column < kMaxColumns; ++column) {
        if (InUse(doc, column) && !listed[static_cast<size_t>(column)]) {
            m_rows.push_back({column, false});
        }
    }
}

CString CSortKeyEditor::NumberText(int row) const
{
    CString text;
    text.Format("%d", m_rows[static_cast<size_t>(row)].column + 1);
    return text;
}

CString CSortKeyEditor::NameText(int row) const
{
    const ColumnRecord& column = m_doc.GetColumn(m_rows[static_cast<size_t>(row)].column);
    return column.subName.IsEmpty() ? column.name : column.name + "/" + column.subName;
}

CString CSortKeyEditor::DirectionText(bool descending)
{
    return descending ? "降順" : "昇順";
}

bool CSortKeyEditor::MoveUp(int row)
{
    if (row <= 0 || row >= static_cast<int>(m_rows.size())) {
        return false;
    }
    std::swap(m_rows[static_cast<size_t>(row)], m_rows[static_cast<size_t>(row - 1)]);
    m_orderChanged = true;
    return true;
}

bool CSortKeyEditor::MoveDown(int row)
{
    if (row < 0 || row + 1 >= static_cast<int>(m_rows.size())) {
        return false;
    }
    std::swap(m_rows[static_cast<size_t>(row)], m_rows[static_cast<size_t>(row + 1)]);
    m_orderChanged = true;
    return true;
}

void CSortKeyEditor::SetDescending(int row, bool descending)
{
    if (row < 0 || row >= static_cast<int>(m_rows.size())) {
        return;
    }
    m_rows[static_cast<size_t>(row)].descending = descending;
    m_directionChanged = true;
}

std::array<SortKeyEntry, kMaxColumns> CSortKeyEditor::BuildKeys() const
{
    std::array<SortKeyEntry, kMaxColumns> keys{};
    std::array<bool, kMaxColumns> listed{};
    size_t count = 0;
    for (const Row& row : m_rows) {
        listed[static_cast<size_t>(row.column)] = true;
        keys[count++] = {row.column, row.descending};
    }
    for (int column = 0; column < kMaxColumns; ++column) {
        if (!listed[static_cast<size_t>(column)]) {
            keys[count++] = {column, false};
        }
    }
    return keys;
}

void CSortKeyEditor::Apply()
{
    if (!IsChanged()) {
        return;
    }
    // The keys are part of every undo snapshot's header; a snapshot of no row holds them alone.
    m_doc.SaveUndoSnapshot(1, -1, 0);
    m_doc.sortKeys = BuildKeys();
    m_doc.SetModifiedFlag();
    m_doc.SaveUndoSnapshot(1, -1, 1);
}

int CSortKeyEditor::CloseByEscape()
{
    if (!IsChanged()) {
        return IDCANCEL;
    }
    switch (m_doc.Host().AskMessage(20800, MB_YESNOCANCEL)) {
    case IDYES:
        Apply();
        return IDOK;
    case IDNO:
        return IDCANCEL;
    default:
        return 0;
    }
}
