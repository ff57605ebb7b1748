#include "app/ui/ListDocument.h"

#include "app/VersionInfo.h"
#include "app/ui/GridView.h"
#include "app/ui/ZantobyApp.h"
#include "list/ZantobyDoc.h"
#include "platform/MessageBox.h"
#include "platform/ui/WxText.h"

// Registered under the list document's own name, which the templates and lookups go by.
wxClassInfo CListDocument::ms_classInfo(wxT("CZantobyDoc"), &wxDocument::ms_classInfo, nullptr,
                                        static_cast<int>(sizeof(CListDocument)),
                                        CListDocument::wxCreateObject);

wxObject* CListDocument::wxCreateObject()
{
    return new CListDocument();
}

CListDocument::CListDocument() : m_list(std::make_unique<CZantobyDoc>(wxGetApp())) {}

CListDocument::~CListDocument() = default;

void CListDocument::FollowPath()
{
    const wxString path = ToWx(m_list->GetPathName());
    SetFilename(path, true);
    SetTitle(ToWx(m_list->GetTitle()));
    SetDocumentSaved(!path.empty() && m_list->workPath.IsEmpty());
}

void CListDocument::InitialUpdate()
{
    for (wxView* view : GetViewsVector()) {
        if (auto* grid = wxDynamicCast(view, CGridView)) {
            grid->InitialUpdate();
        }
    }
}

bool CListDocument::OnNewDocument()
{
    if (!m_list->OnNewDocument()) {
        return false;
    }
    FollowPath();
    InitialUpdate();
    return true;
}

bool CListDocument::OnOpenDocument(const wxString& file)
{
    if (!m_list->OnOpenDocument(FromWx(file))) {
        return false;
    }
    FollowPath();
    InitialUpdate();
    return true;
}

bool CListDocument::OnSaveDocument(const wxString& file)
{
    if (!m_list->OnSaveDocument(FromWx(file))) {
        return false;
    }
    FollowPath();
    return true;
}

bool CListDocument::Save()
{
    if (!m_list->DoSave()) {
        return false;
    }
    FollowPath();
    return true;
}

bool CListDocument::SaveAs()
{
    // A list keeps its photo folders beside its file, so it is saved where it is; an untitled
    // list asks for its file.
    return Save();
}

bool CListDocument::OnSaveModified()
{
    if (!IsModified()) {
        return true;
    }
    CString text;
    text.Format("%s への変更を保存しますか?", m_list->GetTitle().GetString());
    switch (ShowMessageBox(text, kProductName, MB_YESNOCANCEL | MB_ICONQUESTION)) {
    case IDYES:
        return Save();
    case IDNO:
        Modify(false);
        return true;
    default:
        return false;
    }
}

bool CListDocument::OnCloseDocument()
{
    m_list->OnCloseDocument();
    return wxDocument::OnCloseDocument();
}

bool CListDocument::IsModified() const
{
    return m_list->IsModified();
}

void CListDocument::Modify(bool modified)
{
    m_list->SetModifiedFlag(modified);
    wxDocument::Modify(modified);
}
