#pragma once

#include <string>
#include <string_view>

class CZantobyDoc;

// The heading lines the CSV export writes above the rows: the column names, then the sub-names
// when a column has one. They are how the import knows a file of the export, whose escapes it
// then undoes.
class CCsvHeading
{
  public:
    // The lines as the export writes them, each ending in a line feed: every name between
    // quote characters, a quote inside doubled, a name repeated from the column before empty.
    static std::string Lines(const CZantobyDoc& doc, char delimiter, char quote);

    // The number of heading lines of this list (quoted with ' or ") that text starts with, and
    // the bytes they take with their line ends; 0 when it starts with none.
    static int AtStart(const CZantobyDoc& doc, std::string_view text, char delimiter, size_t& length);
};
