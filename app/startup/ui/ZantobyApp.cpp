#include "app/startup/ui/ZantobyApp.h"

#include "app/find/ExtractForm.h"
#include "app/find/SortKeyEditor.h"
#include "app/find/ui/LocalFindDlg.h"
#include "app/find/ui/SearchDlg.h"
#include "app/find/ui/SortDetailDlg.h"
#include "app/frame/ui/MainFrame.h"
#include "app/listwindow/ui/GridView.h"
#include "app/listwindow/ui/ListDocument.h"
#include "app/printing/PrintCommands.h"
#include "app/printing/ui/PageSetupDlg.h"
#include "app/startup/ui/FeatureHosts.h"
#include "app/startup/ui/OpenModalDialogs.h"
#include "app/startup/ui/ZantobyDocManager.h"
#include "foundation/FileUtility.h"
#include "foundation/ui/AnchorDialog.h"
#include "foundation/ui/ChosenPath.h"
#include "foundation/ui/DocumentLookup.h"
#include "foundation/ui/MessagePump.h"
#include "foundation/ui/SystemServices.h"
#include "list/ClipTable.h"
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
#include "platform/MessageBox.h"
#include "platform/SingleInstance.h"
#include "platform/ui/ModalDialogsOnTop.h"
#include "platform/ui/WindowPlatform.h"
#include "platform/ui/WxText.h"
#include "res/menus/MenuTables.h"
#include "tutorial/TutorialLauncher.h"
#include "web/exchange/ui/BackupDlg.h"
#include "web/exchange/ui/ExportCsvDlg.h"
#include "web/exchange/ui/ImportCsvDlg.h"
#include "web/site/ui/CheckListDlg.h"
#include "web/site/ui/CreateWebDlg.h"

#include <wx/filedlg.h>
#include <wx/filename.h>
#include <wx/utils.h>

#include <algorithm>
#include <csignal>
#include <cstdlib>
#include <ctime>
#include <exception>

CZantobyApp& wxGetApp()
{
    return *static_cast<CZantobyApp*>(wxApp::GetInstance());
}

namespace {

// Where the help pages are published; a topic's page is its lower-cased name with ".htm".
constexpr char kHelpBaseAddress[] = "https://www.zantoby.example/help/";

// The run-time class name of the photo editor's documents.
constexpr char kEditorDocumentClass[] = "CEditPhotoDoc";

} // namespace

CZantobyApp::CZantobyApp(SingleInstance* instance, std::vector<std::string> arguments)
    : m_instance(instance), m_arguments(std::move(arguments)), m_recentFiles(m_core, kRecentFileCount),
      m_printMode(ID_FILE_PREVIEW_LIST)
{
}

CZantobyApp::~CZantobyApp()
{
    // Every working file of the program begins with the product word. Only this copy's own
    // temporary folder is swept, never another copy's.
    DeleteFiles(GetTempFolder() + "Zantoby*.*");
    Settings().SetLastDocument(m_lastDocument);
}

bool CZantobyApp::OnInit()
{
    WindowPlatform::Install();
    // The tutorial stays above the main window; what the program asks comes above it.
    ModalDialogsOnTop::Install();
    COpenModalDialogs::Get();
    SetSignalHandler(SIGTERM, [](int) { wxGetApp().m_opening.RequestEnd(); });
    if (m_instance != nullptr && m_instance->GetRole() == SingleInstance::Role::First) {
        // Listen from the first moment: a file handed over while the splash shows waits for the
        // end of the start instead of being lost.
        m_opening.Listen(*m_instance);
    }
    if (!InitCore() || !CreateMainWindow()) {
        return false;
    }
    m_startup.Run(m_arguments);
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
    m_mainFrame->Bind(wxEVT_SHOW, &CStartupSequence::OnMainFrameShown, &m_startup);
    SetTopWindow(m_mainFrame);
    m_core.StatusTexts().Attach(m_mainFrame);
    ShowRowPosition(-1, 0);
    RefreshColorSwatches();
    return true;
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
    m_opening.StopListening();
    m_core.StatusTexts().Attach(nullptr);
    m_mainFrame = nullptr;
    delete m_docManager;
    m_docManager = nullptr;
    return wxApp::OnExit();
}

// State

void CZantobyApp::TakeInternalInfoSetting()
{
    m_showInternalInfo = Settings().GetAutoInside();
}

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
