#include "photo/ui/EditPhotoDoc.h"

#include "foundation/PathName.h"
#include "photo/EditorCommandIds.h"
#include "photo/ui/EditPhotoView.h"
#include "photo/ui/EditorServices.h"
#include "photo/ui/IEditorWindowHost.h"
#include "platform/ui/UpdateUiCheck.h"
#include "platform/ui/WxText.h"

#include <wx/filename.h>

namespace {

constexpr int ID_VIEW_TOOLBAR = 59392;

IEditorWindowHost::Toolbar BarOf(int id)
{
    return id == EditorCommand::kControlBox ? IEditorWindowHost::Toolbar::kFormat
                                            : IEditorWindowHost::Toolbar::kEditor;
}

} // namespace

wxClassInfo CEditPhotoDoc::ms_classInfo(wxT("CEditPhotoDoc"), &wxDocument::ms_classInfo, nullptr,
                                        static_cast<int>(sizeof(CEditPhotoDoc)),
                                        CEditPhotoDoc::wxCreateObject);

wxObject* CEditPhotoDoc::wxCreateObject()
{
    return new CEditPhotoDoc();
}

CEditPhotoDoc::CEditPhotoDoc() : m_host(CEditorServices::Host()), m_model(m_host)
{
    Bind(wxEVT_MENU, &CEditPhotoDoc::OnViewToolbar, this, ID_VIEW_TOOLBAR);
    Bind(wxEVT_MENU, &CEditPhotoDoc::OnViewToolbar, this, EditorCommand::kControlBox);
    Bind(wxEVT_UPDATE_UI, &CEditPhotoDoc::OnUpdateViewToolbar, this, ID_VIEW_TOOLBAR);
    Bind(wxEVT_UPDATE_UI, &CEditPhotoDoc::OnUpdateViewToolbar, this, EditorCommand::kControlBox);
}

CEditPhotoDoc::~CEditPhotoDoc() = default;

CEditPhotoView* CEditPhotoDoc::GetEditView() const
{
    return dynamic_cast<CEditPhotoView*>(GetFirstView());
}

void CEditPhotoDoc::TakePath(const wxString& path)
{
    // An editor path ("list?photo") is no name for a person: a list's photo is named by the
    // list's file and the photo's own file.
    wxString title = wxFileName(path).GetFullName();
    if (m_model.photoIndex >= 0) {
        CString name;
        name.Format("%s 写真[%s]", GetFileNameOfPath(m_model.listPath).GetString(),
                    GetFileNameOfPath(m_model.originalPath).GetString());
        title = ToWx(name);
    }
    SetTitle(title);
    // Editor paths never enter the recent files.
    SetFilename(path, true);
}

bool CEditPhotoDoc::OnOpenDocument(const wxString& file)
{
    if (!m_model.Open(FromWx(file))) {
        return false;
    }
    TakePath(file);
    SetDocumentSaved(true);
    if (CEditPhotoView* view = GetEditView()) {
        view->InitialUpdate();
    }
    return true;
}

bool CEditPhotoDoc::OnSaveDocument(const wxString&)
{
    return m_model.Save();
}

bool CEditPhotoDoc::Save()
{
    return OnSaveDocument(GetFilename());
}

bool CEditPhotoDoc::OnSaveModified()
{
    return CEditorServices::Windows().AskToSaveChanges(*this, FromWx(GetTitle()));
}

bool CEditPhotoDoc::OnCloseDocument()
{
    m_model.Close();
    return wxDocument::OnCloseDocument();
}

void CEditPhotoDoc::Modify(bool modified)
{
    // The framework's own changes of the flag make no undo step.
    m_model.SetModifiedOnly(modified);
    wxDocument::Modify(modified);
}

void CEditPhotoDoc::OnViewToolbar(wxCommandEvent& event)
{
    IEditorWindowHost& windows = CEditorServices::Windows();
    if (windows.GetMainFrame() == nullptr) {
        return;
    }
    windows.SetToolbarWanted(BarOf(event.GetId()), !windows.IsToolbarWanted(BarOf(event.GetId())));
    windows.ShowEditorBars();
}

void CEditPhotoDoc::OnUpdateViewToolbar(wxUpdateUIEvent& event)
{
    SetCheckIfCheckable(event, CEditorServices::Windows().IsToolbarWanted(BarOf(event.GetId())));
}
