#pragma once

#include "platform/CString.h"
#include "web/exchange/ImportCsvSettings.h"

#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

class CCsvRecordReader;
class IListHost;
class CZantobyDoc;

// Reads a delimited text file into a list: one row per record, one field per column, then up
// to 20 fields naming photo files that are registered and attached to the row. A file that
// starts with the export's heading lines is read as the CSV export writes it (quotes removed,
// escapes undone), any other as spreadsheets write it (doubled quotes, line breaks inside
// quotes, backslashes and apostrophes as they stand); a UTF-8 file is converted to Shift_JIS
// first. The heading lines are not taken for rows.
class CCsvImporter
{
  public:
    CCsvImporter(CZantobyDoc& doc, const ImportCsvSettings& settings);

    // Keeps the windows alive between rows (the dialog pumps its messages here).
    void SetPump(std::function<void()> pump) { m_pump = std::move(pump); }

    // Imports the file through the document's set-cell and photo operations as one undo step.
    // Only the imported rows are shown afterwards; a replacing import drops the rows there
    // were. False when the file was not read at all (the user has been told why).
    bool Import(const CString& path);
    // Rows taken in by the last import.
    int GetRowCount() const { return m_rowCount; }
    // What the last import could not take in: rows past the list's room, and fields that were
    // not empty past those a line takes (one per column, then the photos when they are taken).
    struct LeftOut
    {
        int rows = 0;
        int fields = 0;
        int fieldsTaken = 0;
    };
    const LeftOut& GetLeftOut() const { return m_leftOut; }
    // Says once, after the list shows the import, what it left out (warning 31503); nothing
    // when everything was taken in.
    static void ReportLeftOut(IListHost& host, const LeftOut& left);

    // The start of a file for a preview: at most 20 pieces of at most 1,023 bytes, each line
    // (or the piece of a long line) ending in a line feed. Empty when the file cannot be read.
    static CString ReadPreview(const CString& path);

  private:
    enum class LineResult
    {
        Next,
        Stop
    };

    // The records to take in, their fields side by side: each field where the reader left it,
    // since copying them would cost as much as reading them.
    struct Records
    {
        std::vector<std::string_view> fields;
        std::vector<size_t> ends; // where each record's fields end

        int Count() const { return static_cast<int>(ends.size()); }
        std::span<const std::string_view> operator[](int record) const
        {
            const size_t start = record > 0 ? ends[static_cast<size_t>(record) - 1] : 0;
            return std::span(fields).subspan(start, ends[static_cast<size_t>(record)] - start);
        }
    };

    // The file as Shift_JIS text, and whether the file was so; false after telling the user
    // why there is none.
    bool ReadText(const CString& path, std::string& text, bool& shiftJis);
    // The number of the export's heading lines for this list that text starts with (then read
    // in the export's syntax), with the bytes they take.
    int HeadingLines(std::string_view text, bool mayBeExport, size_t& length);
    // The records after the lines to skip and the export's heading lines.
    Records DataRecords(CCsvRecordReader& reader, int headingLines);
    // True when the fields are the heading line of the column names (or sub-names) that the
    // CSV export writes for this list.
    bool IsHeading(std::span<const std::string_view> fields, bool subNames) const;
    // The rows an import of count records may change: those it replaces and those it takes.
    std::vector<int> RowsTouched(int count) const;
    // Rows the list can still take: every row for a replacing import, the free ones otherwise.
    int FreeRows() const;
    // The first count records into rows.
    void ReadRows(const Records& records, int count, const CString& photoFolder);
    LineResult ImportLine(std::span<const std::string_view> fields, int position, const CString& photoFolder,
                          bool& photoRead);
    LineResult AttachPhoto(const CString& path, int position, int photoIndex);
    bool HasRowAt(int position) const;
    void Pump();

    CZantobyDoc& m_doc;
    ImportCsvSettings m_settings;
    std::function<void()> m_pump;
    int m_rowCount = 0;
    // The file being read is one the CSV export wrote.
    bool m_exportSyntax = false;
    // No row below it is free: the import only takes rows, the lowest free one first.
    int m_freeRowFrom = 0;
    LeftOut m_leftOut;
};
