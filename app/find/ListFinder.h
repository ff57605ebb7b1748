#pragma once

#include "app/find/ListFindSettings.h"
#include "platform/CString.h"

#include <functional>

class IListHost;

// Find next in a list's grid: from the cell past the cursor (or from the first or last line),
// line by line through all columns or down one column, for a cell whose text holds or equals
// the keyword; when it runs off the end it offers to start again from the other end.
class CListFinder
{
  public:
    // The text a cell is searched by (a data cell's shown text, a photo cell's photo name).
    using CellText = std::function<CString(int column, int line)>;

    CListFinder(int columns, int lines, CellText cellText);

    // One search without messages: true with the cell found. current is the cursor (-1 none).
    bool Search(const ListFindSettings& settings, int currentColumn, int currentLine, int& column,
                int& line) const;
    // The find next command: information 10201 when a search from the start finds nothing,
    // otherwise question 20204, whose Yes searches again from the start. A search that finds
    // clears the from-start flag, so that the next one goes on from the cell found. Nothing is
    // searched for an empty keyword.
    bool FindNext(IListHost& host, ListFindSettings& settings, int currentColumn, int currentLine,
                  int& column, int& line) const;

    // Whether text holds (or, whole, equals) the keyword, upper-casing both unless caseSensitive.
    static bool Matches(const CString& text, const CString& keyword, bool whole, bool caseSensitive);

  private:
    int m_columns;
    int m_lines;
    CellText m_cellText;
};
