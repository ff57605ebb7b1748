#include "app/GridDragState.h"

#include <cstdlib>

void CGridDragState::Arm(Press press, int x, int y)
{
    m_press = press;
    m_pressX = x;
    m_pressY = y;
}

CGridDragState::Press CGridDragState::MoveTo(int x, int y, int reachX, int reachY)
{
    if (std::abs(x - m_pressX) <= reachX && std::abs(y - m_pressY) <= reachY) {
        return Press::None;
    }
    const Press press = m_press;
    m_press = Press::None;
    return press;
}

void CGridDragState::BeginOwnDrag(int columns, int rows)
{
    m_fromHere = true;
    m_columns = columns > 0 ? columns : 1;
    m_rows = rows > 0 ? rows : 1;
}

void CGridDragState::BeginFillDrag(const Block& block)
{
    m_fill = true;
    m_fillBlock = block;
}

void CGridDragState::EndDrag()
{
    m_fromHere = false;
    m_fill = false;
}

void CGridDragState::Enter()
{
    if (m_fromHere) {
        m_state = kMove;
    } else {
        m_state = kCopy;
        m_columns = 1;
        m_rows = 1;
    }
}

int CGridDragState::Over(int column, int line, bool inGrid, bool control, bool escape, Block& frame)
{
    frame = {-1, -1, -1, -1};
    if (escape) {
        m_state = kNone;
    }
    if (!inGrid) {
        return kNone;
    }
    if (m_fill) {
        frame = line < m_fillBlock.top ? Block{m_fillBlock.left, line, m_fillBlock.right, m_fillBlock.bottom}
                                       : Block{m_fillBlock.left, m_fillBlock.top, m_fillBlock.right, line};
        return kMove;
    }
    if (m_state == kNone) {
        return kNone;
    }
    frame = Landing(column, line);
    return m_state == kMove && !control ? kMove : kCopy;
}

CGridDragState::Block CGridDragState::Landing(int column, int line) const
{
    return {column, line, column + m_columns - 1, line + m_rows - 1};
}

CGridDragState::DropAction CGridDragState::Drop(int column, int line, bool inGrid, bool control, bool escape,
                                                const Block& selection, int& effect)
{
    effect = kNone;
    if (m_fill) {
        return inGrid ? DropAction::Fill : DropAction::None;
    }
    Block frame{};
    const int over = Over(column, line, inGrid, control, escape, frame);
    if (over == kNone) {
        return DropAction::None;
    }
    if (m_fromHere && column >= selection.left && column <= selection.right && line >= selection.top &&
        line <= selection.bottom) {
        return DropAction::Refuse;
    }
    effect = over;
    return DropAction::Paste;
}
