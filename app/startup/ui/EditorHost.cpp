#include "app/startup/ui/EditorHost.h"

#include "app/listwindow/ui/ListDocument.h"
#include "app/startup/ui/ZantobyApp.h"
#include "app/startup/ui/ZantobyDocManager.h"
#include "foundation/FileUtility.h"
#include "foundation/ui/DocumentLookup.h"
#include "platform/MessageBox.h"

#include <wx/utils.h>

CZantobyDoc* CEditorHost::FindListDocument(const CString& path)
{
    wxDocManager* manager = wxGetApp().GetDocManager();
    if (manager == nullptr) {
        return nullptr;
    }
    wxDocument* document = CDocumentLookup::FindDocumentByPath(*manager, path);
    if (document == nullptr || !document->IsKindOf(wxCLASSINFO(CListDocument))) {
        return nullptr;
    }
    return &static_cast<CListDocument*>(document)->List();
}

void CEditorHost::ShowWarningMessage(int id, const CString& first, const CString& second)
{
    wxGetApp().IListHost::ShowWarningMessage(id, MB_OK, first.GetString(), second.GetString());
}

void CEditorHost::Beep()
{
    wxBell();
}

CString CEditorHost::GetTempFolder()
{
    return ::GetTempFolder();
}

void CEditorHost::ReportError(const char* message, const char* sourceFile, int line)
{
    wxGetApp().ReportError(message, sourceFile, line);
}

void CEditorHost::ShowErrorMessage(int id, const CString& argument)
{
    wxGetApp().IListHost::ShowErrorMessage(id, MB_OK, argument.GetString());
}

CString CEditorHost::GetVersionString()
{
    return wxGetApp().GetVersionString();
}
