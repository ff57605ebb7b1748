#include "app/startup/ui/ZantobyApp.h"

#include "app/find/ExtractForm.h"
#include "app/find/GlobalFindForm.h"
#include "app/find/SortKeyEditor.h"
#include "app/find/ui/GlobalFindDlg.h"
#include "app/find/ui/LocalFindDlg.h"
#include "app/find/ui/SearchDlg.h"
#include "app/find/ui/SortDetailDlg.h"
#include "app/frame/ui/MainFrame.h"
#include "app/listwindow/ui/GridView.h"
#include "app/listwindow/ui/ListDocument.h"
#include "app/listwindow/ui/ListGrid.h"
#include "app/printing/PrintCommands.h"
#include "app/printing/ui/PageSetupDlg.h"
#include "app/settings/ConfigForm.h"
#include "app/settings/ui/AboutDlg.h"
#include "app/settings/ui/ConfigDlg.h"
#include "app/settings/ui/ErrorLogDlg.h"
#include "app/startup/FileHandOver.h"
#include "app/startup/NavigatorModel.h"
#include "app/startup/SampleCopy.h"
#include "app/startup/StartupPlan.h"
#include "app/startup/ui/FeatureHosts.h"
#include "app/startup/ui/NavigateDlg.h"
#include "app/startup/ui/OpenListDlg.h"
#include "app/startup/ui/SplashDlg.h"
#include "app/startup/ui/ZantobyDocManager.h"
#include "foundation/FileUtility.h"
#include "foundation/ui/AnchorDialog.h"
#include "foundation/ui/ChosenPath.h"
#include "foundation/ui/DocumentLookup.h"
#include "foundation/ui/MessagePump.h"
#include "foundation/ui/SystemServices.h"
#include "list/ClipTable.h"
#include "list/IListView.h"
#include "list/InputCheck.h"
#include "list/ZantobyDoc.h"
#include "list/ui/ColumnDetailDialogs.h"
#include "list/ui/ListInfoDlg.h"
#include "list/ui/ListPropDlg.h"
#include "photo/batch/ui/AutoPhotoDlg.h"
#include "photo/batch/ui/LumpPhotoDlg.h"
#include "photo/batch/ui/SequencePhotoDlg.h"
#include "photo/batch/ui/SizeCheckDlg.h"
#include "photo/ui/EditPhotoDoc.h"
#include "photo/ui/EditPhotoView.h"
#include "platform/Cp932.h"
#include "platform/FileSystem.h"
#include "platform/MessageBox.h"
#include "platform/ShowCommands.h"
#include "platform/SingleInstance.h"
#include "platform/ui/GtkGlue.h"
#include "platform/ui/ModalDialogsOnTop.h"
#include "platform/ui/WindowPlatform.h"
#include "platform/ui/WxReadWatch.h"
#include "platform/ui/WxText.h"
#include "res/menus/MenuTables.h"
#include "tutorial/TutorialLauncher.h"
#include "web/exchange/ui/BackupDlg.h"
#include "web/exchange/ui/ExportCsvDlg.h"
#include "web/exchange/ui/ImportCsvDlg.h"
#include "web/site/ui/CheckListDlg.h"
#include "web/site/ui/CreateWebDlg.h"

#include <wx/dialog.h>
#include <wx/display.h>
#include <wx/filedlg.h>
#include <wx/filename.h>
#include <wx/modalhook.h>
#include <wx/utils.h>

#include <algorithm>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <iterator>
#include <stdexcept>
#include <vector>

CZantobyApp& wxGetApp()
{
    return *static_cast<CZantobyApp*>(wxApp::GetInstance());
}

namespace {

// Where the help pages are published; a topic's page is its lower-cased name with ".htm".
constexpr char kHelpBaseAddress[] = "https://www.zantoby.example/help/";
constexpr char kSupportAddress[] = "https://www.zantoby.example/support/";

// The application's own commands.
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

// The tutorial's first page, shown at start.
constexpr int kTutorialStartTopic = 1003;

// The run-time class name of the photo editor's documents.
constexpr char kEditorDocumentClass[] = "CEditPhotoDoc";

// A later copy waits this long for the running copy, which may still be starting.
constexpr int kHandOverTimeoutMs = 10000;

// The modal dialogs open now, outermost first, as wx's hook of modal dialogs reports them: the
// program's own and the toolkit's file chooser alike.
class OpenModalDialogs : public wxModalDialogHook
{
  public:
    static OpenModalDialogs& Get()
    {
        static OpenModalDialogs* dialogs = nullptr;
        if (dialogs == nullptr) {
            dialogs = new OpenModalDialogs();
            dialogs->Register();
        }
        return *dialogs;
    }
    wxDialog* Innermost() const { return m_open.empty() ? nullptr : m_open.back(); }

