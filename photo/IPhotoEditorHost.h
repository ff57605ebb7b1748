#pragma once

#include "list/drawing/IDrawingHost.h"
#include "platform/CString.h"

class CZantobyDoc;

// What the photo editor needs of the application beyond the drawing data's reports: the open
// list documents, warnings with two texts, the beep and the temporary folder. The application
// implements it; tests use a recording fake.
class IPhotoEditorHost : public IDrawingHost
{
  public:
    // The open list document whose path is exactly path, or null.
    virtual CZantobyDoc* FindListDocument(const CString& path) = 0;
    // Warning box number id (3xxxx) with its "%s" places filled in order.
    virtual void ShowWarningMessage(int id, const CString& first, const CString& second) = 0;
    virtual void Beep() = 0;
    // The process's private temporary folder, with a trailing "/".
    virtual CString GetTempFolder() = 0;
};
