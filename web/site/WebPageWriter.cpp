#include "web/site/WebPageWriter.h"

#include "foundation/AppBase.h"
#include "foundation/TextFile.h"
#include "list/IListHost.h"
#include "list/ZantobyDoc.h"
#include "platform/FileSystem.h"
#include "platform/MessageBox.h"
#include "web/site/SimpleListTable.h"
#include "web/site/WebTemplateExpander.h"

#include <algorithm>
#include <cerrno>
#include <ctime>

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

bool CWebPageWriter::WritePage(const CString& path, const CString& text)
{
    errno = 0;
    if (WriteTextFile(path, CFile::modeCreate | CFile::modeWrite, text)) {
        return true;
    }
    return m_doc.Host().AskMessage(21202, MB_YESNO, path.GetString(),
                                   CAppBase::GetLastErrorText().GetString()) == IDYES;
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
    m_page.singlePage = 0;
    m_page.pageCount = pages;
    CWebTemplateExpander expander(m_doc, m_page);
    for (int p = 0; p < pages; ++p) {
        m_page.currentPage = p;
        int first = perPage > 0 ? p * perPage : 0;
        int rows = perPage > 0 ? std::min(perPage, count - first) : count;
        CString text = baseText;
        CString table;
        if (simpleTable && !CSimpleListTable(m_doc, m_page).WriteSimpleTable(text, allColumns, table)) {
            return false;
        }
        expander.SetSimpleTable(simpleTable ? &table : nullptr);
        if (!expander.ExpandTemplate(0, text,
                                     WebExpansionWindow{first, rows, 0, kMaxColumns, 0, kMaxPhotosPerRow})) {
            return false;
        }
        CString path;
        if (p == 0) {
            path.Format("%s/%s.%s", OutputFolder().GetString(), name.GetString(), web.extList.GetString());
        } else {
            path.Format("%s/%s%d.%s", OutputFolder().GetString(), name.GetString(), p,
                        web.extList.GetString());
        }
        if (!WritePage(path, text)) {
            return false;
        }
    }
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
    return WritePage(path, text);
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
    CWebTemplateExpander expander(m_doc, m_page);
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
        m_page.currentPage = i;
        CString text = base;
        if (!expander.ExpandTemplate(0, text,
                                     WebExpansionWindow{i, 1, 0, kMaxColumns, 0, kMaxPhotosPerRow})) {
            return false;
        }
        if (!WritePage(path, text)) {
            return false;
        }
    }
    return true;
}