  protected:
    int Enter(wxDialog* dialog) override
    {
        m_open.push_back(dialog);
        return wxID_NONE;
    }
    void Exit(wxDialog* dialog) override
    {
        if (auto found = std::find(m_open.rbegin(), m_open.rend(), dialog); found != m_open.rend()) {
            m_open.erase(std::next(found).base());
        }
    }

  private:
    std::vector<wxDialog*> m_open;
};

CString CurrentFolder()
{
    std::error_code error;
    const std::filesystem::path folder = std::filesystem::current_path(error);
    return error ? CString() : FileSystem::FromNative(folder);
}

} // namespace

CZantobyApp::CZantobyApp(SingleInstance* instance, std::vector<std::string> arguments)
    : m_instance(instance), m_arguments(std::move(arguments)), m_recentFiles(m_core, kRecentFileCount),
      m_printMode(ID_FILE_PREVIEW_LIST)
{
    m_retryTimer.SetOwner(this);
    Bind(wxEVT_TIMER, &CZantobyApp::OnRetryTimer, this);
    Bind(wxEVT_MENU, &CZantobyApp::OnFileCommand, this, ID_FILE_NEW, ID_FILE_OPEN);
    Bind(wxEVT_MENU, &CZantobyApp::OnFileCommand, this, ID_OPEN_SAMPLE);
    Bind(wxEVT_MENU, &CZantobyApp::OnGlobalExtract, this, ID_GLOBAL_EXTRACT);
    Bind(wxEVT_MENU, &CZantobyApp::OnSettings, this, ID_SETTINGS);
    Bind(wxEVT_MENU, &CZantobyApp::OnAbout, this, ID_APP_ABOUT);
    Bind(wxEVT_MENU, &CZantobyApp::OnErrorLog, this, ID_ERROR_LOG);
    Bind(wxEVT_MENU, &CZantobyApp::OnHelpCommand, this, ID_HELP_INDEX);
    Bind(wxEVT_MENU, &CZantobyApp::OnHelpCommand, this, ID_TUTORIAL, ID_SUPPORT_PAGE);
}

CZantobyApp::~CZantobyApp()
{
    // Every working file of the program begins with the product word. Only this copy's own
    // temporary folder is swept, never another copy's.
    DeleteFiles(GetTempFolder() + "Zantoby*.*");
    m_globalFind.reset();
    Settings().SetLastDocument(m_lastDocument);
}

int CZantobyApp::HandOverToRunningCopy(SingleInstance& instance, const std::vector<std::string>& arguments)
{
    CString path;
    const CString file = CStartupPlan::FindFileArgument(arguments);
    const CString folder = CurrentFolder();
    // A name the program cannot hold would reach the running copy spoilt: it only comes forward.
    const CString unheld = CStartupPlan::DescribeUnheldArgument(arguments);
    if (!unheld.IsEmpty()) {
        std::fprintf(stderr, "%s\n", Cp932::ToUtf8(unheld.view()).c_str());
    } else if (!file.IsEmpty() && (file[0] == '/' || !folder.IsEmpty())) {
        // A refused pseudo path leaves path empty: the running copy only comes forward.
        CFileHandOver::ResolveArgument(file, folder, path);
    }
    return instance.Send(CFileHandOver::FormatRequest(path), kHandOverTimeoutMs) ? 0 : 1;
}

bool CZantobyApp::OnInit()
{
    WindowPlatform::Install();
    // The tutorial stays above the main window; what the program asks comes above it.
    ModalDialogsOnTop::Install();
    OpenModalDialogs::Get();
    SetSignalHandler(SIGTERM, [](int) { wxGetApp().OnTerminate(); });
    if (m_instance != nullptr && m_instance->GetRole() == SingleInstance::Role::First) {
        // Listen from the first moment: a file handed over while the splash shows waits for the
        // end of the start instead of being lost.
        m_handOverWatch =
            std::make_unique<WxReadWatch>(m_instance->GetListenHandle(), [this] { ReceiveHandOver(); });
    }
    if (!InitCore() || !CreateMainWindow()) {
        return false;
    }
    RunStartup();
    return true;
}

