#pragma once

#include "platform/CString.h"
#include "web/site/WebPageContext.h"

#include <functional>

class CZantobyDoc;

// Writes the pages of a Web output folder from its base files: the simple list pages, the free
// list pages, the construction page and one single page per row, each expanded page by page.
class CWebPageWriter
{
  public:
    using StatusSink = std::function<void(const CString& text)>;

    // page holds the rows to publish; the writers set its page fields as they go.
    CWebPageWriter(CZantobyDoc& doc, WebPageContext& page, StatusSink status);

    // Each returns false when it stopped early, after showing why.
    bool WriteListPages();
    bool WriteFreePages();
    bool WriteConstructPage();
    // Writes only the pages of rows changed since their page was written, or every page when
    // the set of rows changed (their neighbours and count did).
    bool WriteRecordPages(bool rewriteAll);

    // The number of list pages of a set: one page when rows are not divided or there are none.
    static int PageCount(int rowCount, int rowsPerPage);

  private:
    // The pages of a set under a name, from a base file; the simple table is put in first when
    // asked for.
    bool WritePageSet(const CString& baseText, const CString& name, bool simpleTable, bool allColumns);
    // Reads a base file of the output folder, with error 41201 when it is missing or empty.
    bool ReadBaseFile(const CString& name, CString& text);
    // Writes a finished page; on failure asks whether to go on (true: go on).
    bool WritePage(const CString& path, const CString& text);
    CString OutputFolder() const;

    CZantobyDoc& m_doc;
    WebPageContext& m_page;
    StatusSink m_status;
};
