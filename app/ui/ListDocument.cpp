#include "app/ui/ListDocument.h"

#include "app/ui/GridView.h"
#include "app/ui/SaveChangesPrompt.h"
#include "app/ui/ZantobyApp.h"
#include "list/ListCommands.h"
#include "list/ZantobyDoc.h"
#include "platform/ui/WxText.h"

// Registered under the list document's own name, which the templates and lookups go by.
wxClassInfo CListDocument::ms_classInfo(wxT("CZantobyDoc"), &wxDocument::ms_classInfo, nullptr,
                                        static_cast<int>(sizeof(CListDocument)),
                                        CListDocument::wxCreateObject);

wxObject* CListDocument::wxCreateObject()
{
    return new CListDocument();
}

namespace {

constexpr int ID_LIST_PROPERTIES = 32887;
constexpr int ID_BACKUP = 32888;
constexpr int ID_IMPORT_CSV = 32885;
constexpr int ID_EXPORT_CSV = 32886;
constexpr int ID_PRINT_IN_MODE = 33064;
constexpr int ID_PRINT_MODE_FIRST = 33065;
constexpr int ID_PRINT_MODE_LAST = 33068;
constexpr int ID_PAGE_SETUP = 57605;
constexpr int ID_FIND = 32780;
constexpr int ID_FIND_NEXT = 32870;
constexpr int ID_FIND_PREVIOUS = 32872;
constexpr int ID_EXTRACT = 57636;
constexpr int ID_HIDE_ALL = 32786;
constexpr int ID_SHOW_ALL = 32787;
constexpr int ID_SORT_SETTINGS = 32837;
constexpr int ID_BULK_IMPORT = 32812;
constexpr int ID_CONTINUOUS_IMPORT = 32866;
constexpr int ID_CREATE_WEB = 32876;
constexpr int ID_INPUT_CHECK = 32860;
constexpr int ID_LIST_INFO = 32809;

} // namespace

CListDocument::CListDocument() : m_list(std::make_unique<CZantobyDoc>(wxGetApp()))
{
    BindCommands();
}

void CListDocument::BindCommands()
{
    const std::pair<int, void (CListCommands::*)()> commands[] = {
        {ID_LIST_PROPERTIES, &CListCommands::OnListProperties},
        {ID_BACKUP, &CListCommands::OnBackup},
        {ID_IMPORT_CSV, &CListCommands::OnImportCsv},
        {ID_EXPORT_CSV, &CListCommands::OnExportCsv},
        {ID_PAGE_SETUP, &CListCommands::OnPageSetup},
        {ID_FIND, &CListCommands::OnFind},
        {ID_FIND_NEXT, &CListCommands::OnFindNext},
        {ID_FIND_PREVIOUS, &CListCommands::OnFindPrevious},
        {ID_EXTRACT, &CListCommands::OnExtract},
        {ID_HIDE_ALL, &CListCommands::OnHideAll},
        {ID_SHOW_ALL, &CListCommands::OnShowAll},
        {ID_SORT_SETTINGS, &CListCommands::OnSortSettings},
        {ID_BULK_IMPORT, &CListCommands::OnBulkImport},
        {ID_CONTINUOUS_IMPORT, &CListCommands::OnContinuousImport},
        {ID_CREATE_WEB, &CListCommands::OnCreateWeb},
        {ID_INPUT_CHECK, &CListCommands::OnInputCheck},
        {ID_LIST_INFO, &CListCommands::OnListInfo},
    };
    for (const auto& [id, handler] : commands) {
        Bind(
            wxEVT_MENU, [this, handler = handler](wxCommandEvent&) { (CListCommands(*m_list).*handler)(); },
            id);
    }
    Bind(
        wxEVT_MENU, [this](wxCommandEvent& event) { CListCommands(*m_list).OnPrint(event.GetId()); },
        ID_PRINT_IN_MODE, ID_PRINT_MODE_LAST);

    for (int id : {ID_BACKUP, ID_IMPORT_CSV, ID_EXPORT_CSV}) {
        Bind(
            wxEVT_UPDATE_UI, [](wxUpdateUIEvent& event) { event.Enable(true); }, id);
    }
    Bind(
        wxEVT_UPDATE_UI,
        [this](wxUpdateUIEvent& event) {
            event.Enable(true);
            event.Check(CListCommands(*m_list).IsPrintModeChecked(event.GetId()));
        },
        ID_PRINT_MODE_FIRST, ID_PRINT_MODE_LAST);
    for (int id : {ID_BULK_IMPORT, ID_CREATE_WEB, ID_INPUT_CHECK}) {
        Bind(
            wxEVT_UPDATE_UI,
            [this](wxUpdateUIEvent& event) { event.Enable(CListCommands(*m_list).CanChangeList()); }, id);
    }
    Bind(
        wxEVT_UPDATE_UI,
        [this](wxUpdateUIEvent& event) {
            event.Enable(true);
            event.Check(CListCommands(*m_list).IsContinuousImportChecked());
        },
        ID_CONTINUOUS_IMPORT);
}

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
        if (auto* grid = dynamic_cast<CGridView*>(view)) {
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
    // Saving a photo's drawing changes the list, and the list closes its editors as it closes:
    // they are asked about their changes first.
    const wxString editorPrefix = GetFilename() + "?";
    for (wxDocument* doc : GetDocumentManager()->GetDocumentsVector()) {
        if (doc != this && doc->GetFilename().StartsWith(editorPrefix) && !doc->OnSaveModified()) {
            return false;
        }
    }
    return CSaveChangesPrompt::Run(*this, m_list->GetTitle());
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