bool CZantobyApp::InitCore()
{
    std::srand(static_cast<unsigned>(std::time(nullptr)));
    CFeatureHosts::Install();
    m_core.SetWriteErrorFiles(true);
    m_core.PurgeErrorFiles(7, 30);
    m_core.SetIniFile(CString());
    m_recentFiles.Load();
    m_lastDocument = Settings().GetLastDocument();
    m_showInternalInfo = Settings().GetAutoInside();
    m_printMode = Settings().GetPrintModeSetting();
    m_listFormat = wxDataFormat(ToWx(CClipTable::kFormatName));
    m_docManager = new CZantobyDocManager(m_recentFiles);
    new wxDocTemplate(m_docManager, ToWx("ﾘｽﾄ"), "*.zbk", wxString(), "zbk", "CZantobyDoc", "CGridView",
                      wxCLASSINFO(CListDocument), wxCLASSINFO(CGridView));
    // Photo editor documents are opened and found by their class name.
    new wxDocTemplate(m_docManager, ToWx("JPegﾌｧｲﾙ(*jpg)"), "*.jpg", wxString(), "jpg", "JPegFile",
                      "CEditPhotoView", wxCLASSINFO(CEditPhotoDoc), wxCLASSINFO(CEditPhotoView),
                      wxTEMPLATE_INVISIBLE);
    CAnchorDialog::SetHelpHandler([this](const CString& topic) { ShowHelpPage(topic); });
    return true;
}

bool CZantobyApp::CreateMainWindow()
{
    m_mainFrame = new CMainFrame(m_docManager);
    m_mainFrame->Bind(wxEVT_SHOW, &CZantobyApp::OnMainFrameShown, this);
    SetTopWindow(m_mainFrame);
    m_core.StatusTexts().Attach(m_mainFrame);
    ShowRowPosition(-1, 0);
    RefreshColorSwatches();
    return true;
}

void CZantobyApp::RunStartup()
{
    auto* splash = new CSplashDlg(nullptr);
    splash->Show();
    splash->Refresh();
    splash->Update();
    AppendToLog("ZANTOBY_PAINT_LOG", kSplashShownLine);

    const bool fileNamed = ProcessCommandLine();

    // The splash's timer runs only while events are processed.
    while (!splash->HasEnded()) {
        PumpMessages();
        wxMilliSleep(10);
    }
    splash->Destroy();

    ShowMainWindow();
    m_starting = false;
    DoDeferredWork();

    if (Settings().GetAutoTutorial()) {
        ShowTutorial(kTutorialStartTopic);
    }
    if (!fileNamed && Settings().GetAutoNavigate()) {
        // The recent lists when there are any, else the samples; once the main loop runs.
        int recent = 0;
        for (int i = 0; i < m_recentFiles.GetCount(); ++i) {
            recent += m_recentFiles.GetPath(i).IsEmpty() ? 0 : 1;
        }
        m_startNavigatorTab = recent > 0 ? CNavigatorModel::kRecentTab : CNavigatorModel::kSampleTab;
        if (m_mainFrameOnScreen) {
            CallAfter([this] { OpenStartNavigator(); });
        }
    }
}

void CZantobyApp::OnMainFrameShown(wxShowEvent& event)
{
    event.Skip();
    m_mainFrameOnScreen = event.IsShown();
    if (m_mainFrameOnScreen && m_startNavigatorTab >= 0) {
        CallAfter([this] { OpenStartNavigator(); });
    }
}

void CZantobyApp::OpenStartNavigator()
{
    const int tab = m_startNavigatorTab;
    m_startNavigatorTab = -1;
    if (tab >= 0) {
        RunOpenNavigator(tab);
    }
}

bool CZantobyApp::ProcessCommandLine()
{
    const CString unheld = CStartupPlan::DescribeUnheldArgument(m_arguments);
    if (!unheld.IsEmpty()) {
        ShowMessageBox(unheld, kProductName, MB_OK | MB_ICONEXCLAMATION);
        return false;
    }
    const CString file = CStartupPlan::FindFileArgument(m_arguments);
    CString path;
    if (!file.IsEmpty() && CFileHandOver::ResolveArgument(file, CurrentFolder(), path)) {
        // A list that does not open is reported by the framework; the program starts without it.
        OpenNow(path);
        return true;
    }
    if (CStartupPlan::ShouldOpenLastDocument(Settings().GetAutoNavigate(), wxGetKeyState(WXK_SHIFT),
                                             Settings().GetAutoOpen(), m_lastDocument)) {
        OpenNow(m_lastDocument);
    }
    return false;
}

