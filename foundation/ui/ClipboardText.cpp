#include "foundation/ui/ClipboardText.h"

#include "platform/ui/WxText.h"

#include <wx/clipbrd.h>
#include <wx/dataobj.h>

#include <cstring>

bool CClipboardText::CopyToClipboard(const CString& text)
{
    wxClipboardLocker locker;
    if (!locker) {
        return false;
    }
    wxTheClipboard->SetData(new wxTextDataObject(ToWx(text)));
    return true;
}

bool CClipboardText::ReadFromClipboard(CString& text)
{
    wxClipboardLocker locker;
    if (!locker || !wxTheClipboard->IsSupported(wxDF_UNICODETEXT)) {
        return false;
    }
    wxTextDataObject data;
    if (!wxTheClipboard->GetData(data)) {
        return false;
    }
    text = FromWx(data.GetText());
    return true;
}

wxCustomDataObject* CClipboardText::ToGlobalMemory(const wxDataFormat& format, const CString& text)
{
    auto* data = new wxCustomDataObject(format);
    data->SetData(text.GetLength() + 1, text.GetString());
    return data;
}

bool CClipboardText::FromGlobalMemory(const wxCustomDataObject* data, CString& text)
{
    if (data == nullptr) {
        return false;
    }
    const char* bytes = static_cast<const char*>(data->GetData());
    const size_t size = data->GetSize();
    text = bytes != nullptr ? CString(std::string(bytes, strnlen(bytes, size))) : CString();
    return true;
}
