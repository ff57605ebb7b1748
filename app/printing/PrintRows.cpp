#include "app/printing/PrintRows.h"

#include "list/ZantobyDoc.h"

#include <algorithm>

int CPrintRows::RecordOf(const CZantobyDoc& doc, int displayRow)
{
    if (displayRow < 0 || displayRow >= doc.displayCount ||
        displayRow >= static_cast<int>(doc.displayOrder.size())) {
        return -1;
    }
    const int record = doc.displayOrder[displayRow];
    return record >= 0 && record < kMaxRows && doc.GetRow(record).inUse ? record : -1;
}

int CPrintRows::CountListRows(const CZantobyDoc& doc)
{
    int count = std::min(doc.displayCount, static_cast<int>(doc.displayOrder.size()));
    while (count > 0 && RecordOf(doc, count - 1) < 0) {
        --count;
    }
    return count;
}
