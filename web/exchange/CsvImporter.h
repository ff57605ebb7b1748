#pragma once

#include "app/ImportCsvSettings.h"
#include "platform/CString.h"

#include <functional>

class CStdioFile;
class CStringArray;
class CZantobyDoc;

// Reads a delimited Shift_JIS text file into a list: one row per line, one field per column,
// then up to 20 fields naming photo files that are registered and attached to the row. Fields
// are read as the CSV export writes them, quotes removed and escapes undone.
class CCsvImporter
{
  public:
    CCsvImporter(CZantobyDoc& doc, const ImportCsvSettings& settings);

    // Keeps the windows alive between rows (the dialog pumps its messages here).
    void SetPump(std::function<void()> pump) { m_pump = std::move(pump); }

    // Imports the file through the document's set-cell and photo operations, without undo
    // steps. Only the imported rows are shown afterwards; a replacing import drops the rows
    // there were. False when the file was not read at all (the user has been told why).
    bool Import(const CString& path);
    // Rows taken in by the last import.
    int GetRowCount() const { return m_rowCount; }

    // The start of a file for a preview: at most 20 pieces of at most 1,023 bytes, each line
    // (or the piece of a long line) ending in a line feed. Empty when the file cannot be read.
    static CString ReadPreview(const CString& path);

  private:
    enum class LineResult
    {
        Next,
        Stop
    };

    void ReadRows(CStdioFile& file, const CString& photoFolder);
    LineResult ImportLine(const CStringArray& fields, int position, const CString& photoFolder,
                          bool& photoRead);
    LineResult AttachPhoto(const CString& path, int position, int photoIndex);
    bool HasRowAt(int position) const;
    void Pump();

    CZantobyDoc& m_doc;
    ImportCsvSettings m_settings;
    std::function<void()> m_pump;
    int m_rowCount = 0;
};
