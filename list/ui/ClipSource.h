#pragma once

#include "grid/OleDataObject.h"
#include "list/ClipTable.h"

#include <wx/dataobj.h>

class Bitmap;
class IListHost;

// A clipboard and drag source for a cell table: the caller fills the table, then asks for each
// form it offers (the private format, text, a file list, an image) before the source goes on the
// clipboard or into a drag.
class CClipSource : public wxDataObjectComposite
{
  public:
    // Failures are reported through the host's error report.
    explicit CClipSource(IListHost& host) : m_host(host) {}

    CClipTable& Table() { return m_table; }

    // Renders the table into one form; an image is CacheDib's, and a form already offered is
    // kept. False when rendering failed.
    bool CacheFormat(COleDataObject::Format format);
    // Offers an image; false for an empty one.
    bool CacheDib(const Bitmap& image);

    // Hands the source to the clipboard, which owns it from then on (it is deleted when the
    // clipboard cannot be opened). False then.
    static bool PutOnClipboard(CClipSource* source);

  private:
    bool Offers(const wxDataFormat& format) const;

    IListHost& m_host;
    CClipTable m_table;
};
