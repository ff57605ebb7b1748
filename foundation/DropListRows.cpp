#include "foundation/DropListRows.h"

#include <cstring>

bool CDropListRows::Setup(const DropListSetup& setup)
{
    Clear();
    int widths = 0;
    for (const DropListColumn* column = setup.columns; column != nullptr && column->marker != nullptr;
         ++column) {
        m_columns.push_back(*column);
        widths += column->width;
    }
    m_minimumWidth = setup.width > 0 ? setup.width : widths + 20;
    if (m_columns.empty()) {
        return false;
    }
    const size_t count = m_columns.size();
    for (size_t j = 0; setup.cells != nullptr && setup.cells[j] != nullptr; ++j) {
        if (j % count == 0) {
            m_rows.emplace_back();
        }
        m_rows.back().Add(setup.cells[j]);
    }
    return true;
}

void CDropListRows::Clear()
{
    m_columns.clear();
    m_rows.clear();
    m_minimumWidth = 0;
}

CString CDropListRows::GetText(int row, int column) const
{
    if (row < 0 || row >= GetRowCount() || column < 0 || column >= m_rows[row].GetSize()) {
        return CString();
    }
    return m_rows[row][column];
}

int CDropListRows::FindExact(const CString& text) const
{
    for (int row = 0; row < GetRowCount(); ++row) {
        if (GetText(row, 0) == text) {
            return row;
        }
    }
    return -1;
}

int CDropListRows::FindForText(const CString& text) const
{
    const int exact = FindExact(text);
    if (exact >= 0) {
        return exact;
    }
    for (int row = 0; row < GetRowCount(); ++row) {
        if (GetText(row, 0).view().starts_with(text.view())) {
            return row;
        }
    }
    return -1;
}

CString CDropListRows::GetCompanionText(const CString& text, int column) const
{
    return GetText(FindExact(text), column);
}

CRect CDropListRows::PopupRect(const CRect& owner, int minimumWidth, int height, int lastRowBottom)
{
    const int width = owner.Width() < minimumWidth ? minimumWidth - 1 : owner.Width();
    if (lastRowBottom >= 0 && lastRowBottom + 4 < height) {
        height = lastRowBottom + 4;
    }
    return CRect(owner.left, owner.bottom + 1, owner.left + width, owner.bottom + 1 + height);
}
