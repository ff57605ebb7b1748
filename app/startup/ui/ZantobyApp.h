#pragma once

#include "app/find/SearchState.h"
#include "app/startup/RecentFileList.h"
#include "app/startup/ZantobyAppCore.h"
#include "list/GlobalFindSettings.h"
#include "list/IListHost.h"
#include "photo/DrawingDefaults.h"
#include "platform/CString.h"

#include <wx/app.h>
#include <wx/dataobj.h>
#include <wx/timer.h>
#include <wx/weakref.h>
#include <wx/window.h>

#include <deque>
#include <memory>
#include <string>
#include <vector>

class WxReadWatch;
class CMainFrame;
class CSequencePhotoDlg;
class CZantobyDocManager;
class SingleInstance;
class wxDocument;

// The main program's application object: the single running copy and the hand-over from later
// copies, the start (profile, document manager, main window, splash, command line, last list)
// and the end, and the state the rest of the program reads through it. Messages, the error
// report, status texts, version and settings are the application core's; the list document
// reports through the IListHost side.
class CZantobyApp : public wxApp, public IListHost
{
  public:
    // instance: this copy's hold on the single running copy (null: no check, as in tests).
    // arguments: the command line after the program's name as the system gave it, so that file
    // names keep their own encoding whatever the locale says.
    CZantobyApp(SingleInstance* instance, std::vector<std::string> arguments);
    ~CZantobyApp() override;

    // A later copy hands its command line's file (or nothing) to the running copy. Returns the
    // process's exit code: 0 when the running copy took the request.
    static int HandOverToRunningCopy(SingleInstance& instance, const std::vector<std::string>& arguments);

    // Start and end
    bool OnInit() override;
    int OnExit() override;
    // A failed check inside wx goes to the error log; no box stops the user, the program goes on.
    void OnAssertFailure(const wxChar* file, int line, const wxChar* function, const wxChar* condition,
                         const wxChar* message) override;
    // The start up to the main window, without splash and command line (tests build on it).
    bool InitCore();
    bool CreateMainWindow();
    // Opens a list by path through the document templates; during the start the request waits
    // until the start has ended. False when nothing was opened.
    bool OpenDocumentFile(const CString& path);
    // A list's window has drawn its first screen: ZANTOBY_PAINT_LOG names a file that receives
    // the list's path, for timing the program from outside. The splash, the start's first
    // window, writes kSplashShownLine there once drawn.
    static void LogListShown(const CString& path);
    static constexpr const char* kSplashShownLine = "<splash>";
    // Opens the recent-file list's entry; an entry that no longer opens leaves the list.
    void OpenRecentFile(int index);
    // The start navigator on a tab (0 organiser, 1 new list, 2 recent lists, 3 samples), then
    // what the user chose there: a new list, a list from a template, the automatic organiser,
    // a recent list, a sample, or a file chosen in the open-list dialog.
    void RunOpenNavigator(int mode);
    // The folder whose Sample and Template folders the navigator offers; the program's own
    // unless set (tests run beside the build's folder).
    void SetResourceFolder(const CString& folder) { m_resourceFolder = folder; }

    // The tutorial viewer on a page (0: as it is), started when it does not run; warning 30001
    // when it cannot be started. Its closing at the end.
    void ShowTutorial(int topic);
    void CloseTutorial();

    CZantobyAppCore& Core() { return m_core; }
    CProfileSettings& Settings() { return m_core.Settings(); }
    CZantobyDocManager* GetDocManager() const { return m_docManager; }
    CRecentFileList& GetRecentFiles() { return m_recentFiles; }
    CMainFrame* GetMainFrame() const { return m_mainFrame; }
    bool IsStarting() const { return m_starting; }

    // Status texts
    void ShowRowPosition(int current, int count) { m_core.StatusTexts().ShowRowPosition(current, count); }
    void ShowPointerPosition(int x, int y) { m_core.StatusTexts().ShowPointerPosition(x, y); }
    void ShowZoomPercent(int zoom) { m_core.StatusTexts().ShowZoomPercent(zoom); }
    void ShowStatusNotice(const CString& text) { m_core.StatusTexts().ShowNotice(text); }

    // State other windows read and set
    const CString& GetLastDocument() const { return m_lastDocument; }
    bool IsShowingInternalInfo() const { return m_showInternalInfo; }
    // The find dialog's state, which find next in every list window uses.
    CSearchState& GetSearchState() { return m_search; }
    COLORREF GetGridTextColor() const { return m_gridTextColor; }
    COLORREF GetGridBackColor() const { return m_gridBackColor; }
    // Store the colour and show it on the main toolbar's colour button.
    void SetGridTextColor(COLORREF color);
    void SetGridBackColor(COLORREF color);
    const DrawingDefaults& GetDrawingDefaults() const { return m_drawing; }
    void SetBorderWidth(int width);
    // A drawing colour by swatch id 33011 to 33014; other ids change nothing.
    void SetDrawingColor(int target, COLORREF color);
    // Shows the drawing defaults in the format toolbar's swatches.
    void RefreshColorSwatches();