void CZantobyApp::ShowMainWindow()
{
    const CRect saved = Settings().GetMainFrameRect();
    std::vector<CRect> screens;
    for (unsigned index = 0; index < wxDisplay::GetCount(); ++index) {
        const wxRect area = wxDisplay(index).GetClientArea();
        screens.emplace_back(area.x, area.y, area.x + area.width, area.y + area.height);
    }
    CRect placed;
    if (CStartupPlan::PlaceSavedRect(saved, screens, placed)) {
        m_mainFrame->SetSize(placed.left, placed.top, placed.Width(), placed.Height());
        GtkGlue::MoveTopLevel(*m_mainFrame, wxPoint(placed.left, placed.top));
    }
    GtkGlue::AllocateBeforeFirstShow(*m_mainFrame);
    m_mainFrame->Show();
    if (Settings().GetMainFrameShow() == SW_SHOWMAXIMIZED) {
        m_mainFrame->Maximize();
    }
    m_mainFrame->Update();
}

void CZantobyApp::OnAssertFailure(const wxChar* file, int line, const wxChar* function,
                                  const wxChar* condition, const wxChar* message)
{
    const wxString text = wxString::Format("wx: %s: %s %s", function, condition, message);
    m_core.WriteErrorFile(FromWx(text), FromWx(wxFileName(file).GetFullName()), line);
}

int CZantobyApp::OnExit()
{
    CloseTutorial();
    Settings().SetPrintModeSetting(m_printMode);
    m_retryTimer.Stop();
    m_handOverWatch.reset();
    m_core.StatusTexts().Attach(nullptr);
    m_mainFrame = nullptr;
    delete m_docManager;
    m_docManager = nullptr;
    return wxApp::OnExit();
}

void CZantobyApp::OnTerminate()
{
    // Ended by the session or a signal: close as the user would, asking about unsaved lists,
    // as soon as the start or long work allows it.
    m_endRequested = true;
    DoDeferredWork();
}

// Opening lists

bool CZantobyApp::OpenDocumentFile(const CString& path)
{
    if (m_starting) {
        m_pendingOpens.push_back(path);
        return false;
    }
    return OpenNow(path);
}

bool CZantobyApp::OpenNow(const CString& path)
{
    LogOpenRequest(path);
    return m_docManager != nullptr &&
           CDocumentLookup::OpenDocumentOfType(*m_docManager, path, nullptr) != nullptr;
}

void CZantobyApp::OpenRecentFile(int index)
{
    if (index < 0 || index >= m_recentFiles.GetCount()) {
        return;
    }
    if (!OpenDocumentFile(m_recentFiles.GetPath(index)) && !m_starting) {
        m_docManager->RemoveFileFromHistory(static_cast<size_t>(index));
    }
}

void CZantobyApp::ReceiveHandOver()
{
    std::string message;
    while (m_instance->Receive(message)) {
        CString path;
        if (!CFileHandOver::ParseRequest(message, path)) {
            continue;
        }
        BringForward();
        if (!path.IsEmpty()) {
            m_pendingOpens.push_back(path);
        }
    }
    if (!m_pendingOpens.empty()) {
        CallAfter([this] { DoDeferredWork(); });
    }
}

void CZantobyApp::DoDeferredWork()
{
    if (m_starting) {
        return;
    }
    // Long work in progress holds commands and closing off; the work waits until it has ended.
    if (CMessagePump::IsPumping()) {
        m_retryTimer.StartOnce(200);
        return;
    }
    while (!m_pendingOpens.empty()) {
        const CString path = m_pendingOpens.front();
        m_pendingOpens.pop_front();
        OpenNow(path);
    }
    if (m_endRequested) {
        // A modal dialog (the start navigator, a question, the file chooser) lives on the stack
        // of its own loop: the innermost is cancelled and the end waits until that loop has returned.
        if (wxDialog* dialog = OpenModalDialogs::Get().Innermost()) {
            dialog->EndModal(wxID_CANCEL);
            m_retryTimer.StartOnce(200);
            return;
        }
        m_endRequested = false;
        if (m_mainFrame != nullptr) {
            m_mainFrame->Close();
            // Nothing else may wake the loop to delete the closed window and end.
            wxWakeUpIdle();
        } else {
            ExitMainLoop();
        }
    }
}

