#include "list/ui/ClipSource.h"

#include "foundation/ui/ClipboardText.h"
#include "list/IListHost.h"
#include "platform/Bitmap.h"
#include "platform/ui/WxBitmap.h"
#include "platform/ui/WxText.h"

#include <wx/clipbrd.h>

#include <exception>

bool CClipSource::Offers(const wxDataFormat& format) const
{
    return GetObject(format) != nullptr;
}

bool CClipSource::CacheFormat(COleDataObject::Format format)
{
    try {
        switch (format) {
        case COleDataObject::Format::Private: {
            const wxDataFormat own(ToWx(CClipTable::kFormatName));
            if (!Offers(own)) {
                Add(CClipboardText::ToGlobalMemory(own, m_table.ToPrivateFormat()), true);
            }
            break;
        }
        case COleDataObject::Format::Text:
            if (!Offers(wxDF_UNICODETEXT)) {
                Add(new wxTextDataObject(ToWx(m_table.ToText())));
            }
            break;
        case COleDataObject::Format::Files: {
            const CStringArray names = m_table.GetDropFileNames();
            if (names.IsEmpty() || Offers(wxDF_FILENAME)) {
                break;
            }
            auto* files = new wxFileDataObject();
            for (const CString& name : names) {
                files->AddFile(ToWx(name));
            }
            Add(files);
            break;
        }
        default:
            break;
        }
        return true;
    } catch (const std::exception&) {
        m_host.ReportError(nullptr, "ClipSource", __LINE__);
        return false;
    }
}

bool CClipSource::CacheDib(const Bitmap& image)
{
    try {
        if (image.IsEmpty() || Offers(wxDF_BITMAP)) {
            return !image.IsEmpty();
        }
        EnsurePngHandler();
        Add(new wxBitmapDataObject(wxBitmap(ToWxImage(image))));
        return true;
    } catch (const std::exception&) {
        m_host.ReportError(nullptr, "ClipSource", __LINE__);
        return false;
    }
}

bool CClipSource::PutOnClipboard(CClipSource* source)
{
    wxClipboardLocker locker;
    if (!locker) {
        delete source;
        return false;
    }
    wxTheClipboard->SetData(source);
    return true;
}
