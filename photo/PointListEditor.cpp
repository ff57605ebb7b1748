#include "photo/PointListEditor.h"

#include <utility>

int CPointListEditor::MoveUp(int row)
{
    if (!IsRow(row) || row == 0) {
        return row;
    }
    std::swap(m_points[row], m_points[row - 1]);
    return row - 1;
}

int CPointListEditor::MoveDown(int row)
{
    if (!IsRow(row) || row + 1 >= static_cast<int>(m_points.size())) {
        return row;
    }
    std::swap(m_points[row], m_points[row + 1]);
    return row + 1;
}

int CPointListEditor::Append(int row)
{
    if (!IsRow(row)) {
        return row;
    }
    const CPoint last = m_points.back();
    m_points.emplace_back(last.x + kStep, last.y + kStep);
    return static_cast<int>(m_points.size()) - 1;
}

int CPointListEditor::InsertBefore(int row)
{
    if (!IsRow(row)) {
        return row;
    }
    const CPoint current = m_points[row];
    m_points.insert(m_points.begin() + row, CPoint(current.x - kStep, current.y - kStep));
    return row;
}

int CPointListEditor::Delete(int row)
{
    if (!IsRow(row) || static_cast<int>(m_points.size()) <= kMinPoints) {
        return row;
    }
    m_points.erase(m_points.begin() + row);
    return IsRow(row) ? row : row - 1;
}