void CZantobyApp::OnRetryTimer(wxTimerEvent&)
{
    DoDeferredWork();
}

void CZantobyApp::BringForward()
{
    if (m_mainFrame == nullptr || !m_mainFrame->IsShown()) {
        return;
    }
    if (m_mainFrame->IsIconized()) {
        m_mainFrame->Restore();
    }
    m_mainFrame->Raise();
}

void CZantobyApp::LogOpenRequest(const CString& path) const
{
    // ZANTOBY_OPEN_LOG names a file that receives every path the program is asked to open,
    // one per line, for following the program from outside.
    AppendToLog("ZANTOBY_OPEN_LOG", path);
}

void CZantobyApp::LogListShown(const CString& path)
{
    AppendToLog("ZANTOBY_PAINT_LOG", path);
}

void CZantobyApp::AppendToLog(const char* variable, const CString& path)
{
    const char* log = std::getenv(variable);
    if (log == nullptr || *log == '\0') {
        return;
    }
    if (FILE* stream = FileSystem::OpenStream(FileSystem::FromNative(log), "ab")) {
        const std::string line = FileSystem::ToNative(path).string() + "\n";
        std::fwrite(line.data(), 1, line.size(), stream);
        std::fclose(stream);
    }
}

// State

void CZantobyApp::SetGridTextColor(COLORREF color)
{
    m_gridTextColor = color;
    if (m_mainFrame != nullptr) {
        m_mainFrame->SetTextColorButtonImage(color);
    }
}

void CZantobyApp::SetGridBackColor(COLORREF color)
{
    m_gridBackColor = color;
    if (m_mainFrame != nullptr) {
        m_mainFrame->SetBackColorButtonImage(color);
    }
}

void CZantobyApp::SetBorderWidth(int width)
{
    m_drawing.borderWidth = std::clamp(width, 0, DrawingDefaults::kMaxBorderWidth);
    RefreshColorSwatches();
}

void CZantobyApp::SetDrawingColor(int target, COLORREF color)
{
    if (m_drawing.SetColor(target, color)) {
        RefreshColorSwatches();
    }
}

void CZantobyApp::RefreshColorSwatches()
{
    if (m_mainFrame != nullptr) {
        m_mainFrame->ShowDrawingDefaults(m_drawing);
    }
}

void CZantobyApp::SetPrintMode(int commandId)
{
    m_printMode = commandId;
    if (m_mainFrame != nullptr) {
        m_mainFrame->SetPrintButtonImage(commandId);
    }
}

// IListHost

void CZantobyApp::ReportError(const char* message, const char* sourceFile, int line)
{
    m_core.ReportError(message, sourceFile, line);
}

int CZantobyApp::ShowMessageV(MessageKind kind, int id, unsigned flags, va_list args)
{
    switch (kind) {
    case MessageKind::Question:
        return m_core.Messages().ShowMessageV(::MessageKind::Question, id, flags, args);
    case MessageKind::Warning:
        return m_core.Messages().ShowMessageV(::MessageKind::Warning, id, flags, args);
    case MessageKind::Error:
        return m_core.Messages().ShowMessageV(::MessageKind::Error, id, flags, args);
    case MessageKind::Info:
        break;
    }
    // Information boxes have the OK button only.
    return m_core.Messages().ShowMessageV(::MessageKind::Information, id, (flags & ~MB_TYPEMASK) | MB_OK,
                                          args);
}

void CZantobyApp::Beep()
{
    wxBell();
}

void CZantobyApp::SetProgressText(const CString& text)
{
    m_core.StatusTexts().SetProgressText(text);
}

void CZantobyApp::ClearProgressText()
{
    m_core.StatusTexts().ClearProgressText();
}

void CZantobyApp::RefreshListFrames(int mode)
{
    if (m_mainFrame == nullptr) {
        return;
    }
    try {
        m_mainFrame->RefreshListFrames(mode);
    } catch (const std::exception&) {
        ReportError(nullptr, __FILE__, __LINE__);
    }
}

