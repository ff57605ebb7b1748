#pragma once

class CZantobyDoc;
class IListHost;
struct BulkImportLayout;

// The menu commands that a list document handles itself, whichever of its windows is active:
// each runs its dialog through the application with the document as its subject, or changes
// the display order, the sort keys or the rows with one undo step.
class CListCommands
{
  public:
    explicit CListCommands(CZantobyDoc& doc);

    // File
    void OnListProperties();
    void OnBackup();
    void OnImportCsv();
    void OnExportCsv();
    // 33065 to 33068 become the print mode; 33064 prints in the mode kept.
    void OnPrint(int commandId);
    void OnPageSetup();

    // Find, extract and sort
    void OnFind();
    void OnFindNext();
    void OnFindPrevious();
    void OnExtract();
    void OnHideAll();
    void OnShowAll();
    void OnSortSettings();
    // Makes the column the first sort key; false, with a beep, for a column the list lacks.
    bool SortByColumn(int column, bool descending);

    // Photos, Web and the list's definition
    void OnBulkImport();
    void OnContinuousImport();
    void OnCreateWeb();
    void OnInputCheck();
    void OnListInfo();
    // Edits one column's definition in the detail dialog of its type.
    void EditColumnInfo(int column);

    // Update rules of the menus
    bool IsPrintModeChecked(int commandId) const;
    bool IsContinuousImportChecked() const;
    // Bulk import, Web files and the input check change a list, so a read-only one has them off.
    bool CanChangeList() const;

  private:
    // Runs a command that opens a dialog, reporting what escapes it.
    template <typename Action> void Guarded(int line, Action action);
    // Shows the rows anew from the display order with one undo step around the change.
    template <typename Change> void ChangeDisplay(Change change);
    void ImportLaidOutPhotos(BulkImportLayout& layout);

    CZantobyDoc& m_doc;
    IListHost& m_host;
};
