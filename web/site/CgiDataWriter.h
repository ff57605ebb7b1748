#pragma once

#include "platform/CString.h"
#include "web/site/WebPageContext.h"

#include <string>

class CZantobyDoc;

// Writes the CGI data file of a Web output folder, the text that the CGI script reads: the
// program's version, the columns with their drop lists, the simple list's style, the page
// settings, the rows to publish with their cells and photos, and the names of the photos.
class CCgiDataWriter
{
  public:
    CCgiDataWriter(const CZantobyDoc& doc, const WebPageContext& page) : m_doc(doc), m_page(page) {}

    // "<list name>_data.<cgi extension>" in the output folder, or the all-columns name's file,
    // which only a simple list with an all-columns name has. False when the file could not be
    // written; the caller says so.
    bool WriteCgiData(bool allColumns, CString& path);

    // The whole file as text, lines ending in LF.
    CString BuildText(bool allColumns) const;

  private:
    void AppendColumns(CString& out, bool allColumns) const;
    void AppendDropLists(CString& out) const;
    void AppendStyle(CString& out) const;
    void AppendSettings(CString& out) const;
    void AppendRows(CString& out) const;
    // The line of a record's cells and photos, when it is a row in use with any.
    void AppendRow(std::string& out, int record) const;
    void AppendPhotos(CString& out) const;

    const CZantobyDoc& m_doc;
    const WebPageContext& m_page;
};
