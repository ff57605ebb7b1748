#pragma once

#include "list/ColumnRecord.h"
#include "list/ExtractConditions.h"
#include "list/InputCheckSwitches.h"
#include "list/ListFolderIdentity.h"
#include "list/ListHintArg.h"
#include "list/ListLimits.h"
#include "list/ListPhotos.h"
#include "list/ListUndo.h"
#include "list/PhotoRecord.h"
#include "list/PhotoSizeSettings.h"
#include "list/PrintSettings.h"
#include "list/ProductRecord.h"
#include "list/SortKeyEntry.h"
#include "list/WebOutputSettings.h"
#include "platform/LockFile.h"

#include <array>
#include <memory>
#include <set>
#include <string_view>
#include <vector>

class CPhotoRegistration;
class IListHost;
class IListView;

// The document of one open list: its rows, cells, columns and photo slots, its settings, the
// order in which its rows are shown, and its undo state. It has no window of its own; views
// follow it through numbered update hints and change it through its operations.
class CZantobyDoc
{
  public:
    explicit CZantobyDoc(IListHost& host);
    ~CZantobyDoc();
    CZantobyDoc(const CZantobyDoc&) = delete;
    CZantobyDoc& operator=(const CZantobyDoc&) = delete;

    IListHost& Host() const { return m_host; }

    // Views
    void AddView(IListView* view);
    void RemoveView(IListView* view);
    // Sends a hint to every view but the sender; arg is null unless the hint carries an object.
    void UpdateAllViews(IListView* sender, int hint, const ListHintArg* arg = nullptr);

    // The path the document is known by (empty before the first save or open), and whether it
    // has unsaved changes.
    const CString& GetPathName() const { return m_pathName; }
    // The document's title in its window: the file name, or the working name of an untitled list.
    const CString& GetTitle() const { return m_title; }
    bool IsModified() const { return m_modified; }
    void SetModifiedFlag(bool modified = true) { m_modified = modified; }

    // Records by index. Rows and photo slots 0..9,999, columns by display index 0..127.
    ProductRecord& GetRow(int index)
    {
        Widen(m_rowReach, index, kMaxRows);
        return m_rows[index];
    }
    const ProductRecord& GetRow(int index) const { return m_rows[index]; }
    PhotoRecord& GetPhoto(int index)
    {
        Widen(m_photoReach, index, kMaxPhotos);
        return m_photos[index];
    }
    const PhotoRecord& GetPhoto(int index) const { return m_photos[index]; }
    // One past the last row (photo slot) handed out for writing since the list was last reset:
    // every record from there on is as a reset leaves it, so a walk over the rows or photos in
    // use stops there, and a small list costs little however large the capacity.
    int RowReach() const { return m_rowReach; }
    int PhotoReach() const { return m_photoReach; }
    ColumnRecord& GetColumn(int displayColumn) { return m_columns[displayColumn]; }
    const ColumnRecord& GetColumn(int displayColumn) const { return m_columns[displayColumn]; }
    // The column that uses a cell slot (the shared empty column when none does), and the display
    // index of the slot (-1 when no column uses it). Valid after BuildColumnMap.
    const ColumnRecord& GetColumnOfSlot(int slot) const { return *m_columnOfSlot[slot]; }
    int GetDisplayIndexOfSlot(int slot) const { return m_displayIndexOfSlot[slot]; }
    // The slots that a column with a type uses, lowest first. Valid after BuildColumnMap.
    std::vector<int> TypedSlots() const;
    // The column of a display index, or the shared empty column outside 0..127.
    const ColumnRecord& ColumnOrEmpty(int displayColumn) const;

    // Records and layout
    void ResetToNewList();
    void BuildColumnMap();
    // Cell slot and row index of a display position; each -1 when there is none.
    void MapDisplayCell(int displayColumn, int displayRow, int& slot, int& row) const;
    // Lowest free row, reset and marked in use; -1 when all rows are in use.
    int AllocProductRecord();
    bool HasFreeRow() const;
    bool HasFreePhotoSlot() const;
    void AppendNewRowLine();
    void RebuildAutoDropList(int displayColumn);
    bool FindColumnByName(const CString& nameAndSubName, int& displayColumn) const;

