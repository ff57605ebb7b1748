#include "web/site/WebPageWriter.h"

#include "foundation/AppBase.h"
#include "foundation/TextFile.h"
#include "list/IListHost.h"
#include "list/ZantobyDoc.h"
#include "platform/FileSystem.h"
#include "platform/MessageBox.h"
#include "platform/StdioFile.h"
#include "web/site/SimpleListTable.h"
#include "web/site/WebTemplateExpander.h"

#include <algorithm>
#include <cerrno>
#include <ctime>
#include <vector>

namespace {

// The last change of a row as the seconds of the local time it names.
std::time_t ToTime(const CDateEx& date)
{
    COleDateTime::Parts parts;
    if (!date.IsValid() || !date.GetValue().GetParts(parts)) {
        return 0;
    }
    std::tm local{};
    local.tm_year = parts.year - 1900;
    local.tm_mon = parts.month - 1;
    local.tm_mday = parts.day;
    local.tm_hour = parts.hour;
    local.tm_min = parts.minute;
    local.tm_sec = parts.second;
    local.tm_isdst = -1;
    return std::mktime(&local);
}

} // namespace

CWebPageWriter::CWebPageWriter(CZantobyDoc& doc, WebPageContext& page, StatusSink status)
    : m_doc(doc), m_page(page), m_status(std::move(status))
{
}

CString CWebPageWriter::OutputFolder() const
{
    return m_doc.web.webFolder;
}

bool CWebPageWriter::ReadBaseFile(const CString& name, CString& text)
{
    CString path = OutputFolder() + name;
    errno = 0;
    if (ReadTextFile(text, path, CFile::modeRead) && !text.IsEmpty()) {
        return true;
    }
    m_doc.Host().ShowErrorMessage(41201, MB_OK, path.GetString(), CAppBase::GetLastErrorText().GetString());
    return false;
}

bool CWebPageWriter::WritePage(const CString& path, const CString& page)
{
    errno = 0;
    if (WriteTextFile(path, CFile::modeCreate | CFile::modeWrite | CFile::typeBinary, page)) {
        return true;
    }
    return m_doc.Host().AskMessage(21202, MB_YESNO, path.GetString(),
                                   CAppBase::GetLastErrorText().GetString()) == IDYES;
}

bool CWebPageWriter::WritePages(const std::vector<CString>& paths, const CPagesAhead::Make& make)
{
    CPagesAhead ahead(m_doc, m_page, static_cast<int>(paths.size()), make);
    for (const CString& path : paths) {
        CString page;
        CString failure;
        if (!ahead.TakeNext(page, failure)) {
            m_doc.Host().ShowErrorMessage(41202, MB_OK, failure.GetString());
            return false;
        }
        if (!WritePage(path, page)) {
            return false;
        }
    }
    return true;
}

bool CWebPageWriter::WriteListPages()
{
    CString base;
    if (!ReadBaseFile("/list.htm", base) || !WritePageSet(base, m_doc.web.listName, true, false)) {
        return false;
    }
    return m_doc.web.fullName.IsEmpty() || WritePageSet(base, m_doc.web.fullName, true, true);
}

bool CWebPageWriter::WriteFreePages()
{
    CString base;
    return ReadBaseFile("/free.htm", base) && WritePageSet(base, m_doc.web.listName, false, false);
}

int CWebPageWriter::PageCount(int rowCount, int rowsPerPage)
{
    return rowCount > 0 && rowsPerPage > 0 ? (rowCount + rowsPerPage - 1) / rowsPerPage : 1;
}

