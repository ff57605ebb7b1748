#include "grid/GridHintPlacement.h"

#include <algorithm>

CRect CGridHintPlacement::Place(CPoint point, unsigned flags, int minWidth, CSize text, const CRect& client)
{
    const int width = std::max(minWidth, text.cx + 4);
    const int height = text.cy;
    int left = point.x;
    if (flags & kCentreX) {
        left = point.x - width / 2;
    } else if (flags & kEndAtX) {
        left = point.x - width;
    }
    int top = point.y;
    if (flags & kCentreY) {
        top = point.y - height / 2;
    } else if (flags & kEndAtY) {
        top = point.y - height;
    }
    CRect rect(left, top, left + width, top + height);
    if (rect.right > client.right) {
        rect.OffsetRect(client.right - rect.right, 0);
    }
    if (rect.left < client.left) {
        rect.OffsetRect(client.left - rect.left, 0);
    }
    if (rect.bottom > client.bottom) {
        rect.OffsetRect(0, client.bottom - rect.bottom);
    }
    if (rect.top < client.top) {
        rect.OffsetRect(0, client.top - rect.top);
    }
    return rect;
}
