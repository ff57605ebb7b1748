#include "platform/ui/TypedTextCheck.h"

#include "platform/Cp932.h"
#include "platform/MessageBox.h"
#include "platform/UnmappableChars.h"

bool CTypedTextCheck::IsHeld(const wxString& text)
{
    const wxScopedCharBuffer utf8 = text.utf8_str();
    bool lossless = true;
    Cp932::FromUtf8(std::string_view(utf8.data(), utf8.length()), &lossless);
    return lossless;
}

bool CTypedTextCheck::Accepts(const wxString& text)
{
    if (IsHeld(text)) {
        return true;
    }
    const wxScopedCharBuffer utf8 = text.utf8_str();
    const CUnmappableChars unmappable(std::string_view(utf8.data(), utf8.length()));
    CString message;
    message.Format("■の文字はこのプログラムでは扱えません（%s）。\n別の文字に書き換えてください。\n\n%s",
                   unmappable.Codes().GetString(), unmappable.Marked().GetString());
    ShowMessageBox(message, CString(), MB_OK | MB_ICONEXCLAMATION);
    return false;
}