bool CZantobyApp::IsListToolbarOn()
{
    return m_mainFrame == nullptr || m_mainFrame->GetToolbarChoice().IsWanted(CToolbarChoice::kMainBar);
}

void CZantobyApp::SetListToolbarOn(bool on)
{
    if (m_mainFrame != nullptr) {
        m_mainFrame->GetToolbarChoice().SetWanted(CToolbarChoice::kMainBar, on);
    }
}

void CZantobyApp::ShowHelpPage(const CString& topic)
{
    OpenHelpPage(kHelpBaseAddress, topic);
}

void CZantobyApp::AddToRecentFileList(const CString& path)
{
    if (m_docManager != nullptr) {
        m_docManager->AddFileToHistory(ToWx(path));
    }
}

bool CZantobyApp::RunSaveFileDialog(const CString& initialPath, const char* extension, const char* filter,
                                    CString& chosenPath)
{
    // The filter ends with "||"; wx wants the pairs alone.
    wxString wildcards = ToWx(filter);
    while (wildcards.EndsWith("|")) {
        wildcards.RemoveLast();
    }
    const wxFileName initial(ToWx(initialPath));
    wxFileDialog dialog(m_mainFrame, ToWx("名前を付けて保存"), initial.GetPath(), initial.GetFullName(),
                        wildcards, wxFD_SAVE | wxFD_OVERWRITE_PROMPT);
    if (dialog.ShowModal() != wxID_OK) {
        return false;
    }
    wxFileName chosen(dialog.GetPath());
    if (!chosen.HasExt() && extension != nullptr && *extension != '\0') {
        chosen.SetExt(extension);
    }
    return TakeChosenPath(chosen.GetFullPath(), chosenPath);
}

bool CZantobyApp::OpenPhotoEditorDocument(const CString& path)
{
    return m_docManager != nullptr &&
           CDocumentLookup::OpenDocumentOfType(*m_docManager, path, kEditorDocumentClass) != nullptr;
}

void CZantobyApp::ClosePhotoEditorDocument(const CString& path)
{
    if (wxDocument* editor = FindEditorDocument(path)) {
        editor->Modify(false);
        m_docManager->CloseDocument(editor, true);
    }
}

void CZantobyApp::SavePhotoEditorIfModified(const CString& path)
{
    wxDocument* editor = FindEditorDocument(path);
    if (editor != nullptr && editor->IsModified()) {
        editor->OnSaveModified();
    }
}

wxDocument* CZantobyApp::FindEditorDocument(const CString& path) const
{
    if (m_docManager == nullptr) {
        return nullptr;
    }
    wxDocument* document = CDocumentLookup::FindDocumentByPath(*m_docManager, path);
    return document != nullptr && document->GetClassInfo()->GetClassName() == wxString(kEditorDocumentClass)
               ? document
               : nullptr;
}

// The dialogs the list document runs

int CZantobyApp::RunSearchDialog()
{
    CSearchDlg dialog(m_mainFrame, m_search);
    dialog.ShowModal();
    return m_search.result == CSearchState::kCancelled ? IDCANCEL : IDOK;
}

int CZantobyApp::RunExtractDialog(CZantobyDoc& doc)
{
    CExtractForm form(doc);
    CLocalFindDlg dialog(m_mainFrame, form);
    return dialog.ShowModal() == CLocalFindDlg::kExtractButtonId ? IDOK : IDCANCEL;
}

int CZantobyApp::RunSortDetailDialog(CZantobyDoc& doc)
{
    CSortKeyEditor editor(doc);
    CSortDetailDlg dialog(m_mainFrame, editor);
    return dialog.ShowModal() == IDOK ? IDOK : IDCANCEL;
}

int CZantobyApp::RunPageSetupDialog(CZantobyDoc& doc)
{
    CPageSetupDlg dialog(m_mainFrame, doc);
    return dialog.Run();
}

int CZantobyApp::RunAutoPhotoDialog(CZantobyDoc& doc)
{
    CAutoPhotoDlg dialog(m_mainFrame, doc);
    return dialog.DoModal() == wxID_OK ? IDOK : IDCANCEL;
}

// The application's commands

void CZantobyApp::OnFileCommand(wxCommandEvent& event)
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