    // IListHost
    void ReportError(const char* message, const char* sourceFile, int line) override;
    int ShowMessageV(MessageKind kind, int id, unsigned flags, va_list args) override;
    void Beep() override;
    void SetProgressText(const CString& text) override;
    void ClearProgressText() override;
    CString GetVersionString() override { return m_core.GetVersionString(); }
    int GetVersionNumber() override { return m_core.GetVersionNumber(); }
    CString GetNewEntryFolder() override { return Settings().GetNewEntryFolder(); }
    void SetNewEntryFolder(const CString& folder) override { Settings().SetNewEntryFolder(folder); }
    bool GetAutoView() override { return Settings().GetAutoView(); }
    bool GetAutoBackup() override { return Settings().GetAutoBackup(); }
    bool GetAutoCheck() override { return Settings().GetAutoCheck(); }
    void RefreshListFrames(int mode) override;
    bool IsListToolbarOn() override;
    void SetListToolbarOn(bool on) override;
    void SetPrintMode(int commandId) override;
    int GetPrintMode() override { return m_printMode; }
    void ShowHelpPage(const CString& topic) override;
    void SetSearchKeyword(const CString& keyword) override { m_search.settings.keyword = keyword; }
    void SetSearchWrap(int wrap) override { m_search.settings.fromStart = wrap != 0; }
    void SetSearchForward(bool forward) override { m_search.settings.downward = forward; }
    int RunSearchDialog() override;
    int RunExtractDialog(CZantobyDoc& doc) override;
    int RunPageSetupDialog(CZantobyDoc& doc) override;
    int RunSortDetailDialog(CZantobyDoc& doc) override;
    // Only while the global extract applies it: a list opened at another time shows its rows
    // as it always does.
    GlobalFindSettings* GetGlobalFindSettings() override
    {
        return m_applyingGlobalFind ? m_globalFind.get() : nullptr;
    }
    void SetLastDocumentPath(const CString& path) override { m_lastDocument = path; }
    void AddToRecentFileList(const CString& path) override;
    bool RunSaveFileDialog(const CString& initialPath, const char* extension, const char* filter,
                           CString& chosenPath) override;
    int RunAutoPhotoDialog(CZantobyDoc& doc) override;
    int RunBackupDialog(CZantobyDoc& doc) override;
    bool OpenPhotoEditorDocument(const CString& path) override;
    void ClosePhotoEditorDocument(const CString& path) override;
    void SavePhotoEditorIfModified(const CString& path) override;
    int RunListInfoDialog(CZantobyDoc& doc) override;
    int RunColumnDetailDialog(ColumnRecord& column) override;
    int RunListPropertiesDialog(CZantobyDoc& doc) override;
    int RunImportCsvDialog(CZantobyDoc& doc, const char* extension, const char* filter) override;
    int RunExportCsvDialog(CZantobyDoc& doc, const char* extension, const char* filter) override;
    int RunCreateWebDialog(CZantobyDoc& doc) override;
    bool RunInputCheck(CZantobyDoc& doc) override;
    int RunCheckListDialog(InputCheckSwitches& switches) override;
    int RunBulkImportDialog(CZantobyDoc& doc, BulkImportLayout& layout) override;
    bool IsContinuousImportShown() override;
    void ShowContinuousImport(bool show) override;
    int RunSizeCheckDialog(int& value, int minimum, int maximum, int left, int top) override;
    void SetWaitCursor(bool on) override;
    void PumpMessages() override;

    // The continuous import window while it is shown, else null.
    CSequencePhotoDlg* GetContinuousImportWindow();

    // Takes the requests waiting on the single-instance socket.
    void ReceiveHandOver();

  private:
    // The application's own commands.
    void OnFileCommand(wxCommandEvent& event);
    void OnGlobalExtract(wxCommandEvent& event);
    void OnSettings(wxCommandEvent& event);
    void OnAbout(wxCommandEvent& event);
    void OnErrorLog(wxCommandEvent& event);
    void OnHelpCommand(wxCommandEvent& event);
    void ApplyGlobalExtract();

    void RunStartup();
    // True when the command line named a file.
    bool ProcessCommandLine();
    void ShowMainWindow();
    // A window manager maps the main window a while after it is shown; a dialog shown before
    // that would be stacked under it. The start navigator waits until the main window is mapped.
    void OnMainFrameShown(wxShowEvent& event);
    void OpenStartNavigator();
    // Opens the files handed over and carries out a request to end, once the start is over and
    // no long work is in progress; otherwise it tries again shortly.
    void DoDeferredWork();
    void OnRetryTimer(wxTimerEvent& event);
    // Ended by the session or a signal.
    void OnTerminate();
    bool OpenNow(const CString& path);
    // The open photo editor document of a path, or null.
    wxDocument* FindEditorDocument(const CString& path) const;
    void BringForward();
    void LogOpenRequest(const CString& path) const;
    // Appends the path as a line to the file an environment variable names, if it names one.
    static void AppendToLog(const char* variable, const CString& path);

    CZantobyAppCore m_core;
    SingleInstance* m_instance;
    std::vector<std::string> m_arguments;
    std::unique_ptr<WxReadWatch> m_handOverWatch;
    CRecentFileList m_recentFiles;
    CZantobyDocManager* m_docManager = nullptr;
    CMainFrame* m_mainFrame = nullptr;

    bool m_starting = true;
    bool m_mainFrameOnScreen = false;
    // The tab the start navigator opens on while it waits for the main window; -1 when none.
    int m_startNavigatorTab = -1;
    std::deque<CString> m_pendingOpens;
    bool m_endRequested = false;
    wxTimer m_retryTimer;

    CString m_lastDocument;
    bool m_showInternalInfo = true;
    wxDataFormat m_listFormat;
    int m_printMode;
    COLORREF m_gridTextColor = kDefaultColor;
    COLORREF m_gridBackColor = kDefaultColor;
    DrawingDefaults m_drawing;
    std::unique_ptr<GlobalFindSettings> m_globalFind;
    bool m_applyingGlobalFind = false;
    CSearchState m_search;
    bool m_waitCursor = false;
    CString m_resourceFolder = CZantobyAppCore::GetResourceFolder();
    // Made on its first show; it goes with the main window.
    wxWeakRef<wxWindow> m_continuousImport;
};

wxDECLARE_APP(CZantobyApp);
