#pragma once

#include "platform/CString.h"
#include "web/site/PagesAhead.h"
#include "web/site/WebPageContext.h"

#include <functional>
#include <vector>

class CZantobyDoc;

// Writes the pages of a Web output folder from its base files: the simple list pages, the free
// list pages, the construction page and one single page per row, each expanded page by page
// (on worker threads a few pages ahead) and written in order.
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
    // Expands a page's text with a maker into the page as it goes to its file; false with
    // the failure message.
    static bool Make(CPagesAhead::Maker& maker, CString& text, const WebExpansionWindow& window,
                     CString& page, CString& failure);
    // Writes the pages of the files of paths in order, each made by make on a worker thread;
    // false when one could not be made or the user stopped after a failed write.
    bool WritePages(const std::vector<CString>& paths, const CPagesAhead::Make& make);
    // Writes a finished page, as it goes to its file; on failure asks whether to go on (true: go on).
    bool WritePage(const CString& path, const CString& page);
    CString OutputFolder() const;

    CZantobyDoc& m_doc;
    WebPageContext& m_page;
    StatusSink m_status;
};
