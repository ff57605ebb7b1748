#pragma once

#include "platform/CString.h"

#include <string_view>
#include <vector>

class CZantobyDoc;
class ColumnRecord;
struct HeaderFooterSettings;

// Reads a list file of any layout into a freshly reset list document, choosing its parsers by
// the file's version number; opening a list also takes the list's lock file. What a damaged
// file gets wrong (cell slots, photo references) is repaired and reported.
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

    explicit CListFileReader(CZantobyDoc& doc) : m_doc(doc) {}

    // True when the whole file was read. Reading rows takes the lock file (the list path with
    // "$"); when another program holds it the user may open the list read-only.
    bool Read(const CString& path, int flags);

  private:
    bool TakeLock(const CString& path);
    void ReadLines(const std::string& text);
    void HandleLine(std::string_view line);
    void Dispatch(const CString& key);

    // Fields of the current line; beyond the end an empty text.
    std::string_view FieldView(int index) const;
    CString Field(int index) const { return CString(FieldView(index)); }
    int FieldCount() const { return static_cast<int>(m_fields.size()); }
    int Int(int index) const;
    bool Bool(int index) const;
    // A text field, unescaped in the layouts that escape texts.
    CString Text(int index) const;

    void ReadInformations(const CString& key);
    void ReadColumns(const CString& key);
    void ReadColumnLine(int index);
    void ReadColumnTypeFields(ColumnRecord& column, int first);
    void ReadEditor(const CString& key);
    void ReadOutput(const CString& key);
    void ReadOlderOutput(const CString& key);
    void ReadWebSortEntry(const CString& key, bool eightFields);
    void ReadPage(const CString& key);
    void ReadHeaderFooter(HeaderFooterSettings& settings);
    void ReadRow(int row);
    void ReadPhoto(int slot);
    // The photo folder's name, or the standard one in place of a name that leaves the folder.
    void ReadPhotoFolderName();

    // Measures the original JPEG of a photo slot; -1 and -1 when it cannot be read.
    void MeasurePhoto(int slot);
    // The original JPEG of a slot in the layout asked for.
    CString Original(int slot, bool flat) const;
    bool PhotoFileExists(const CString& path);

    void RepairColumnSlots();
    void RepairPhotoReferences();
    void RebuildMissingPictures();
    void ApplyDisplayOrder();

    CZantobyDoc& m_doc;
    CString m_path;
    int m_flags = 0;
    int m_version = 0;
    int m_section = 0;
    int m_lineNumber = 0;
    CString m_key; // the key and fields of the line being read, kept to reuse their room
    std::vector<std::string_view> m_fields;
    std::vector<int> m_typedSlots; // slots of the columns in use, in order, while rows are read
    std::vector<CString> m_repairs;
    // Whether the photo folder was there when first looked at during this read.
    CString m_photoFolder;
    bool m_photoFolderLooked = false;
    bool m_photoFolderExists = false;
};