void CZantobyApp::RunOpenNavigator(int mode)
{
    if (m_docManager == nullptr) {
        return;
    }
    try {
        CNavigatorModel model;
        CStringArray recent;
        for (int i = 0; i < m_recentFiles.GetCount(); ++i) {
            recent.Add(m_recentFiles.GetPath(i));
        }
        // The samples the user tries are the user's own copy, never the program's files.
        const CSampleCopy samples(m_resourceFolder + "/Sample", CSampleCopy::GetUserFolder(),
                                  GetVersionString());
        model.Build(m_resourceFolder, samples.Prepare(), recent);
        model.ShowTab(mode);
        CNavigateDlg navigator(m_mainFrame, model, Settings());
        if (navigator.ShowModal() != wxID_OK) {
            return;
        }
        const CNavigatorModel::OpenRequest request = model.GetOpenRequest();
        switch (request.kind) {
        case CNavigatorModel::OpenRequest::kNewList:
            CDocumentLookup::OpenDocumentOfType(*m_docManager, CString(), "CZantobyDoc");
            break;
        case CNavigatorModel::OpenRequest::kOpenPath:
            if (request.pseudoPath) {
                CDocumentLookup::OpenDocumentOfType(*m_docManager, request.path, "CZantobyDoc");
            } else {
                OpenDocumentFile(request.path);
            }
            break;
        case CNavigatorModel::OpenRequest::kChooseFile: {
            COpenListDlg chooser(m_mainFrame, Settings());
            if (chooser.DoModal() == wxID_OK) {
                OpenDocumentFile(chooser.GetChosenPath());
            }
            break;
        }
        case CNavigatorModel::OpenRequest::kNothing:
            break;
        }
    } catch (const std::exception&) {
        ReportError(nullptr, __FILE__, __LINE__);
    }
    // The main window takes the keyboard back from the navigator only once the navigator has
    // gone, and gives it to the window that had it before: the list just opened takes it then.
    CallAfter([this] {
        if (auto* view =
                dynamic_cast<CGridView*>(m_docManager != nullptr ? m_docManager->GetCurrentView() : nullptr);
            view != nullptr && view->Grid() != nullptr) {
            view->Grid()->SetFocus();
        }
    });
}

void CZantobyApp::OnGlobalExtract(wxCommandEvent&)
{
    try {
        if (!m_globalFind) {
            m_globalFind = std::make_unique<GlobalFindSettings>();
        }
        CGlobalFindForm form(*m_globalFind);
        CGlobalFindDlg dialog(m_mainFrame, form);
        if (dialog.ShowModal() != CGlobalFindDlg::kExtractId) {
            return;
        }
        ApplyGlobalExtract();
    } catch (const std::exception&) {
        ReportError(nullptr, __FILE__, __LINE__);
    }
}

void CZantobyApp::ApplyGlobalExtract()
{
    // The settings reach the lists only while this runs, and the opening flag only while the
    // folder's lists open, whatever ends it.
    struct Applying
    {
        CZantobyApp& app;
        explicit Applying(CZantobyApp& owner) : app(owner) { app.m_applyingGlobalFind = true; }
        ~Applying()
        {
            app.m_applyingGlobalFind = false;
            app.m_globalFind->opening = false;
        }
    } applying(*this);

    for (wxDocument* document : m_docManager->GetDocumentsVector()) {
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
        OpenNow(folder + "/" + name);
        PumpMessages();
    }
}

void CZantobyApp::OnSettings(wxCommandEvent&)
{
    CConfigForm form(Settings());
    CConfigDlg dialog(m_mainFrame, form);
    if (dialog.ShowModal() != CConfigDlg::kApplyId) {
        return;
    }
    m_showInternalInfo = Settings().GetAutoInside();
    // Every window shows its document again, with the new font size too.
    for (wxDocument* document : m_docManager->GetDocumentsVector()) {
        if (auto* list = dynamic_cast<CListDocument*>(document)) {
            list->List().UpdateAllViews(nullptr, kHintRebuildAll);
        } else {
            CUpdateHint rebuild(kHintRebuildAll, nullptr);
            document->UpdateAllViews(nullptr, &rebuild);
        }
    }
}

void CZantobyApp::OnAbout(wxCommandEvent&)
{
    CAboutDlg dialog(m_mainFrame);
    dialog.ShowModal();
}

void CZantobyApp::OnErrorLog(wxCommandEvent&)
{
    try {
        CErrorLogDlg dialog(m_mainFrame, m_core);
        dialog.ShowModal();
    } catch (const std::exception&) {
        ReportError(nullptr, __FILE__, __LINE__);
    }
}

