#include "foundation/ui/DocumentLookup.h"

#include "platform/ui/WxText.h"

#include <wx/docview.h>

namespace {

bool IsOfClass(const wxObject& object, const char* className)
{
    return className == nullptr || object.GetClassInfo()->GetClassName() == ToWx(className);
}

} // namespace

wxDocTemplate* CDocumentLookup::FindDocTemplate(wxDocManager& manager, const char* className)
{
    for (wxObject* item : manager.GetTemplates()) {
        auto* candidate = static_cast<wxDocTemplate*>(item);
        wxClassInfo* info = candidate->GetDocClassInfo();
        if (info != nullptr && className != nullptr && info->GetClassName() == ToWx(className)) {
            return candidate;
        }
    }
    return nullptr;
}

wxDocument* CDocumentLookup::OpenDocumentOfType(wxDocManager& manager, const CString& path,
                                                const char* className)
{
    if (className == nullptr) {
        return manager.CreateDocument(ToWx(path), wxDOC_SILENT);
    }
    wxDocTemplate* type = FindDocTemplate(manager, className);
    if (type == nullptr) {
        return nullptr;
    }
    const long flags = path.IsEmpty() ? wxDOC_NEW : wxDOC_SILENT;
    wxDocument* document = type->CreateDocument(ToWx(path), flags);
    if (document == nullptr) {
        return nullptr;
    }
    document->SetDocumentName(type->GetDocumentName());
    document->SetDocumentTemplate(type);
    const bool opened = path.IsEmpty() ? document->OnNewDocument() : document->OnOpenDocument(ToWx(path));
    if (!opened) {
        document->DeleteAllViews();
        return nullptr;
    }
    document->Activate();
    return document;
}

wxDocument* CDocumentLookup::FindDocumentByPath(wxDocManager& manager, const CString& path)
{
    const wxString wanted = ToWx(path);
    for (wxDocument* document : manager.GetDocumentsVector()) {
        if (document->GetFilename() == wanted) {
            return document;
        }
    }
    return nullptr;
}

int CDocumentLookup::GetDocumentCount(wxDocManager& manager)
{
    return static_cast<int>(manager.GetDocumentsVector().size());
}

void CDocumentLookup::UpdateDocumentsOfClass(wxDocManager& manager, const char* className, int hint,
                                             void* hintObject)
{
    CUpdateHint update(hint, hintObject);
    for (wxDocument* document : manager.GetDocumentsVector()) {
        if (IsOfClass(*document, className)) {
            document->UpdateAllViews(nullptr, &update);
        }
    }
}
