#pragma once

#include "app/find/SearchState.h"
#include "app/startup/RecentFileList.h"
#include "app/startup/ZantobyAppCore.h"
#include "app/startup/ui/AppCommands.h"
#include "app/startup/ui/ListOpening.h"
#include "app/startup/ui/OutsideLogs.h"
#include "app/startup/ui/StartupSequence.h"
#include "list/IListHost.h"
#include "photo/DrawingDefaults.h"
#include "platform/CString.h"

#include <wx/app.h>
#include <wx/dataobj.h>
#include <wx/weakref.h>
#include <wx/window.h>

#include <string>
#include <vector>

class CMainFrame;
class CSequencePhotoDlg;
class CZantobyDocManager;
class SingleInstance;
class wxDocument;

// The main program's application object: its start (profile, document manager, main window) and
// its end, the state the rest of the program reads through it, and the services and dialogs the
// list document asks for through the IListHost side. Messages, the error report, status texts,
// version and settings are the application core's; the start's sequence, the opening of lists
// and the application's own commands have classes of their own.
class CZantobyApp : public wxApp, public IListHost
{
  public:
    // instance: this copy's hold on the single running copy (null: no check, as in tests).
    // arguments: the command line after the program's name as the system gave it, so that file
    // names keep their own encoding whatever the locale says.
    CZantobyApp(SingleInstance* instance, std::vector<std::string> arguments);
    ~CZantobyApp() override;

    // Start and end
    bool OnInit() override;
    int OnExit() override;
    // A failed check inside wx goes to the error log; no box stops the user, the program goes on.
    void OnAssertFailure(const wxChar* file, int line, const wxChar* function, const wxChar* condition,
                         const wxChar* message) override;
    // The start up to the main window, without splash and command line (tests build on it).
    bool InitCore();
    bool CreateMainWindow();
    // What the splash writes to the paint log once drawn, for timing the start from outside.
    static constexpr const char* kSplashShownLine = COutsideLogs::kSplashShownLine;
    // The lists the program is asked to open, now or once the start has ended, and the start
    // navigator (see CListOpening and CAppCommands).
    CListOpening& Opening() { return m_opening; }
    bool OpenDocumentFile(const CString& path) { return m_opening.Open(path); }
    void OpenRecentFile(int index) { m_opening.OpenRecent(index); }
    void RunOpenNavigator(int mode) { m_commands.RunOpenNavigator(mode); }
    void SetResourceFolder(const CString& folder) { m_commands.SetResourceFolder(folder); }

    // The tutorial viewer on a page (0: as it is), started when it does not run; warning 30001
    // when it cannot be started. Its closing at the end.
    void ShowTutorial(int topic);
    void CloseTutorial();

    CZantobyAppCore& Core() { return m_core; }
    CProfileSettings& Settings() { return m_core.Settings(); }
    CZantobyDocManager* GetDocManager() const { return m_docManager; }
    CRecentFileList& GetRecentFiles() { return m_recentFiles; }
    CMainFrame* GetMainFrame() const { return m_mainFrame; }
    bool IsStarting() const { return m_opening.IsStarting(); }

    // Status texts
    void ShowRowPosition(int current, int count) { m_core.StatusTexts().ShowRowPosition(current, count); }
    void ShowPointerPosition(int x, int y) { m_core.StatusTexts().ShowPointerPosition(x, y); }
    void ShowZoomPercent(int zoom) { m_core.StatusTexts().ShowZoomPercent(zoom); }
    void ShowStatusNotice(const CString& text) { m_core.StatusTexts().ShowNotice(text); }

    // State other windows read and set
    const CString& GetLastDocument() const { return m_lastDocument; }
    bool IsShowingInternalInfo() const { return m_showInternalInfo; }
    // The settings were applied: the internal information shows as they say.
    void TakeInternalInfoSetting();
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
    GlobalFindSettings* GetGlobalFindSettings() override { return m_commands.AppliedGlobalFind(); }
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

  private:
    // The open photo editor document of a path, or null.
    wxDocument* FindEditorDocument(const CString& path) const;

    CZantobyAppCore m_core;
    SingleInstance* m_instance;
    std::vector<std::string> m_arguments;
    CRecentFileList m_recentFiles;
    CZantobyDocManager* m_docManager = nullptr;
    CMainFrame* m_mainFrame = nullptr;
    CListOpening m_opening{*this};
    CStartupSequence m_startup{*this};
    CAppCommands m_commands{*this};

    CString m_lastDocument;
    bool m_showInternalInfo = true;
    wxDataFormat m_listFormat;
    int m_printMode;
    COLORREF m_gridTextColor = kDefaultColor;
    COLORREF m_gridBackColor = kDefaultColor;
    DrawingDefaults m_drawing;
    CSearchState m_search;
    bool m_waitCursor = false;
    // Made on its first show; it goes with the main window.
    wxWeakRef<wxWindow> m_continuousImport;
};

wxDECLARE_APP(CZantobyApp);
