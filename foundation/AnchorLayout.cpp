#include "foundation/AnchorLayout.h"

#include <algorithm>

void CAnchorLayout::SetTable(const DialogItemInfo* table)
{
    m_items.clear();
    m_hasTable = table != nullptr;
    for (const DialogItemInfo* item = table; item != nullptr && item->id != 0; ++item) {
        m_items.push_back(*item);
    }
}

DialogItemInfo* CAnchorLayout::FindItemInfo(int id)
{
    auto found =
        std::find_if(m_items.begin(), m_items.end(), [id](const auto& item) { return item.id == id; });
    return found != m_items.end() ? &*found : nullptr;
}

const DialogItemInfo* CAnchorLayout::FindItemInfo(int id) const
{
    return const_cast<CAnchorLayout*>(this)->FindItemInfo(id);
}

const char* CAnchorLayout::GetItemTip(int id) const
{
    const DialogItemInfo* item = FindItemInfo(id);
    return item != nullptr && item->tooltip != nullptr ? item->tooltip : "";
}

bool CAnchorLayout::SetItemColors(int id, COLORREF text, COLORREF back)
{
    DialogItemInfo* item = FindItemInfo(id);
    if (item == nullptr) {
        return false;
    }
    if (text != kDefaultColor) {
        item->textColor = text;
    }
    if (back != kDefaultColor) {
        item->backColor = back;
    }
    return true;
}

void CAnchorLayout::SetMinimumSize(CSize size)
{
    m_minimum = size;
    m_last = size;
}

CSize CAnchorLayout::TakeResize(CSize windowSize, bool shown)
{
    const CSize clamped(std::max(windowSize.cx, m_minimum.cx), std::max(windowSize.cy, m_minimum.cy));
    CSize delta;
    if (shown && clamped != m_last) {
        delta = CSize(clamped.cx - m_last.cx, clamped.cy - m_last.cy);
    }
    m_last = clamped;
    return delta;
}

CRect CAnchorLayout::Anchor(const CRect& rect, unsigned flags, CSize delta)
{
    CRect result = rect;
    if ((flags & DIF_MOVE_BOTTOM) != 0) {
        result.top += delta.cy;
        result.bottom += delta.cy;
    } else if ((flags & DIF_SIZE_BOTTOM) != 0) {
        result.bottom += delta.cy;
    }
    if ((flags & DIF_MOVE_RIGHT) != 0) {
        result.left += delta.cx;
        result.right += delta.cx;
    } else if ((flags & DIF_SIZE_RIGHT) != 0) {
        result.right += delta.cx;
    }
    return result;
}

bool CAnchorLayout::IsAnchored(unsigned flags)
{
    return (flags & (DIF_MOVE_BOTTOM | DIF_SIZE_BOTTOM | DIF_MOVE_RIGHT | DIF_SIZE_RIGHT)) != 0;
}

int CAnchorLayout::FocusStep(unsigned flags, Key key)
{
    switch (key) {
    case Key::Enter:
        return (flags & DIF_ENTER_NEXT) != 0 ? 1 : 0;
    case Key::Right:
        return (flags & DIF_RIGHT_NEXT) != 0 ? 1 : 0;
    case Key::Down:
        return (flags & DIF_DOWN_NEXT) != 0 ? 1 : 0;
    case Key::Left:
        return (flags & DIF_LEFT_PREVIOUS) != 0 ? -1 : 0;
    case Key::Up:
        return (flags & DIF_UP_PREVIOUS) != 0 ? -1 : 0;
    default:
        return 0;
    }
}
