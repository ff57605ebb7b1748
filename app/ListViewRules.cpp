#include "app/ListViewRules.h"

#include "list/ListLimits.h"

COLORREF CListViewRules::SelectedFillColor(COLORREF fill)
{
    const COLORREF halves =
        ((fill >> 1) & 0x7F) | (((fill >> 9) & 0x7F) << 8) | (((fill >> 17) & 0x7F) << 16);
    return halves + 0x400000;
}

CListViewRules::EnterMove CListViewRules::MoveOnEnter(int column, int line, int columns, int lines)
{
    if (column + 1 < columns) {
        return {column + 1, line, false};
    }
    if (line + 1 < lines) {
        return {0, line + 1, false};
    }
    if (lines < kMaxDisplayRows) {
        return {0, line + 1, true};
    }
    return {column, line, false};
}

int CListViewRules::GridPaneHeight(int storedPosition, int standardPhotoSize)
{
    if (storedPosition > 0 && storedPosition < kNominalHeight - 16) {
        return storedPosition;
    }
    if (standardPhotoSize * 2 + 64 < kNominalHeight) {
        return kNominalHeight - standardPhotoSize - 32;
    }
    return kNominalHeight / 2;
}
