#pragma once

#include "list/reading/ListColumnsReader.h"
#include "list/reading/ListEditorReader.h"
#include "list/reading/ListFileLine.h"
#include "list/reading/ListOutputReader.h"
#include "list/reading/ListPageReader.h"
#include "list/reading/ListPhotoFiles.h"
#include "list/reading/ListPhotosReader.h"
#include "list/reading/ListRowsReader.h"
#include "platform/CString.h"

#include <string_view>
#include <vector>

class CZantobyDoc;

// Reads a list file of any layout into a freshly reset list document: hands each line to the
// reader of its section, by the file's version number; opening a list also takes the list's lock
// file. What a damaged file gets wrong (cell slots, photo references) is repaired and reported.
class CListFileReader
{
  public:
    enum Flags
    {
        ReadSettings = 1, // [informations] to [page] and the photo folder's name
        ReadRows = 2,     // [products]
        ReadPhotos = 4,   // the photo lines of [photos]
        ApplyDisplay = 8, // show the rows as the settings say after reading
        ReadAll = 15,
    };

    explicit CListFileReader(CZantobyDoc& doc);
    // The section readers hold the reader's own line, path and repairs.
    CListFileReader(const CListFileReader&) = delete;
    CListFileReader& operator=(const CListFileReader&) = delete;

    // True when the whole file was read. Reading rows takes the lock file (the list path with
    // "$"); when another program holds it the user may open the list read-only.
    bool Read(const CString& path, int flags);

  private:
    void ReadLines(const std::string& text);
    void HandleLine(std::string_view line);
    void Dispatch();
    void RepairColumnSlots();
    void ApplyDisplayOrder();

    CZantobyDoc& m_doc;
    CString m_path;
    int m_flags = 0;
    int m_section = 0;
    int m_lineNumber = 0;
    CListFileLine m_line;
    std::vector<CString> m_repairs;
    CListPhotoFiles m_photoFiles;
    CListColumnsReader m_columns;
    CListEditorReader m_editor;
    CListOutputReader m_output;
    CListPageReader m_page;
    CListRowsReader m_rows;
    CListPhotosReader m_photos;
};
