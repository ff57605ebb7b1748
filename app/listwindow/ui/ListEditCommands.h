#pragma once

#include "app/listwindow/ui/ListCommandGroup.h"

class CGridView;
class wxCommandEvent;
class wxUpdateUIEvent;

// The commands of a list window's 編集 menu: undo and redo, the clipboard, the edit at the
// cursor, auto input, the lines inserted, copied and deleted, and the cells inserted and deleted.
class CListEditCommands : private CListCommandGroup
{
  public:
    // Binds the commands to the view's menus.
    explicit CListEditCommands(CGridView& view);

    // The cell dialogs' answers: 3 cells pushed down, 4 a blank line (insert); 0 contents only,
    // 1 cells pulled up, 2 whole lines (delete).
    void InsertCells(int choice);
    void DeleteCells(int choice);

  private:
    void OnUndo(wxCommandEvent& event);
    void OnRedo(wxCommandEvent& event);
    void OnUpdateUndo(wxUpdateUIEvent& event);
    void OnUpdateRedo(wxUpdateUIEvent& event);
    void OnEditAtCursor(wxCommandEvent& event);
    void OnUpdateEditAtCursor(wxUpdateUIEvent& event);
    void OnClipboard(wxCommandEvent& event);
    void OnUpdatePhotoCell(wxUpdateUIEvent& event);
    void OnAutoInput(wxCommandEvent& event);
    void OnUpdateAutoInput(wxUpdateUIEvent& event);
    void OnRowCommand(wxCommandEvent& event);
    void OnUpdateRowCommand(wxUpdateUIEvent& event);
    void OnCellDialog(wxCommandEvent& event);
    void OnUpdateCellDialog(wxUpdateUIEvent& event);
    void InsertLine();
    void DeleteSelectedRows();
};