    // Cell values by column type and output mode (kOutputGrid ... kOutputFind)
    CString GetCellText(int displayColumn, int slot, int row, int mode) const;
    CString GetCellTextAt(int displayColumn, int displayRow, int mode) const;
    // Parses the text into the cell with undo; a new row is made on the new-row line. Returns the
    // text of the stored value. Text that the column refuses changes nothing (see CCellCodec) and
    // returns the text of the value kept; refusal receives the reason.
    CString SetCellTextAt(int displayColumn, int displayRow, const CString& text, CString* refusal = nullptr);
    // The same for an edit that writes many cells (the CSV import), without the text back: a
    // text the column refuses leaves the cell as it was, but the new-row line still gets its
    // row, whose cell stays empty. The new row is the lowest free one at or after freeRowFrom,
    // which the caller knows to have no free row below it; freeRowFrom moves past it.
    void StoreCellText(int displayColumn, int displayRow, std::string_view text, int& freeRowFrom);
    CString FormatCellForOutput(int displayColumn, const CellValue& cell, int mode) const;
    CString ParseCellText(int displayColumn, CellValue& target, const CString& text, int mode,
                          CString* refusal = nullptr);
    bool SetCellTextColor(int displayColumn, int displayRow, COLORREF color);
    bool SetCellBackColor(int displayColumn, int displayRow, COLORREF color);
    // Print header and footer text with its & tokens replaced.
    CString ExpandHeaderFooter(const CString& text, int page, int pageCount) const;

    // Undo. kind: 0 none, 1 one row (row -1: display order only), 2 a row added to the open
    // step, 3 every displayed row; phase: 0 before the change, 1 after it.
    bool SaveUndoSnapshot(int kind, int row, int phase) { return m_undo.SaveSnapshot(kind, row, phase); }
    bool DeleteUndoFiles(int firstStep) { return m_undo.DeleteFiles(firstStep); }
    void RestoreUndoSnapshot(int phase) { m_undo.Restore(phase); }
    bool CanUndo() const { return m_undo.CanUndo(); }
    bool CanRedo() const { return m_undo.CanRedo(); }
    // The undo and redo commands; a beep when there is nothing to undo or redo.
    void OnUndo();
    void OnRedo();
    bool IsUndoOn() const { return m_undo.IsOn(); }
    // Whether an edit has begun an undo step that it has not ended yet.
    bool IsUndoStepOpen() const { return m_undo.undoDepth > 0; }
    // Switches undo on again (after the automatic organiser) with an empty history.
    void SwitchUndoOn() { m_undo.SwitchOn(); }
    // Long edits that write many cells (the CSV import) record no steps; SwitchUndoOn ends them.
    void SwitchUndoOff() { m_undo.undoOn = false; }

    // Files and the life of the list. A list is new (untitled, working in the temporary folder
    // until its first save), made from a template ("template:" and a spec) or by the automatic
    // organiser ("autophoto:"), or opened from its file; each returns false when the user
    // cancelled or a message has said what failed.
    bool OnNewDocument();
    bool OnOpenDocument(const CString& path);
    // The save command (asks for a file for an untitled list); the path is the list's own when
    // empty.
    bool DoSave(const CString& path = CString());
    bool OnSaveDocument(const CString& path);
    // Closes the list: photo editors, backup, lock and working files. The document stays to be
    // destroyed by its owner.
    void OnCloseDocument();
    // The path the list is known by, made absolute; an untitled list keeps its working name.
    void SetPathName(const CString& path, bool addToRecentFiles = true);
    // Reads a list file with CListFileReader's flags into a freshly reset document.
    bool ReadListFile(const CString& path, int flags);
    // Tidies the list and writes it; the backup writes through it too.
    bool WriteListFile(const CString& path, bool keepViews);
    bool CreateWorkFolders(const CString& templateSpec);
    bool DeleteWorkFolders();
    bool RunAutoOrganiser();
    bool OpenPhotoEditor(int photo);
    void OnPhotoEdited(int photo);
    void OnPhotoEditorClosed(int photo);
    // The backup dialog; a completed backup clears savedChanges. Returns its modal result.
    int RunBackup();
    // Commands the grid view calls from its own menus; the rest of the list's commands are
    // CListCommands'.
    void OnFind();
    void OnSortSettings();
    void OnListInfo();
    void OnHideAll();
    void EditColumnInfo(int column);
    bool SortByColumn(int column, bool descending);

    // Display order
    bool ShowAllRows();
    void HideAllRows();
    bool ExtractRows(bool appendNewRowLine);
    bool ExtractByGlobalKeywords();
    bool SortDisplayRows();
    // Creates the extract conditions on first use and clears them.
    void ResetExtractConditions();

