#include "app/startup/ui/AppCommands.h"

#include "app/find/GlobalFindForm.h"
#include "app/find/ui/GlobalFindDlg.h"
#include "app/frame/ui/MainFrame.h"
#include "app/listwindow/ui/GridView.h"
#include "app/listwindow/ui/ListDocument.h"
#include "app/listwindow/ui/ListGrid.h"
#include "app/settings/ConfigForm.h"
#include "app/settings/ui/AboutDlg.h"
#include "app/settings/ui/ConfigDlg.h"
#include "app/settings/ui/ErrorLogDlg.h"
#include "app/startup/NavigatorModel.h"
#include "app/startup/SampleCopy.h"
#include "app/startup/ui/NavigateDlg.h"
#include "app/startup/ui/OpenListDlg.h"
#include "app/startup/ui/ZantobyApp.h"
#include "app/startup/ui/ZantobyDocManager.h"
#include "foundation/FileUtility.h"
#include "foundation/ui/DocumentLookup.h"
#include "foundation/ui/SystemServices.h"
#include "list/IListView.h"
#include "list/ZantobyDoc.h"
#include "platform/ShowCommands.h"

#include <exception>

namespace {

constexpr char kSupportAddress[] = "https://www.zantoby.example/support/";

constexpr int ID_FILE_NEW = 57600;
constexpr int ID_FILE_OPEN = 57601;
constexpr int ID_OPEN_SAMPLE = 33070;
constexpr int ID_GLOBAL_EXTRACT = 32871;
constexpr int ID_SETTINGS = 32771;
constexpr int ID_APP_ABOUT = 57664;
constexpr int ID_ERROR_LOG = 32878;
constexpr int ID_HELP_INDEX = 32772;
constexpr int ID_TUTORIAL = 33071;
constexpr int ID_SUPPORT_PAGE = 33072;

} // namespace

CAppCommands::CAppCommands(CZantobyApp& app) : m_app(app)
{
    app.Bind(wxEVT_MENU, &CAppCommands::OnFileCommand, this, ID_FILE_NEW, ID_FILE_OPEN);
    app.Bind(wxEVT_MENU, &CAppCommands::OnFileCommand, this, ID_OPEN_SAMPLE);
    app.Bind(wxEVT_MENU, &CAppCommands::OnGlobalExtract, this, ID_GLOBAL_EXTRACT);
    app.Bind(wxEVT_MENU, &CAppCommands::OnSettings, this, ID_SETTINGS);
    app.Bind(wxEVT_MENU, &CAppCommands::OnAbout, this, ID_APP_ABOUT);
    app.Bind(wxEVT_MENU, &CAppCommands::OnErrorLog, this, ID_ERROR_LOG);
    app.Bind(wxEVT_MENU, &CAppCommands::OnHelpCommand, this, ID_HELP_INDEX);
    app.Bind(wxEVT_MENU, &CAppCommands::OnHelpCommand, this, ID_TUTORIAL, ID_SUPPORT_PAGE);
}

void CAppCommands::OnFileCommand(wxCommandEvent& event)
{
    switch (event.GetId()) {
    case ID_FILE_NEW:
        RunOpenNavigator(CNavigatorModel::kTemplateTab);
        break;
    case ID_FILE_OPEN:
        RunOpenNavigator(CNavigatorModel::kRecentTab);
        break;
    default:
        RunOpenNavigator(CNavigatorModel::kSampleTab);
        break;
    }
}

void CAppCommands::RunOpenNavigator(int mode)
{
    CZantobyDocManager* documents = m_app.GetDocManager();
    if (documents == nullptr) {
        return;
    }
    try {
        CNavigatorModel model;
        CStringArray recent;
        for (int i = 0; i < m_app.GetRecentFiles().GetCount(); ++i) {
            recent.Add(m_app.GetRecentFiles().GetPath(i));
        }
        // The samples the user tries are the user's own copy, never the program's files.
        const CSampleCopy samples(m_resourceFolder + "/Sample", CSampleCopy::GetUserFolder(),
                                  m_app.GetVersionString());
        model.Build(m_resourceFolder, samples.Prepare(), recent);
        model.ShowTab(mode);
        CNavigateDlg navigator(m_app.GetMainFrame(), model, m_app.Settings());
        if (navigator.ShowModal() != wxID_OK) {
            return;
        }
        const CNavigatorModel::OpenRequest request = model.GetOpenRequest();
        switch (request.kind) {
        case CNavigatorModel::OpenRequest::kNewList:
            CDocumentLookup::OpenDocumentOfType(*documents, CString(), "CZantobyDoc");
            break;
        case CNavigatorModel::OpenRequest::kOpenPath:
            if (request.pseudoPath) {
                CDocumentLookup::OpenDocumentOfType(*documents, request.path, "CZantobyDoc");
            } else {
                m_app.OpenDocumentFile(request.path);
            }
            break;
        case CNavigatorModel::OpenRequest::kChooseFile: {
            COpenListDlg chooser(m_app.GetMainFrame(), m_app.Settings());
            if (chooser.DoModal() == wxID_OK) {
                m_app.OpenDocumentFile(chooser.GetChosenPath());
            }
            break;
        }
        case CNavigatorModel::OpenRequest::kNothing:
            break;
        }
    } catch (const std::exception&) {
        m_app.ReportError(nullptr, __FILE__, __LINE__);
    }
    // The main window takes the keyboard back from the navigator only once the navigator has
    // gone, and gives it to the window that had it before: the list just opened takes it then.
    m_app.CallAfter([this] {
        CZantobyDocManager* documents = m_app.GetDocManager();
        if (auto* view =
                dynamic_cast<CGridView*>(documents != nullptr ? documents->GetCurrentView() : nullptr);
            view != nullptr && view->Grid() != nullptr) {
            view->Grid()->SetFocus();
        }
    });
}

