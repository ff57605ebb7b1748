#pragma once

#include "app/ExportCsvSettings.h"
#include "platform/CString.h"

#include <string>
#include <vector>

class CZantobyDoc;
class IListHost;

// Writes the rows of a list to a delimited Shift_JIS text file: the column names when asked,
// then one line per row with one field per column, texts quoted and escaped so that the CSV
// import reads every value back as it was.
class CCsvExporter
{
  public:
    CCsvExporter(CZantobyDoc& doc, const ExportCsvSettings& settings);

    // Writes the file, replacing it only when complete. A failure goes to the error report and
    // gives false; the file then keeps what it held.
    bool Write(const CString& path);

    // A chosen name without an extension gets ".csv"; the file dialog asked about replacing the
    // name as typed, so replacing the file of the longer name is asked here. False when the
    // user keeps that file.
    static bool ConfirmPath(CString& path, IListHost& host);

  private:
    // Row indices in the order they are written: the shown rows as shown, or every row in use in
    // the list's sort order.
    std::vector<int> RowsToWrite() const;
    void AppendHeader(std::string& text) const;
    void AppendRow(std::string& line, int row) const;

    CZantobyDoc& m_doc;
    ExportCsvSettings m_settings;
};
