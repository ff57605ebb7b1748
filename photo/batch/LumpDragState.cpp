#include "photo/batch/LumpDragState.h"

int CLumpDragState::Enter(bool offersOwnFormat, bool offersFiles)
{
    m_state = offersOwnFormat ? kOwnFormat : offersFiles ? kFiles : kNothing;
    return m_state == kOwnFormat ? kMove : m_state == kFiles ? kCopy : kNone;
}

int CLumpDragState::Over(bool control, bool escape)
{
    if (escape) {
        m_state = kNothing;
    }
    switch (m_state) {
    case kFiles:
        return kCopy;
    case kOwnFormat:
        return control ? kCopy : kMove;
    default:
        return kNone;
    }
}

bool CLumpDragState::MayDrop(int column, int row, int left, int top, int right, int bottom) const
{
    const bool inside = column >= left && column <= right && row >= top && row <= bottom;
    return !(m_fromHere && inside);
}
