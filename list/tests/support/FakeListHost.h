#pragma once

#include "list/BulkImportLayout.h"
#include "list/ColumnRecord.h"
#include "list/GlobalFindSettings.h"
#include "list/IListHost.h"
#include "list/IListView.h"
#include "list/InputCheckSwitches.h"
#include "platform/MessageBox.h"

#include <deque>
#include <functional>
#include <optional>
#include <vector>

// A scripted application for list tests: records every message, beep and progress text, answers
// boxes and dialogs from queues (IDOK when a queue is empty).
class FakeListHost : public IListHost
{
  public:
    struct Message
    {
        MessageKind kind;
        int id;
    };

    void ReportError(const char* message, const char* sourceFile, int line) override;
    int ShowMessageV(MessageKind kind, int id, unsigned flags, va_list args) override;
    void Beep() override { ++beeps; }
    void SetProgressText(const CString& text) override { progressTexts.push_back(text); }
    void ClearProgressText() override { ++progressClears; }
    CString GetVersionString() override { return "2.108.0"; }
    int GetVersionNumber() override { return 210800; }
    CString GetNewEntryFolder() override { return newEntryFolder; }
    void SetNewEntryFolder(const CString& folder) override { newEntryFolder = folder; }
    bool GetAutoView() override { return true; }
    bool GetAutoBackup() override { return false; }
    bool GetAutoCheck() override { return autoCheck; }
    void RefreshListFrames(int) override {}
    bool IsListToolbarOn() override { return listToolbar; }
    void SetListToolbarOn(bool on) override { listToolbar = on; }
    void SetPrintMode(int commandId) override { printMode = commandId; }
    int GetPrintMode() override { return printMode; }
    void ShowHelpPage(const CString&) override {}
    void SetSearchKeyword(const CString& keyword) override { searchKeyword = keyword; }
    void SetSearchWrap(int wrap) override { searchWrap = wrap; }
    void SetSearchForward(bool forward) override { searchForward = forward; }
    int RunSearchDialog() override { return NextAnswer(); }
    int RunExtractDialog(CZantobyDoc&) override { return NextAnswer(); }
    int RunPageSetupDialog(CZantobyDoc&) override { return NextAnswer(); }
    int RunSortDetailDialog(CZantobyDoc&) override { return NextAnswer(); }
    GlobalFindSettings* GetGlobalFindSettings() override { return globalFindActive ? &globalFind : nullptr; }
    void SetLastDocumentPath(const CString& path) override { lastDocumentPath = path; }
    void AddToRecentFileList(const CString& path) override { recentFiles.push_back(path); }
    bool RunSaveFileDialog(const CString& initialPath, const char*, const char*,
                           CString& chosenPath) override;
    int RunAutoPhotoDialog(CZantobyDoc& doc) override;
    int RunBackupDialog(CZantobyDoc&) override { return NextAnswer(); }
    int RunCheckListDialog(InputCheckSwitches& switches) override;
    bool OpenPhotoEditorDocument(const CString& path) override;
    void ClosePhotoEditorDocument(const CString& path) override { std::erase(editorDocuments, path); }
    void SavePhotoEditorIfModified(const CString& path) override { editorSaveRequests.push_back(path); }
    int RunListInfoDialog(CZantobyDoc& doc) override;
    int RunColumnDetailDialog(ColumnRecord& column) override;
    int RunListPropertiesDialog(CZantobyDoc&) override { return NextAnswer(); }
    int RunImportCsvDialog(CZantobyDoc&, const char* extension, const char* filter) override;
    int RunExportCsvDialog(CZantobyDoc&, const char*, const char*) override { return NextAnswer(); }
    int RunCreateWebDialog(CZantobyDoc&) override { return NextAnswer(); }
    bool RunInputCheck(CZantobyDoc&) override { return NextAnswer() == 1; }
    int RunBulkImportDialog(CZantobyDoc& doc, BulkImportLayout& layout) override;
    bool IsContinuousImportShown() override { return continuousImportShown; }
    void ShowContinuousImport(bool show) override { continuousImportShown = show; }
    int RunSizeCheckDialog(int& value, int, int, int, int) override;
    void SetWaitCursor(bool on) override { waitCursor = on; }
    void PumpMessages() override { ++pumps; }

    bool HasMessage(int id) const;

    std::vector<Message> messages;
    std::vector<CString> errorReports;
    std::deque<int> answers;
    int beeps = 0;
    std::vector<CString> progressTexts;
    int progressClears = 0;
    CString newEntryFolder;
    bool listToolbar = true;
    int printMode = 33067;
    CString searchKeyword;
    int searchWrap = 1;
    bool searchForward = true;
    bool globalFindActive = false;
    GlobalFindSettings globalFind;
    CString lastDocumentPath;
    std::vector<CString> recentFiles;
    // The save dialog's answer (empty: cancelled) and the initial path it was shown with.
    CString savePath;
    CString saveDialogInitialPath;
    // The automatic organiser: what it does inside the document, and its result.
    std::function<int(CZantobyDoc&)> autoPhoto;
    // Open photo editor documents by path, and the paths asked to save their changes.
    std::vector<CString> editorDocuments;
    std::vector<CString> editorSaveRequests;
    // The dialogs of the list's definition and of photo import: what each does to its subject
    // before it answers.
    std::function<int(CZantobyDoc&)> listInfo;
    std::function<int(ColumnRecord&)> columnDetail;
    std::function<int(CZantobyDoc&, BulkImportLayout&)> bulkImport;
    int sizeCheckValue = 0;
    CString csvExtension;
    CString csvFilter;
    bool continuousImportShown = false;
    bool autoCheck = false;
    bool waitCursor = false;
    int pumps = 0;
    // The input check's options: the switches the user leaves ticked (none: the dialog is
    // cancelled).
    std::optional<InputCheckSwitches> checkSwitches;

  private:
    int NextAnswer();
};

// A view that keeps the hints it was sent.
class RecordingView : public IListView
{
  public:
    struct Received
    {
        int hint;
        ListHintArg arg;
        bool hasArg;
    };

    void OnUpdate(int hint, const ListHintArg* arg) override
    {
        received.push_back({hint, arg != nullptr ? *arg : ListHintArg(), arg != nullptr});
    }

    std::vector<Received> received;
};