void CZantobyApp::OnHelpCommand(wxCommandEvent& event)
{
    switch (event.GetId()) {
    case ID_HELP_INDEX:
        ShowHelpPage("index");
        break;
    case ID_TUTORIAL:
        ShowTutorial(0);
        break;
    default:
        OpenWithShell(m_mainFrame, "open", kSupportAddress, CString(), CString(), SW_SHOWMAXIMIZED);
        break;
    }
}

void CZantobyApp::ShowTutorial(int topic)
{
    const CString reason = CTutorialLauncher(GetProgramPath()).Show(topic);
    if (!reason.IsEmpty()) {
        ShowWarningMessage(30001, MB_OK, "チュートリアル", reason.GetString());
    }
}

void CZantobyApp::CloseTutorial()
{
    CTutorialLauncher(GetProgramPath()).Close();
}

// The dialogs of the list's own definition.

int CZantobyApp::RunListInfoDialog(CZantobyDoc& doc)
{
    CListInfoDlg dialog(m_mainFrame, doc);
    return dialog.DoModal() == IDOK ? IDOK : IDCANCEL;
}

int CZantobyApp::RunColumnDetailDialog(ColumnRecord& column)
{
    return ::RunColumnDetailDialog(m_mainFrame, *this, column);
}

int CZantobyApp::RunListPropertiesDialog(CZantobyDoc& doc)
{
    CListPropDlg dialog(m_mainFrame, doc);
    return dialog.DoModal();
}

void CZantobyApp::SetWaitCursor(bool on)
{
    if (on && !m_waitCursor) {
        wxBeginBusyCursor();
    } else if (!on && m_waitCursor) {
        wxEndBusyCursor();
    }
    m_waitCursor = on;
}

void CZantobyApp::PumpMessages()
{
    ::PumpMessages();
}

// The data exchange: the CSV dialogs bring their own extension and filter.

int CZantobyApp::RunBackupDialog(CZantobyDoc& doc)
{
    return CBackupDlg::Run(m_mainFrame, doc);
}

int CZantobyApp::RunImportCsvDialog(CZantobyDoc& doc, const char*, const char*)
{
    return CImportCsvDlg::Run(m_mainFrame, doc, Settings());
}

int CZantobyApp::RunExportCsvDialog(CZantobyDoc& doc, const char*, const char*)
{
    return CExportCsvDlg::Run(m_mainFrame, doc, Settings());
}

int CZantobyApp::RunCreateWebDialog(CZantobyDoc& doc)
{
    CCreateWebDlg::Run(m_mainFrame, doc);
    return IDOK;
}

bool CZantobyApp::RunInputCheck(CZantobyDoc& doc)
{
    return CInputCheck(doc).Run();
}

int CZantobyApp::RunCheckListDialog(InputCheckSwitches& switches)
{
    return CCheckListDlg::Run(m_mainFrame, *this, switches);
}

int CZantobyApp::RunBulkImportDialog(CZantobyDoc&, BulkImportLayout& layout)
{
    CLumpPhotoDlg dialog(m_mainFrame, *this, Settings());
    if (dialog.DoModal() != wxID_OK) {
        return IDCANCEL;
    }
    dialog.FillLayout(layout);
    return IDOK;
}

bool CZantobyApp::IsContinuousImportShown()
{
    return m_continuousImport != nullptr && m_continuousImport->IsShown();
}

void CZantobyApp::ShowContinuousImport(bool show)
{
    if (m_continuousImport == nullptr) {
        if (!show) {
            return;
        }
        m_continuousImport = new CSequencePhotoDlg(m_mainFrame, *this, Settings());
    }
    m_continuousImport->Show(show);
}

CSequencePhotoDlg* CZantobyApp::GetContinuousImportWindow()
{
    return IsContinuousImportShown() ? static_cast<CSequencePhotoDlg*>(m_continuousImport.get()) : nullptr;
}

int CZantobyApp::RunSizeCheckDialog(int& value, int minimum, int maximum, int left, int top)
{
    CSizeCheckDlg dialog(m_mainFrame, value, minimum, maximum, wxPoint(left, top));
    if (dialog.DoModal() != wxID_OK) {
        return IDCANCEL;
    }
    value = dialog.GetLength();
    return IDOK;
}
