#include "list/ListViewRules.h"

#include "list/ListLimits.h"

#include <algorithm>
#include <climits>

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

int CListViewRules::ParseJumpRow(const CString& text)
{
    CString digits = text;
    digits.Trim();
    if (digits.IsEmpty()) {
        return 0;
    }
    long long number = 0;
    for (char ch : digits.view()) {
        if (ch < '0' || ch > '9') {
            return 0;
        }
        number = std::min<long long>(number * 10 + (ch - '0'), INT_MAX);
    }
    return static_cast<int>(number);
}
