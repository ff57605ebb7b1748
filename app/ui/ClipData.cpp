#include "app/ui/ClipData.h"

#include "foundation/ui/ClipboardText.h"
#include "list/IListHost.h"
#include "platform/Bitmap.h"
#include "platform/ui/WxBitmap.h"
#include "platform/ui/WxText.h"

#include <wx/clipbrd.h>

#include <exception>

void CClipData::ReadClipboard()
{
    m_clipboard = COleDataObject();
    wxClipboardLocker locker;
    if (!locker) {
        return;
    }
    const wxDataFormat own(ToWx(CClipTable::kFormatName));
    if (wxTheClipboard->IsSupported(own)) {
        wxCustomDataObject custom(own);
        CString text;
        if (wxTheClipboard->GetData(custom) && CClipboardText::FromGlobalMemory(&custom, text)) {
            m_clipboard.SetPrivateData(
                CClipTable::kFormatName,
                std::vector<unsigned char>(text.GetString(), text.GetString() + text.GetLength() + 1));
        }
    } else if (wxTheClipboard->IsSupported(wxDF_FILENAME)) {
        wxFileDataObject files;
        if (wxTheClipboard->GetData(files)) {
            CStringArray paths;
            for (const wxString& name : files.GetFilenames()) {
                paths.Add(FromWx(name));
            }
            m_clipboard.SetFiles(paths);
        }
    } else if (wxTheClipboard->IsSupported(wxDF_UNICODETEXT)) {
        wxTextDataObject text;
        if (wxTheClipboard->GetData(text)) {
            CString lost;
            const CString converted = FromWx(text.GetText(), lost);
            m_clipboard.SetText(converted, lost);
        }
    }
    EnsurePngHandler();
    if (wxTheClipboard->IsSupported(wxDF_BITMAP)) {
        wxBitmapDataObject image;
        if (wxTheClipboard->GetData(image)) {
            m_clipboard.SetImage(FromWxImage(image.GetBitmap().ConvertToImage()));
        }
    }
}

bool CClipData::Read(const COleDataObject* data)
{
    try {
        m_data = data;
        if (m_data == nullptr) {
            ReadClipboard();
            m_data = &m_clipboard;
        }
        m_table.ReadFrom(*m_data);
        return true;
    } catch (const std::exception&) {
        m_host.ReportError(nullptr, "ClipData", __LINE__);
        return false;
    }
}

bool CClipData::GetDib(Bitmap& image) const
{
    if (m_data == nullptr || m_data->GetImage().IsEmpty()) {
        return false;
    }
    image = m_data->GetImage();
    return true;
}
