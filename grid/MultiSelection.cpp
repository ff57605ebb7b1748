#include "grid/MultiSelection.h"

#include "grid/CellGridCore.h"
#include "platform/VirtualKeys.h"

#include <algorithm>

void CMultiSelection::Clear()
{
    m_blocks.clear();
    m_building = false;
    m_count = 0;
    m_enumerating = false;
    m_nextBlock = 0;
    m_mouseColumn = -1;
    m_mouseRow = -1;
}

void CMultiSelection::SetMode(int mode)
{
    Clear();
    m_mode = mode;
}

void CMultiSelection::Normalise(Block& block) const
{
    if (IsWholeRows()) {
        // The right edge is the last column, never the count itself.
        int columns = m_grid != nullptr ? m_grid->GetColCount() : 0;
        block.left = 0;
        block.right = std::max(columns - 1, 0);
    } else {
        block.left = std::min(block.startColumn, block.endColumn);
        block.right = std::max(block.startColumn, block.endColumn);
    }
    block.top = std::min(block.startRow, block.endRow);
    block.bottom = std::max(block.startRow, block.endRow);
}

void CMultiSelection::StartBlock(int column, int row)
{
    Block block{column, column, row, row, 0, 0, 0, 0, false};
    Normalise(block);
    m_blocks.push_back(block);
    m_building = true;
    ++m_count;
}

int CMultiSelection::ExtendBlock(int column, int row)
{
    if (!m_building || m_blocks.empty()) {
        return 1;
    }
    Block& block = m_blocks.back();
    const Block old = block;
    block.endColumn = column;
    block.endRow = row;
    Normalise(block);
    if (!block.extended) {
        block.extended = true;
        ++m_count;
    }
    if (m_grid != nullptr) {
        CCellRangeList& queue = m_grid->RangeList();
        queue.AddRange(std::min(old.left, block.left), std::min(old.endRow, block.endRow),
                       std::max(old.right, block.right), std::max(old.endRow, block.endRow));
        queue.AddRange(std::min(old.endColumn, block.endColumn), std::min(old.top, block.top),
                       std::max(old.endColumn, block.endColumn), std::max(old.bottom, block.bottom));
    }
    return 0;
}

int CMultiSelection::GetAnchor(int& column, int& row) const
{
    if (!m_building || m_blocks.empty()) {
        return 1;
    }
    column = m_blocks.back().startColumn;
    row = m_blocks.back().startRow;
    return 0;
}

int CMultiSelection::GetCurrentBlock(int& left, int& top, int& right, int& bottom) const
{
    if (!m_building || m_blocks.empty()) {
        return 1;
    }
    const Block& block = m_blocks.back();
    left = block.left;
    top = block.top;
    right = block.right;
    bottom = block.bottom;
    return 0;
}

int CMultiSelection::HitTest(int column, int row, int* index) const
{
    int found = -1;
    for (size_t i = 0; i < m_blocks.size(); ++i) {
        if (m_blocks[i].Holds(column, row)) {
            found = static_cast<int>(i);
            if (m_mode & SelectionMode::FirstBlockHit) {
                break;
            }
        }
    }
    if (index != nullptr) {
        *index = found;
    }
    return found >= 0 ? 1 : 0;
}

int CMultiSelection::GetBounds(int& left, int& top, int& right, int& bottom) const
{
    if (m_blocks.empty()) {
        return 1;
    }
    left = m_blocks.front().left;
    top = m_blocks.front().top;
    right = m_blocks.front().right;
    bottom = m_blocks.front().bottom;
    for (const Block& block : m_blocks) {
        left = std::min(left, block.left);
        top = std::min(top, block.top);
        right = std::max(right, block.right);
        bottom = std::max(bottom, block.bottom);
    }
    return 0;
}

void CMultiSelection::RepaintBounds() const
{
    int left, top, right, bottom;
    if (m_grid != nullptr && GetBounds(left, top, right, bottom) == 0) {
        m_grid->RangeList().AddRange(left, top, right, bottom);
    }
}

int CMultiSelection::Scan(int& column, int& row)
{
    for (int r = m_nextRow; r <= m_boxBottom; ++r) {
        int lastColumn = IsWholeRows() ? m_boxLeft : m_boxRight;
        for (int c = r == m_nextRow ? m_nextColumn : m_boxLeft; c <= lastColumn; ++c) {
            if (HitTest(c, r)) {
                column = c;
                row = r;
                m_nextColumn = c + 1;
                m_nextRow = r;
                return 0;
            }
        }
    }
    m_enumerating = false;
    return 1;
}

int CMultiSelection::FirstSelectedCell(int& column, int& row)
{
    if (m_blocks.empty()) {
        m_enumerating = false;
        column = m_grid != nullptr ? m_grid->CurrentColumn() : -1;
        row = m_grid != nullptr ? m_grid->CurrentRow() : -1;
        return 0;
    }
    GetBounds(m_boxLeft, m_boxTop, m_boxRight, m_boxBottom);
    m_nextColumn = m_boxLeft;
    m_nextRow = m_boxTop;
    m_enumerating = true;
    return Scan(column, row);
}

int CMultiSelection::NextSelectedCell(int& column, int& row)
{
    if (!m_enumerating) {
        return 1;
    }
    return Scan(column, row);
}

int CMultiSelection::FirstSelectedBlock(int& left, int& top, int& right, int& bottom)
{
    m_nextBlock = 0;
    return NextSelectedBlock(left, top, right, bottom);
}

int CMultiSelection::NextSelectedBlock(int& left, int& top, int& right, int& bottom)
{
    if (m_nextBlock >= m_blocks.size()) {
        return 1;
    }
    const Block& block = m_blocks[m_nextBlock++];
    left = block.left;
    top = block.top;
    right = block.right;
    bottom = block.bottom;
    return 0;
}

void CMultiSelection::RepaintAndClear()
{
    RepaintBounds();
    Clear();
}

bool CMultiSelection::IsRepeatedPress(int column, int row) const
{
    if (column != m_mouseColumn || row != m_mouseRow || !m_building || m_blocks.empty()) {
        return false;
    }
    const Block& block = m_blocks.back();
    return block.startColumn == column && block.startRow == row && block.endColumn == column &&
           block.endRow == row;
}

void CMultiSelection::UpdateByKeys(int column, int row, bool shift, bool control)
{
    if (IsRepeatedPress(column, row)) {
        return;
    }
    if (shift && m_building) {
        ExtendBlock(column, row);
        return;
    }
    if (!control) {
        RepaintAndClear();
    }
    StartBlock(column, row);
}

void CMultiSelection::UpdateByButton(int column, int row, unsigned int keyFlags)
{
    if (IsRepeatedPress(column, row)) {
        return;
    }
    if (keyFlags & MK_CONTROL) {
        StartBlock(column, row);
    } else if ((keyFlags & MK_SHIFT) && m_building) {
        ExtendBlock(column, row);
    } else {
        RepaintAndClear();
        StartBlock(column, row);
    }
    m_mouseColumn = column;
    m_mouseRow = row;
}

void CMultiSelection::UpdateByRightButton(int column, int row)
{
    if (HitTest(column, row)) {
        return;
    }
    RepaintAndClear();
    StartBlock(column, row);
}

void CMultiSelection::UpdateByMouseMove(int column, int row)
{
    if (IsRepeatedPress(column, row)) {
        return;
    }
    ExtendBlock(column, row);
}