    // Photos: slots, rows' photos, the four files of a photo, rendering and thumbnails.
    int AllocPhotoRecord() { return m_listPhotos.AllocPhotoRecord(); }
    bool AddPhotoToRow(int displayRow, int position, int photo, int undoKind)
    {
        return m_listPhotos.AddPhotoToRow(displayRow, position, photo, undoKind);
    }
    int ImportPhotoImage(const CString& source, int slot, const CString& drawing, int rotation)
    {
        return m_listPhotos.ImportPhotoImage(source, slot, drawing, rotation);
    }
    bool PrepareRegistration(const CString& source, int slot, const CString& drawing, int rotation,
                             CPhotoRegistration& registration)
    {
        return m_listPhotos.PrepareRegistration(source, slot, drawing, rotation, registration);
    }
    int FinishRegistration(CPhotoRegistration& registration)
    {
        return m_listPhotos.FinishRegistration(registration);
    }
    void AbandonRegistration(const CPhotoRegistration& registration)
    {
        m_listPhotos.AbandonRegistration(registration);
    }
    bool RotatePhotoRight(int photo) { return ImportPhotoImage(CString(), photo, CString(), -1) >= 0; }
    bool RotatePhotoLeft(int photo) { return ImportPhotoImage(CString(), photo, CString(), 1) >= 0; }
    CString GetOriginalPhotoPath(int slot) const { return m_listPhotos.GetOriginalPhotoPath(slot); }
    CString GetMiddlePhotoPath(int slot) const { return m_listPhotos.GetMiddlePhotoPath(slot); }
    CString GetThumbnailPath(int slot) const { return m_listPhotos.GetThumbnailPath(slot); }
    CString GetDrawingPath(int slot) const { return m_listPhotos.GetDrawingPath(slot); }
    // A file of a slot in either layout, whatever the slot's own layout is.
    CString GetPhotoFilePath(int slot, CListPhotos::FileKind kind, bool flat) const
    {
        return m_listPhotos.PathOf(slot, kind, flat);
    }
    CBitmapEx* GetThumbnailBitmap(int slot) { return m_listPhotos.GetThumbnailBitmap(slot); }
    void MakePhotoSubfolders() const { m_listPhotos.MakeSubfolders(); }
    void RemovePhotoWriteLeftovers() const { m_listPhotos.RemoveWriteLeftovers(); }

    // The list's own data. Names follow the list file and the records they describe.
    CString workPath;    // working file of an untitled list; empty when the list has a file
    int fileVersion = 0; // version number read from the list file
    CString title;
    CString listFolder; // without a trailing "/"
    CString photoFolderName;
    int columnCount = 3;
    int photoColumns = 3;
    int lockedColumns = 0;
    std::array<SortKeyEntry, kMaxColumns> sortKeys;
    InputCheckSwitches inputChecks;
    int currentColumn = -1; // the grid cursor, kept in the list file and in undo snapshots
    int currentRow = -1;
    CString currentCellText;
    int focusColumn = -1; // the cell the grid view returns to
    int focusRow = -1;
    PhotoSizeSettings photoSizes;
    int splitterPosition = 350;
    WebOutputSettings web;
    PrintSettings print;
    CString backupFolder;
    bool backupOn = false;
    bool savedChanges = false;     // saved with changes since the last backup
    std::vector<int> displayOrder; // row index of each display position; -1 is the new-row line
    int displayCount = 1;
    std::set<int> editingPhotos;                          // photos open in the photo editor
    std::unique_ptr<ExtractConditions> extractConditions; // null until the first extract
    bool readOnly = false;
    bool sample = false;
    bool open = true;
    LockFile lockFile; // the list path with "$", held while the list is open from its file
    CListFolderIdentity folderIdentity; // the folder it was opened from or last saved in
    // The temporary folder (with a trailing "/") that holds the undo snapshots: the process's
    // private one; empty when none could be made.
    CString tempFolder;

  private:
    friend class CListLifecycle; // gives untitled lists their working names

    static CDateEx Now();
    static void Widen(int& reach, int index, int capacity)
    {
        if (index >= reach && index < capacity) {
            reach = index + 1;
        }
    }
    bool SetCellColor(int displayColumn, int displayRow, COLORREF CellRecord::*which, COLORREF color);
    // The lowest free row at or after from; -1 when there is none.
    int FindFreeRow(int from) const;
    // Resets a free row and marks it in use.
    void TakeRow(int row);
    // Opens the one-row undo step of a write into a display row that holds row, or that is the
    // new-row line (row -1): that line first takes the lowest free row at or after freeRowFrom,
    // or shows error 40200 and returns -1. The row written, with its last change stamped.
    int BeginCellWrite(int displayRow, int row, int& freeRowFrom);
    void ClearDisplay();
    void SetDisplayRows(const std::vector<int>& rows, bool appendNewRowLine);

    IListHost& m_host;
    std::vector<IListView*> m_views;
    CString m_pathName;
    CString m_title;
    bool m_modified = false;
    std::vector<ProductRecord> m_rows;
    std::vector<PhotoRecord> m_photos;
    int m_rowReach = 0;
    int m_photoReach = 0;
    std::array<ColumnRecord, kMaxColumns> m_columns;
    std::array<const ColumnRecord*, kMaxColumns> m_columnOfSlot;
    std::array<int, kMaxColumns> m_displayIndexOfSlot;
    CListUndo m_undo;
    CListPhotos m_listPhotos;
};
