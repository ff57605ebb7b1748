#pragma once

#include "platform/CString.h"

#include <cstdint>
#include <string>
#include <vector>

class CZantobyDoc;
class ColumnRecord;
struct HeaderFooterSettings;

// Writes a list document as a list file in the newest layout: the head and the seven sections
// in their fixed order, Shift_JIS with CR LF. The file on disk is replaced only when the new
// one is complete.
class CListFileWriter
{
  public:
    explicit CListFileWriter(CZantobyDoc& doc) : m_doc(doc) {}

    // The whole file for the path named in its head. Rows without a valid time of change are
    // stamped with the current time, and a sample list's Web folder becomes "%Default%", as
    // they are written. Shows each section's progress text.
    std::string Format(const CString& path);

    // Writes the file through a file beside it. False when that file cannot be created; a
    // failed write throws CFileException and leaves the old file as it was.
    bool Write(const CString& path);

    // Makes Write fail after this many bytes, as a crash or a full disk would (-1: never).
    std::int64_t failAfterBytes = -1;

  private:
    void Line(const char* text = "");
    void Line(const CString& text) { Line(text.GetString()); }
    void SectionStart(int section);
    void WriteHead(const CString& path);
    void WriteInformations();
    void WriteColumns();
    // The line of a column with a type, behind its key.
    CString ColumnLine(const ColumnRecord& column) const;
    void WriteEditor();
    void WriteOutput();
    void WritePage();
    CString HeaderFooterLine(const char* key, const HeaderFooterSettings& settings) const;
    void WriteProducts();
    void AppendRow(int row);
    void WritePhotos();

    CZantobyDoc& m_doc;
    std::string m_out;
    std::vector<int> m_typedSlots; // slots of the columns in use, in order, while rows are written
};
