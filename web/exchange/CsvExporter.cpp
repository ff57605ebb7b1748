#include "web/exchange/CsvExporter.h"

#include "foundation/PathName.h"
#include "foundation/TextFile.h"
#include "foundation/TextHelper.h"
#include "list/IListHost.h"
#include "list/RowSorter.h"
#include "list/ZantobyDoc.h"
#include "platform/FileException.h"
#include "platform/FileSystem.h"
#include "platform/MessageBox.h"
#include "web/exchange/CsvHeading.h"

#include <exception>

namespace {

constexpr const char* kSource = "ExportCsvDlg";

// A field written without quotes. The delimiter and the quotes are all below 0x40, so a byte
// equal to one of them is never the second byte of a double-byte character.
void AppendBare(std::string& line, const CString& text, char delimiter)
{
    for (char ch : text.view()) {
        if (ch == delimiter) {
            line += '\\';
        }
        line += ch;
    }
}

// A text cell as written: escaped, and between the quote characters unless quote is 0.
// Whatever would cut the field on reading gets a backslash as well.
void AppendText(std::string& line, const CString& text, char quote, char delimiter)
{
    CTextHelper escaped(text);
    escaped.EscapeBackslash();
    // The escape covers the apostrophe, the comma and the tab; a double quote would end a
    // quoted field early or open one at the start of a bare field, and a bare field ends at any
    // delimiter.
    char bareDelimiter = quote == 0 && delimiter != ',' && delimiter != '\t' ? delimiter : '\0';
    bool escapeQuote = quote != '\'';
    if (quote != 0) {
        line += quote;
    }
    for (char ch : escaped.view()) {
        if ((ch == '"' && escapeQuote) || (ch == bareDelimiter && ch != '\0')) {
            line += '\\';
        }
        line += ch;
    }
    if (quote != 0) {
        line += quote;
    }
}

} // namespace

CCsvExporter::CCsvExporter(CZantobyDoc& doc, const ExportCsvSettings& settings)
    : m_doc(doc), m_settings(settings)
{
}

std::vector<int> CCsvExporter::RowsToWrite() const
{
    std::vector<int> rows;
    if (m_settings.source == 1) {
        for (int i = 0; i < m_doc.displayCount; ++i) {
            int row = m_doc.displayOrder[i];
            if (row >= 0 && row < kMaxRows && m_doc.GetRow(row).inUse) {
                rows.push_back(row);
            }
        }
        return rows;
    }
    for (int row = 0; row < kMaxRows; ++row) {
        if (m_doc.GetRow(row).inUse) {
            rows.push_back(row);
        }
    }
    if (rows.size() > 1) {
        CRowSorter(m_doc, rows.data(), m_doc.sortKeys.data())
            .QuickSortRows(0, static_cast<int>(rows.size()) - 1);
    }
    return rows;
}

void CCsvExporter::AppendHeader(std::string& text) const
{
    // The heading is quoted also when the texts are not: the quotes are how the import knows
    // the file for the export's, and they keep a name with the delimiter in one field.
    const char quote = m_settings.quoteChar != 0 ? m_settings.quoteChar : '"';
    text += CCsvHeading::Lines(m_doc, m_settings.breakChar, quote);
}

void CCsvExporter::AppendRow(std::string& line, int row) const
{
    const char delimiter = m_settings.breakChar;
    for (int i = 0; i < m_doc.columnCount; ++i) {
        if (i > 0) {
            line += delimiter;
        }
        const ColumnRecord& column = m_doc.GetColumn(i);
        if (column.type == kTypeNone) {
            continue;
        }
        CString text = m_doc.GetCellText(i, column.slot, row, kOutputFile);
        switch (column.type) {
        case kTypeText:
        case kTypeMark:
            AppendText(line, text, m_settings.quoteChar, delimiter);
            break;
        case kTypeNumber:
            text.Remove(',');
            AppendBare(line, text, delimiter);
            break;
        case kTypeYesNo:
        case kTypeDate:
            AppendBare(line, text, delimiter);
            break;
        default:
            break;
        }
    }
    line += '\n';
}

bool CCsvExporter::ConfirmPath(CString& path, IListHost& host)
{
    if (path.IsEmpty() || !GetExtensionOfPath(path).IsEmpty()) {
        return true;
    }
    path += ".csv";
    return !FileSystem::Exists(path) || host.AskMessage(20600, MB_YESNO, path.GetString()) == IDYES;
}

bool CCsvExporter::Write(const CString& path)
{
    IListHost& host = m_doc.Host();
    CTextFile file;
    CFileException error(CFileException::none, 0, path);
    if (!file.Open(path, CFile::modeCreate | CFile::modeWrite, &error)) {
        host.ReportError("CSVﾌｧｲﾙを開くことは出来ませんでした", kSource, __LINE__);
        return false;
    }
    try {
        std::string text;
        if (m_settings.columnNames) {
            AppendHeader(text);
        }
        for (int row : RowsToWrite()) {
            AppendRow(text, row);
            // Written in pieces, so that a large list never sits in memory twice.
            if (text.size() >= (1u << 16)) {
                file.Write(text.data(), static_cast<unsigned>(text.size()));
                text.clear();
            }
        }
        file.Write(text.data(), static_cast<unsigned>(text.size()));
        file.Close();
    } catch (const std::exception&) {
        file.Abort();
        host.ReportError("CSVﾌｧｲﾙは作成出来ませんでした", kSource, __LINE__);
        return false;
    }
    return true;
}
