#pragma once

#include "platform/CString.h"
#include "platform/Geometry.h"
#include "web/site/WebPageContext.h"

#include <array>
#include <string>

class CZantobyDoc;
struct WebListStyle;
struct WebOutputSettings;

// Builds the simple list table of one list page, which takes the place of the marker
// "<!--$TABLE-->" of its base file: a heading of column names, group heading rows, one row per
// record with the chosen columns, a link to the record's single page and a cell of thumbnails.
class CSimpleListTable
{
  public:
    CSimpleListTable(const CZantobyDoc& doc, const WebPageContext& page);

    // Whether the base text holds the marker exactly once; false after error 41202 was shown.
    bool HasOneMarker(const CString& text) const;
    // The table of the current page's rows, with every column named by the column entries when
    // allColumns is set, else with those chosen for the list. The template expander puts it in
    // place of the marker, so that no cell is read as a tag.
    CString BuildTable(bool allColumns);

    // The attributes of the table's start tag: " width=80% cellspacing=0 ..." as the style has
    // them.
    static CString TableAttributes(const WebListStyle& style);
    // How many entries, from the first, make the group columns: up to and including the first
    // entry with the header switch; 0 when no entry has it.
    static int GroupEntryCount(const WebOutputSettings& web);

  private:
    enum Mark : unsigned char
    {
        kShown = 1,
        kWrap = 2,
        kGroup = 4
    };
    using Texts = std::array<CString, 128>;

    void MarkColumns(bool allColumns);
    void AppendHeading(std::string& out) const;
    void AppendEmptyRow(std::string& out) const;
    void AppendRecordRow(std::string& out, int record, const Texts& texts) const;
    void AppendPhotoCell(std::string& out, int record, const CString& target) const;
    // "  <TR>" with the colour when it is not the default.
    static void AppendRowStart(std::string& out, COLORREF color);
    // A cell's content in the colour, when it is not the default.
    static CString InColor(const CString& content, COLORREF color);
    CString SinglePageLink(int record, const CString& target, const CString& content) const;
    int SpannedColumns() const;

    const CZantobyDoc& m_doc;
    const WebPageContext& m_page;
    const WebOutputSettings& m_web;
    std::array<unsigned char, 128> m_marks{};
    int m_shownCount = 0;
    int m_groupEntries = 0;
    CString m_linkText;
};
