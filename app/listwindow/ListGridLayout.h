#pragma once

#include "platform/Arrays.h"
#include "platform/CString.h"

#include <cstdint>
#include <vector>

class CZantobyDoc;

// The columns and headings of a list's grid worked out from its column records: data columns in
// record order, then the photo columns; one heading row, or two when any column has a sub-name,
// with equal names side by side joined above.
class CListGridLayout
{
  public:
    // Grid alignment codes of the columns' alignments 0 left, 1 centre, 2 right.
    static constexpr int kAlignCodes[3] = {9, 12, 10};
    static constexpr int kTypeNormal = 0;
    static constexpr int kTypeDropList = 1;
    static constexpr int kTypeCheckBox = 2;
    static constexpr std::uint32_t kStyleDropList = 512;
    static constexpr std::uint32_t kStyleCheckBox = 4096;
    static constexpr std::uint32_t kStyleMultiLine = 2;
    // Pixels added to every column, heading row and line.
    static constexpr int kMargin = 8;

    struct Column
    {
        CString upper; // the only heading with one heading row
        CString lower;
        int width = 0;
        bool photo = false;
        int align = 9; // 0 for none (photo columns)
        int typeIndex = kTypeNormal;
        std::uint32_t typeStyle = 0;
        CString labels; // drop-list lines, each ended by "\n"
    };
    // A joined heading range, rows -2 and -1.
    struct Join
    {
        int left, top, right, bottom;
    };

    // charWidth: the width of "A" in the grid font.
    CListGridLayout(const CZantobyDoc& doc, int charWidth);

    int HeadingRows() const { return m_headingRows; }
    const std::vector<Column>& Columns() const { return m_columns; }
    const std::vector<Join>& Joins() const { return m_joins; }

    // The heading and width of photo column k (0-based) after the column before it.
    static CString PhotoHeading(int k);
    static int PhotoColumnWidth(int thumbnailSize);
    // Drop entries as the grid's label lines.
    static CString DropLabels(const CStringArray& entries);

  private:
    int m_headingRows = 1;
    std::vector<Column> m_columns;
    std::vector<Join> m_joins;
};
