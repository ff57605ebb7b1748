#pragma once

#include "platform/Arrays.h"

#include <vector>

class CZantobyDoc;
class ColumnRecord;
struct CellRecord;
struct ColumnCondition;
struct ExtractConditions;

// Picks the rows in use of a list, in row order, that hold keywords or meet the conditions of
// their columns.
class CRowExtractor
{
  public:
    explicit CRowExtractor(const CZantobyDoc& doc) : m_doc(doc) {}

    // Rows whose display texts or photo names hold the keywords.
    std::vector<int> ByKeywords(const CStringArray& keywords, bool anyMatch, bool wholeText,
                                bool caseSensitive) const;
    // Rows that meet the per-column conditions.
    std::vector<int> ByColumnConditions(const ExtractConditions& conditions) const;

  private:
    bool RowMeetsConditions(int row, const ExtractConditions& conditions) const;
    static bool ConditionMet(const ColumnRecord& column, const ColumnCondition& condition,
                             const CellRecord& cell, const ExtractConditions& conditions);

    const CZantobyDoc& m_doc;
};
