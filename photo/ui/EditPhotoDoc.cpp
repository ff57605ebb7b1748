#include "photo/ui/EditPhotoDoc.h"

#include "app/ui/MainFrame.h"
#include "app/ui/SaveChangesPrompt.h"
#include "app/ui/ZantobyApp.h"
#include "photo/EditorCommandIds.h"
#include "photo/ui/EditPhotoView.h"
#include "platform/ui/UpdateUiCheck.h"
#include "platform/ui/WxText.h"

#include <wx/filename.h>

namespace {

constexpr int ID_VIEW_TOOLBAR = 59392;

CToolbarChoice::Bar BarOf(int id)
{
    return id == EditorCommand::kControlBox ? CToolbarChoice::kFormatBar : CToolbarChoice::kEditorBar;
}

} // namespace

wxClassInfo CEditPhotoDoc::ms_classInfo(wxT("CEditPhotoDoc"), &wxDocument::ms_classInfo, nullptr,
                                        static_cast<int>(sizeof(CEditPhotoDoc)),
                                        CEditPhotoDoc::wxCreateObject);

wxObject* CEditPhotoDoc::wxCreateObject()
{
    return new CEditPhotoDoc();
}

CEditPhotoDoc::CEditPhotoDoc() : m_model(m_host)
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
    // Editor paths ("list?photo") never enter the recent files.
    SetFilename(path, true);
    SetTitle(wxFileName(path).GetFullName());
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
    return CSaveChangesPrompt::Run(*this, FromWx(GetTitle()));
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
    CMainFrame* frame = wxGetApp().GetMainFrame();
    if (frame == nullptr) {
        return;
    }
    CToolbarChoice& choice = frame->GetToolbarChoice();
    choice.SetWanted(BarOf(event.GetId()), !choice.IsWanted(BarOf(event.GetId())));
    wxGetApp().RefreshListFrames(CToolbarChoice::kPhotoEditor);
}

void CEditPhotoDoc::OnUpdateViewToolbar(wxUpdateUIEvent& event)
{
    CMainFrame* frame = wxGetApp().GetMainFrame();
    SetCheckIfCheckable(event, frame != nullptr && frame->GetToolbarChoice().IsWanted(BarOf(event.GetId())));
}
