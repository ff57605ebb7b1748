#include "app/find/ListFinder.h"

#include "list/IListHost.h"
#include "platform/Cp932.h"
#include "platform/Mbcs.h"
#include "platform/MessageBox.h"

#include <string>

CListFinder::CListFinder(int columns, int lines, CellText cellText)
    : m_columns(columns), m_lines(lines), m_cellText(std::move(cellText))
{
}

bool CListFinder::Matches(const CString& text, const CString& keyword, bool whole, bool caseSensitive)
{
    std::string haystack = text.str();
    std::string needle = keyword.str();
    if (!caseSensitive) {
        Mbcs::MakeUpper(haystack);
        Mbcs::MakeUpper(needle);
    }
    if (whole) {
        return haystack == needle;
    }
    // Only at character starts, so that a trail byte never begins a match.
    for (size_t at = 0; at + needle.size() <= haystack.size();) {
        if (haystack.compare(at, needle.size(), needle) == 0) {
            return true;
        }
        at += Cp932::CharLength(haystack, at);
    }
    return false;
}

bool CListFinder::Search(const ListFindSettings& settings, int currentColumn, int currentLine, int& column,
                         int& line) const
{
    if (m_columns <= 0 || m_lines <= 0 || settings.keyword.IsEmpty()) {
        return false;
    }
    const bool down = settings.downward;
    const int step = down ? 1 : -1;
    int c = 0;
    int l = 0;
    if (!settings.fromStart && currentColumn >= 0 && currentLine >= 0) {
        c = currentColumn;
        l = currentLine;
        if (settings.allColumns) {
            c += step;
        } else {
            l += step;
        }
    } else if (down) {
        c = settings.allColumns ? 0 : currentColumn;
        l = 0;
    } else {
        c = settings.allColumns ? m_columns - 1 : currentColumn;
        l = m_lines - 1;
    }
    if (c < 0 && !settings.allColumns) {
        c = 0;
    }
    while (true) {
        // Past either end of a line the search goes on at the other end of the next line.
        if (settings.allColumns && c >= m_columns) {
            c = 0;
            ++l;
        } else if (settings.allColumns && c < 0) {
            c = m_columns - 1;
            --l;
        }
        if (l < 0 || l >= m_lines || c >= m_columns) {
            return false;
        }
        if (Matches(m_cellText(c, l), settings.keyword, settings.wholeCell, settings.caseSensitive)) {
            column = c;
            line = l;
            return true;
        }
        if (settings.allColumns) {
            c += step;
        } else {
            l += step;
        }
    }
}

bool CListFinder::FindNext(IListHost& host, ListFindSettings& settings, int currentColumn, int currentLine,
                           int& column, int& line) const
{
    if (settings.keyword.IsEmpty()) {
        return false;
    }
    while (!Search(settings, currentColumn, currentLine, column, line)) {
        if (settings.fromStart) {
            host.ShowInfoMessage(10201, 0);
            return false;
        }
        if (host.AskMessage(20204, MB_YESNO) != IDYES) {
            return false;
        }
        settings.fromStart = true;
    }
    // The start has been used: the next search goes on from the cell found.
    settings.fromStart = false;
    return true;
}
