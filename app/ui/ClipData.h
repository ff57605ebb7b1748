#pragma once

#include "app/ClipTable.h"
#include "grid/OleDataObject.h"

class Bitmap;
class IListHost;

// Reads cells, files or an image from a drop or from the clipboard into a cell table.
class CClipData
{
  public:
    explicit CClipData(IListHost& host) : m_host(host) {}

    // From the drop's data, or from the clipboard when there is none. False, with the failure
    // reported, when reading failed; an empty clipboard gives an empty table.
    bool Read(const COleDataObject* data);
    CClipTable& Table() { return m_table; }
    // The image the data brought; false when there is none.
    bool GetDib(Bitmap& image) const;
    CString GetFileName(int index) const { return m_table.GetFileName(index); }
    // The characters of a text from another program that had no Shift_JIS code and stand as
    // "?" in the table ("U+20BB7"), empty when none.
    CString GetLostCharacters() const { return m_data != nullptr ? m_data->GetLostCharacters() : CString(); }

  private:
    // The clipboard's forms, as a drop would bring them.
    void ReadClipboard();

    IListHost& m_host;
    COleDataObject m_clipboard;
    const COleDataObject* m_data = nullptr;
    CClipTable m_table;
};
