#include "list/DropChoiceList.h"

#include <algorithm>
#include <utility>

void CDropChoiceList::Load(const CStringArray& entries)
{
    m_rows.clear();
    for (int i = 0; i < entries.GetSize(); ++i) {
        m_rows.push_back(entries[i]);
    }
    m_rows.emplace_back();
    m_changed = false;
}

void CDropChoiceList::Store(CStringArray& entries) const
{
    entries.RemoveAll();
    for (const CString& row : m_rows) {
        entries.Add(row);
    }
}

bool CDropChoiceList::SetText(int row, const CString& text)
{
    if (!IsRow(row) || m_rows[static_cast<size_t>(row)] == text) {
        return false;
    }
    m_rows[static_cast<size_t>(row)] = text;
    m_changed = true;
    return true;
}

int CDropChoiceList::Add()
{
    // Works without a current row too, so that a list whose rows were all deleted can grow again.
    m_rows.emplace_back();
    m_changed = true;
    return Count() - 1;
}

int CDropChoiceList::Insert(int row)
{
    if (!IsRow(row)) {
        return -1;
    }
    m_rows.insert(m_rows.begin() + row, CString());
    m_changed = true;
    return row;
}

int CDropChoiceList::Delete(int row)
{
    if (!IsRow(row)) {
        return -1;
    }
    m_rows.erase(m_rows.begin() + row);
    m_changed = true;
    return std::max(std::min(row, Count() - 1), 0);
}

int CDropChoiceList::MoveUp(int row)
{
    if (row < 1 || row >= Count()) {
        return -1;
    }
    std::swap(m_rows[static_cast<size_t>(row - 1)], m_rows[static_cast<size_t>(row)]);
    m_changed = true;
    return row - 1;
}

int CDropChoiceList::MoveDown(int row)
{
    if (row < 0 || row >= Count() - 1) {
        return -1;
    }
    std::swap(m_rows[static_cast<size_t>(row)], m_rows[static_cast<size_t>(row + 1)]);
    m_changed = true;
    return row + 1;
}