void CAppCommands::OnGlobalExtract(wxCommandEvent&)
{
    try {
        if (!m_globalFind) {
            m_globalFind = std::make_unique<GlobalFindSettings>();
        }
        CGlobalFindForm form(*m_globalFind);
        CGlobalFindDlg dialog(m_app.GetMainFrame(), form);
        if (dialog.ShowModal() != CGlobalFindDlg::kExtractId) {
            return;
        }
        ApplyGlobalExtract();
    } catch (const std::exception&) {
        m_app.ReportError(nullptr, __FILE__, __LINE__);
    }
}

void CAppCommands::ApplyGlobalExtract()
{
    // The settings reach the lists only while this runs, and the opening flag only while the
    // folder's lists open, whatever ends it.
    struct Applying
    {
        CAppCommands& commands;
        explicit Applying(CAppCommands& owner) : commands(owner) { commands.m_applyingGlobalFind = true; }
        ~Applying()
        {
            commands.m_applyingGlobalFind = false;
            commands.m_globalFind->opening = false;
        }
    } applying(*this);

    for (wxDocument* document : m_app.GetDocManager()->GetDocumentsVector()) {
        if (auto* list = dynamic_cast<CListDocument*>(document)) {
            CZantobyDoc& doc = list->List();
            doc.ExtractByGlobalKeywords();
            doc.SortDisplayRows();
            doc.UpdateAllViews(nullptr, kHintAllRows);
        }
    }
    if (!m_globalFind->openFolderLists) {
        return;
    }
    m_globalFind->opening = true;
    const CString folder = m_globalFind->folder;
    CStringArray names;
    ListFiles(folder + "/*.zbk", &names, false);
    for (const CString& name : names) {
        m_app.Opening().OpenNow(folder + "/" + name);
        m_app.PumpMessages();
    }
}

void CAppCommands::OnSettings(wxCommandEvent&)
{
    CConfigForm form(m_app.Settings());
    CConfigDlg dialog(m_app.GetMainFrame(), form);
    if (dialog.ShowModal() != CConfigDlg::kApplyId) {
        return;
    }
    m_app.TakeInternalInfoSetting();
    // Every window shows its document again, with the new font size too.
    for (wxDocument* document : m_app.GetDocManager()->GetDocumentsVector()) {
        if (auto* list = dynamic_cast<CListDocument*>(document)) {
            list->List().UpdateAllViews(nullptr, kHintRebuildAll);
        } else {
            CUpdateHint rebuild(kHintRebuildAll, nullptr);
            document->UpdateAllViews(nullptr, &rebuild);
        }
    }
}

void CAppCommands::OnAbout(wxCommandEvent&)
{
    CAboutDlg dialog(m_app.GetMainFrame());
    dialog.ShowModal();
}

void CAppCommands::OnErrorLog(wxCommandEvent&)
{
    try {
        CErrorLogDlg dialog(m_app.GetMainFrame(), m_app.Core());
        dialog.ShowModal();
    } catch (const std::exception&) {
        m_app.ReportError(nullptr, __FILE__, __LINE__);
    }
}

void CAppCommands::OnHelpCommand(wxCommandEvent& event)
{
    switch (event.GetId()) {
    case ID_HELP_INDEX:
        m_app.ShowHelpPage("index");
        break;
    case ID_TUTORIAL:
        m_app.ShowTutorial(0);
        break;
    default:
        OpenWithShell(m_app.GetMainFrame(), "open", kSupportAddress, CString(), CString(), SW_SHOWMAXIMIZED);
        break;
    }
}
