#pragma once

#include "app/editing/ListGridEdits.h"
#include "platform/CString.h"

#include <vector>

class CZantobyDoc;

// Auto input: the values of a block of data cells carried on to further lines, column by column,
// as a repeated pattern or as a series by the column's type (numbers, dates, counters in text).
class CAutoInput
{
  public:
    using Block = CListGridEdits::Block;

    struct Result
    {
        std::vector<int> lines;         // the lines written, in fill order
        std::vector<int> dropListsGrew; // columns whose automatic drop list took a text
    };

    explicit CAutoInput(CZantobyDoc& doc) : m_doc(doc) {}

    // Fills from the block to the end line (below or above it) as one undo step; oneCellSeries
    // (Ctrl held) makes a single cell count on. Nothing happens for an end line within the block.
    Result Fill(const Block& block, int endLine, bool oneCellSeries);

    // The series rules on their own, for the values read from the source cells in order away
    // from the targets: the texts of the count targets, or an empty list when the sources only
    // repeat. direction is +1 filling down, -1 filling up.
    static std::vector<CString> NumberSeries(const std::vector<CString>& sources, int count, int direction,
                                             bool oneCellSeries, int decimals);
    // Dates are read and written as "%Y/%m/%d %H:%M:%S"; pattern is the column's date format.
    static std::vector<CString> DateSeries(const std::vector<CString>& sources, int count, int direction,
                                           bool oneCellSeries, const CString& pattern, bool hasTime);
    static std::vector<CString> TextSeries(const std::vector<CString>& sources, int count, int direction,
                                           bool oneCellSeries);

  private:
    CZantobyDoc& m_doc;
};
