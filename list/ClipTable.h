#pragma once

#include "foundation/StringArrayEx.h"
#include "platform/CString.h"

#include <deque>
#include <vector>

class COleDataObject;
class CZantobyDoc;

// A table of tagged cells that carries texts and photos between lists, the bulk-import grid and
// other programs, with the layouts of the program's private clipboard format, of plain text and
// of a file list.
class CClipTable
{
  public:
    // The private clipboard format that carries rows and cells.
    static constexpr const char* kFormatName = "Zantoby2 Object";

    // The list the cells were taken from (null for a table of files); its path goes into the
    // private format's header.
    CZantobyDoc* sourceDocument = nullptr;
    // The path read from a private format's header; empty for any other source.
    CString sourcePath;

    // Cells: a tag followed by its value; an empty string is an empty cell.
    void SetText(const CString& text, int column, int row);
    void SetPhotoId(int photo, int column, int row);
    void SetPhotoFileName(const CString& path, int column, int row);
    // Rows and the row's cells before the column are added as needed (empty).
    void SetCell(const CString& raw, int column, int row);
    // Outside the table: an empty cell, an empty text, photo -1.
    CString GetCell(int column, int row) const;
    // The value of a text or photo-file cell.
    CString GetText(int column, int row) const;
    int GetPhotoId(int column, int row) const;
    CString GetPhotoFileName(int column, int row) const;
    int GetRowCount() const { return static_cast<int>(m_rows.size()); }
    // The longest row's cell count.
    int GetColumnCount() const;

    // Photo files that go with the cells, or dropped files, each path once (exact bytes).
    // Returns the new index, -1 when the path was there.
    int AddFileName(const CString& path);
    CString GetFileName(int index) const { return m_fileNames[index]; }
    int GetFileCount() const { return m_fileNames.GetSize(); }

    // Empties rows, file names and the source path.
    void Clear();

    // The private format: a header naming the source list, then one line of quoted, escaped
    // cells per row, every row as wide as the widest.
    CString ToPrivateFormat() const;
    // Plain text as spreadsheets write it: TAB-separated texts, CR LF between rows; a text
    // holding a TAB or a line break, or beginning with a quote, is quoted, its quotes doubled;
    // a blank last line keeps its line break.
    CString ToText() const;
    // The files a file list offers: the file names, or else the photo-file cells.
    CStringArray GetDropFileNames() const;

    // Each reading replaces the table.
    void ReadPrivateFormat(const CString& text);
    void ReadFileNames(const CStringArray& files);
    // Plain text as spreadsheets write it (see ToText). A quote opens a quoted field only at
    // the start of a field, and only when the quote that closes it ends the field; otherwise it
    // is text. Rows end at CR LF, LF or CR.
    void ReadText(const CString& text);
    // The first of private format, file list and text that the data brings.
    void ReadFrom(const COleDataObject& data);

  private:
    // A string list is copied, never moved, so rows stay where a growing table leaves them.
    std::deque<CStringArrayEx> m_rows;
    CStringArrayEx m_fileNames;
};
