#pragma once

#include "platform/CString.h"

#include <cstdarg>

class ColumnRecord;
class CZantobyDoc;
struct BulkImportLayout;
struct GlobalFindSettings;
struct InputCheckSwitches;

// The services of the application that a list document reports through: numbered messages, the
// error report, progress texts, the version, settings and the dialogs the document opens. The
// application implements it; the document never touches a window itself.
class IListHost
{
  public:
    virtual ~IListHost() = default;

    // The error report: a box with the message (a default text when null), then an error log.
    virtual void ReportError(const char* message, const char* sourceFile, int line) = 0;

    // Boxes of the numbered message tables: information 1xxxx, questions 2xxxx, warnings 3xxxx,
    // errors 4xxxx. The arguments fill the printf-style text of the message. Each returns the
    // button pressed (IDOK, IDCANCEL, IDYES, IDNO).
    int ShowInfoMessage(int id, unsigned flags, ...);
    int AskMessage(int id, unsigned buttons, ...);
    int ShowWarningMessage(int id, unsigned flags, ...);
    int ShowErrorMessage(int id, unsigned flags, ...);

    enum class MessageKind
    {
        Info,
        Question,
        Warning,
        Error
    };
    virtual int ShowMessageV(MessageKind kind, int id, unsigned flags, va_list args) = 0;

    // The default beep that answers a refused or corrected input.
    virtual void Beep() = 0;

    // A text in the status bar while a long operation runs.
    virtual void SetProgressText(const CString& text) = 0;
    virtual void ClearProgressText() = 0;

    // "%d.%d%02d.%d" and a*100000 + b*10000 + c*100 + d of the program's version a.b.c.d.
    virtual CString GetVersionString() = 0;
    virtual int GetVersionNumber() = 0;

    // Profile settings.
    virtual CString GetNewEntryFolder() = 0;
    virtual void SetNewEntryFolder(const CString& folder) = 0;
    virtual bool GetAutoView() = 0;
    virtual bool GetAutoBackup() = 0;
    virtual bool GetAutoCheck() = 0;

    // The main frame's control bars for a mode (1: list), and its list toolbar flag.
    virtual void RefreshListFrames(int mode) = 0;
    virtual bool IsListToolbarOn() = 0;
    virtual void SetListToolbarOn(bool on) = 0;

    // The last print command (33065 to 33068).
    virtual void SetPrintMode(int commandId) = 0;
    virtual int GetPrintMode() = 0;

    virtual void ShowHelpPage(const CString& topic) = 0;

    // The application's search dialog: its keyword, wrap state (0: the next search starts at the
    // cursor) and direction are kept between runs. RunSearchDialog returns IDOK or IDCANCEL.
    virtual void SetSearchKeyword(const CString& keyword) = 0;
    virtual void SetSearchWrap(int wrap) = 0;
    virtual void SetSearchForward(bool forward) = 0;
    virtual int RunSearchDialog() = 0;

    // Modal dialogs with the document as their subject. The extract dialog returns IDOK when it
    // stored new extract conditions; page setup IDOK, IDCANCEL or a print command 33065 to
    // 33068; the sort details IDOK when they changed the sort keys.
    virtual int RunExtractDialog(CZantobyDoc& doc) = 0;
    virtual int RunPageSetupDialog(CZantobyDoc& doc) = 0;
    virtual int RunSortDetailDialog(CZantobyDoc& doc) = 0;

    // The global find condition, or null when no global find is active.
    virtual GlobalFindSettings* GetGlobalFindSettings() = 0;

    // Remembers the list that was closed last.
    virtual void SetLastDocumentPath(const CString& path) = 0;

    // The life of a list: the recent-file list, the dialogs that save, organise and back up a
    // list, and the photo editor documents opened on its photos (by the path "%s?%d").
    virtual void AddToRecentFileList(const CString& path) = 0;
    // The save-file dialog with an initial path, default extension and filter ("label|*.ext|
    // ...||"), prompting before a file is replaced; false when cancelled.
    virtual bool RunSaveFileDialog(const CString& initialPath, const char* extension, const char* filter,
                                   CString& chosenPath) = 0;
    // The automatic organiser builds the new list inside the document; IDOK or IDCANCEL.
    virtual int RunAutoPhotoDialog(CZantobyDoc& doc) = 0;
    // The backup dialog; IDOK when a backup was made.
    virtual int RunBackupDialog(CZantobyDoc& doc) = 0;
    // The input check's options dialog ("ﾘｽﾄ入力内容ﾁｪｯｸ") with the switches preset; on IDOK the
    // switches hold the user's choice. A host without it answers IDCANCEL, so that the check
    // does nothing.
    virtual int RunCheckListDialog(InputCheckSwitches& switches);
    virtual bool OpenPhotoEditorDocument(const CString& path) = 0;
    // Closes the editor document of that path without asking, when one is open.
    virtual void ClosePhotoEditorDocument(const CString& path) = 0;
    // Lets the editor document of that path, when one is open, ask to save its changes.
    virtual void SavePhotoEditorIfModified(const CString& path) = 0;

    // The dialogs of the list's own definition: the list information, the detail dialog of one
    // column's type on the record given, and the list properties. IDOK when the document (or
    // the record) was changed.
    virtual int RunListInfoDialog(CZantobyDoc& doc) = 0;
    virtual int RunColumnDetailDialog(ColumnRecord& column) = 0;
    virtual int RunListPropertiesDialog(CZantobyDoc& doc) = 0;

    // Data exchange and Web output: the CSV import (an open-file dialog) and export (a save-file
    // dialog) with their default extension and filter ("label|*.ext|...||"), the Web file
    // creation, and the input check, false when its options were cancelled or it showed the
    // rows in error.
    virtual int RunImportCsvDialog(CZantobyDoc& doc, const char* extension, const char* filter) = 0;
    virtual int RunExportCsvDialog(CZantobyDoc& doc, const char* extension, const char* filter) = 0;
    virtual int RunCreateWebDialog(CZantobyDoc& doc) = 0;
    virtual bool RunInputCheck(CZantobyDoc& doc) = 0;

    // Photo import: the bulk import dialog fills the layout and answers IDOK when photos were
    // chosen and laid out; the continuous import window, one for the whole run, made on its
    // first show; the size confirmation window with its top-left corner at a screen point,
    // IDOK when the value holds the size the user accepted.
    virtual int RunBulkImportDialog(CZantobyDoc& doc, BulkImportLayout& layout) = 0;
    virtual bool IsContinuousImportShown() = 0;
    virtual void ShowContinuousImport(bool show) = 0;
    virtual int RunSizeCheckDialog(int& value, int minimum, int maximum, int left, int top) = 0;

    // Long work on the GUI thread: the wait cursor, and the events that wait meanwhile.
    virtual void SetWaitCursor(bool on) = 0;
    virtual void PumpMessages() = 0;
};
