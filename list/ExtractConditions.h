#pragma once

#include "list/ColumnCondition.h"
#include "list/ListLimits.h"
#include "platform/Arrays.h"

#include <array>

// The conditions by which the extract command picks the rows to show: keywords, or a condition
// per display column.
struct ExtractConditions
{
    int mode = 0;     // 0 keywords, 1 per-column conditions
    int anyMatch = 0; // 0 every condition must hold; other: one is enough
    bool wholeText = false;
    bool caseSensitive = false;
    CStringArray keywords;
    CStringArray keywordHistory; // typed keyword texts, newest first
    std::array<ColumnCondition, kMaxColumns> columns;

    void Reset()
    {
        mode = 0;
        anyMatch = 0;
        wholeText = false;
        caseSensitive = false;
        for (ColumnCondition& condition : columns) {
            condition.Reset();
        }
    }
};
