#pragma once

#include "photo/IPhotoEditorHost.h"

// The photo editor's services from the running application: the open lists, its message
// tables, the error report and the private temporary folder.
class CEditorHost : public IPhotoEditorHost
{
  public:
    CZantobyDoc* FindListDocument(const CString& path) override;
    void ShowWarningMessage(int id, const CString& first, const CString& second) override;
    void Beep() override;
    CString GetTempFolder() override;
    void ReportError(const char* message, const char* sourceFile, int line) override;
    void ShowErrorMessage(int id, const CString& argument) override;
    CString GetVersionString() override;
};