bool CWebPageWriter::WritePageSet(const CString& baseText, const CString& name, bool simpleTable,
                                  bool allColumns)
{
    const WebOutputSettings& web = m_doc.web;
    int count = m_page.RowCount();
    int perPage = web.rowCount;
    int pages = PageCount(count, perPage);
    if (count == 0 && !allColumns) {
        m_doc.Host().ShowInfoMessage(11202, MB_OK);
    }
    if (simpleTable && !CSimpleListTable(m_doc, m_page).HasOneMarker(baseText)) {
        return false;
    }
    m_page.singlePage = 0;
    m_page.pageCount = pages;
    std::vector<CString> paths;
    for (int p = 0; p < pages; ++p) {
        CString path;
        if (p == 0) {
            path.Format("%s/%s.%s", OutputFolder().GetString(), name.GetString(), web.extList.GetString());
        } else {
            path.Format("%s/%s%d.%s", OutputFolder().GetString(), name.GetString(), p,
                        web.extList.GetString());
        }
        paths.push_back(path);
    }
    return WritePages(paths, [&](int p, CPagesAhead::Maker& maker, CString& page, CString& failure) {
        maker.page.currentPage = p;
        int first = perPage > 0 ? p * perPage : 0;
        int rows = perPage > 0 ? std::min(perPage, count - first) : count;
        CString table;
        if (simpleTable) {
            table = CSimpleListTable(m_doc, maker.page).BuildTable(allColumns);
        }
        maker.expander.SetSimpleTable(simpleTable ? &table : nullptr);
        CString text = baseText;
        return Make(maker, text, WebExpansionWindow{first, rows, 0, kMaxColumns, 0, kMaxPhotosPerRow}, page,
                    failure);
    });
}

bool CWebPageWriter::Make(CPagesAhead::Maker& maker, CString& text, const WebExpansionWindow& window,
                          CString& page, CString& failure)
{
    if (!maker.expander.ExpandPage(text, window, failure)) {
        return false;
    }
    page = CString(CStdioFile::ToDiskText(text.view()));
    return true;
}

bool CWebPageWriter::WriteConstructPage()
{
    if (m_status) {
        m_status("[一覧表]を工事中として作成しています");
    }
    CString text;
    if (!ReadBaseFile("/construct.htm", text)) {
        return false;
    }
    m_page.singlePage = 0;
    m_page.pageCount = 1;
    m_page.currentPage = 0;
    if (!CWebTemplateExpander(m_doc, m_page).ExpandTemplate(0, text, WebExpansionWindow{})) {
        return false;
    }
    CString path;
    path.Format("%s/%s.%s", OutputFolder().GetString(), m_doc.web.listName.GetString(),
                m_doc.web.extList.GetString());
    return WritePage(path, CString(CStdioFile::ToDiskText(text.view())));
}

bool CWebPageWriter::WriteRecordPages(bool rewriteAll)
{
    int count = m_page.RowCount();
    if (count == 0) {
        return true;
    }
    CString base;
    if (!ReadBaseFile("/p/page.htm", base)) {
        return false;
    }
    m_page.singlePage = 1;
    m_page.pageCount = count;
    // The positions in the row list whose pages are written.
    std::vector<int> positions;
    std::vector<CString> paths;
    for (int i = 0; i < count; ++i) {
        int record = m_page.rows[static_cast<size_t>(i)];
        if (record < 0 || record >= kMaxRows || !m_doc.GetRow(record).inUse) {
            continue;
        }
        CString path;
        path.Format("%s/p/%04d.%s", OutputFolder().GetString(), record, m_doc.web.extPage.GetString());
        // A change in the second the page was written still rewrites it.
        FileSystem::Info info;
        if (!rewriteAll && FileSystem::GetInfo(path, info) &&
            ToTime(m_doc.GetRow(record).lastChange) < info.writeTime) {
            continue;
        }
        positions.push_back(i);
        paths.push_back(path);
    }
    return WritePages(paths, [&](int index, CPagesAhead::Maker& maker, CString& page, CString& failure) {
        int i = positions[static_cast<size_t>(index)];
        maker.page.currentPage = i;
        CString text = base;
        return Make(maker, text, WebExpansionWindow{i, 1, 0, kMaxColumns, 0, kMaxPhotosPerRow}, page,
                    failure);
    });
}
