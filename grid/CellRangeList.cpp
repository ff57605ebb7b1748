#include "grid/CellRangeList.h"

#include <algorithm>

namespace {

void Order(int& low, int& high)
{
    if (high < low) {
        std::swap(low, high);
    }
}

} // namespace

void CCellRangeList::Widen(const Range& range)
{
    if (m_ranges.size() == 1) {
        m_box = range;
        return;
    }
    m_box.left = std::min(m_box.left, range.left);
    m_box.top = std::min(m_box.top, range.top);
    m_box.right = std::max(m_box.right, range.right);
    m_box.bottom = std::max(m_box.bottom, range.bottom);
}

void CCellRangeList::AddRange(int left, int top, int right, int bottom)
{
    Order(left, right);
    Order(top, bottom);
    m_ranges.push_back({left, top, right, bottom});
    Widen(m_ranges.back());
}

void CCellRangeList::ExtendFirstRange(int left, int top, int right, int bottom)
{
    if (m_ranges.empty()) {
        AddRange(left, top, right, bottom);
        return;
    }
    Order(left, right);
    Order(top, bottom);
    Range& first = m_ranges.front();
    first.left = std::min(first.left, left);
    first.top = std::min(first.top, top);
    first.right = std::max(first.right, right);
    first.bottom = std::max(first.bottom, bottom);
    Widen(first);
}

bool CCellRangeList::Contains(int column, int row) const
{
    if (m_ranges.empty() || !InBox(m_box, column, row)) {
        return false;
    }
    return std::any_of(m_ranges.begin(), m_ranges.end(),
                       [&](const Range& range) { return InBox(range, column, row); });
}

bool CCellRangeList::GetBounds(int& left, int& top, int& right, int& bottom) const
{
    if (m_ranges.empty()) {
        return false;
    }
    left = m_box.left;
    top = m_box.top;
    right = m_box.right;
    bottom = m_box.bottom;
    return true;
}

void CCellRangeList::Clear()
{
    m_ranges.clear();
    m_box = Range{0, 0, -1, -1};
    m_drawnJoins.clear();
}

bool CCellRangeList::ContainsDrawnJoin(int column, int row) const
{
    return std::find(m_drawnJoins.begin(), m_drawnJoins.end(), CPoint(column, row)) != m_drawnJoins.end();
}

void CCellRangeList::AddDrawnJoin(int column, int row)
{
    m_drawnJoins.emplace_back(column, row);
}
