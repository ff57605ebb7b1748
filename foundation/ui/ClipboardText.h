#pragma once

#include "platform/CString.h"

class wxCustomDataObject;
class wxDataFormat;

// Text on the clipboard and in the program's own clipboard formats, which carry CP932 bytes
// followed by their terminating zero byte.
class CClipboardText
{
  public:
    // Puts text on the clipboard as plain text; false when the clipboard cannot be opened.
    static bool CopyToClipboard(const CString& text);
    // The plain text on the clipboard; false when there is none.
    static bool ReadFromClipboard(CString& text);

    // A data object of the format holding the text and its terminator.
    static wxCustomDataObject* ToGlobalMemory(const wxDataFormat& format, const CString& text);
    // The text of such a data object, up to its first terminator; false for none.
    static bool FromGlobalMemory(const wxCustomDataObject* data, CString& text);
};
