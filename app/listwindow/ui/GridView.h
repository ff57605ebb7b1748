#pragma once

#include "list/IListView.h"
#include "platform/Arrays.h"
#include "platform/CString.h"
#include "platform/Geometry.h"

#include <wx/docview.h>
#include <wx/timer.h>

#include <vector>

class CListGrid;
class CPhotoView;
class CZantobyDoc;
class CZantobyFrame;

// The upper pane of a list window: the list grid showing the list's columns and its rows in
// display order, the view update hints, and the list-editing commands of the menus.
class CGridView : public wxView, public IListView
{
  public:
    static constexpr int kGridId = 1033;

    // The framework's view: it makes the list window with the grid above the photo strip.
    bool OnCreate(wxDocument* doc, long flags) override;
    // The list window's two panes, made in its splitter.
    void AttachPanes(CListGrid* grid, CPhotoView* photoView);
    bool OnClose(bool deleteWindow) override;
    void OnDraw(wxDC*) override {}
    void OnUpdate(wxView*, wxObject*) override {}
    void OnActivateView(bool activate, wxView* activeView, wxView* deactiveView) override;
    void OnChangeFilename() override;

    // The list document's hints.
    void OnUpdate(int hint, const ListHintArg* arg) override;

    // Once the list is read: columns, splitter and rows.
    void InitialUpdate();
    void BuildGridColumns();
    // Every line from the display order.
    void RefreshGrid();
    // The line shows the document's row again, at its row's height.
    void FillGridRow(int line, bool redraw);
    // The line's height from its contents when its row measures automatically (force: from now
    // on); other lines take the grid's default. The grid is not redrawn.
    void AutoRowHeight(int line, bool force);
    void SetSplitterPos();
    void SaveSplitterPos();

    // Null once the list has closed.
    CZantobyDoc* ListDoc() const { return m_list; }
    CListGrid* Grid() const { return m_grid; }
    CPhotoView* PhotoView() const { return m_photoView; }
    CZantobyFrame* ListFrame() const;

    // The cell-colour commands: the colour becomes the application's current one and goes to
    // the selected cells.
    void ApplyColor(COLORREF color, bool back);

    // Runs one of the view's menu commands, as the menu does.
    void RunCommand(int id);
    // Takes a JPEG file in as a new photo of the current line: the file of path, or one picked
    // in the insert-photo dialog when path is empty. False when it was not added.
    bool ImportOnePhoto(const CString& path);
    // Takes JPEG files in as new photos of the current line, in order; false unless all were
    // added.
    bool ImportPhotos(const CStringArray& paths);
    // The photo output dialog with the photos of the selected cells.
    void OutputSelectedPhotos();
    // Opens the photo editor on the current cell's photo.
    void EditPhoto();
    // The properties of the current cell's photo.
    void ShowPhotoProperties();
    // The cell dialogs' answers: 3 cells pushed down, 4 a blank line (insert); 0 contents only,
    // 1 cells pulled up, 2 whole lines (delete).
    void InsertCells(int choice);
    void DeleteCells(int choice);

  private:
    void OnCommandUndo(wxCommandEvent& event);
    void OnCommandRedo(wxCommandEvent& event);
    void OnUpdateUndo(wxUpdateUIEvent& event);
    void OnUpdateRedo(wxUpdateUIEvent& event);
    void OnEditAtCursor(wxCommandEvent& event);
    void OnUpdateEditAtCursor(wxUpdateUIEvent& event);
    void OnTextColor(wxCommandEvent& event);
    void OnBackColor(wxCommandEvent& event);
    void OnUpdateColor(wxUpdateUIEvent& event);
    void OnNavigate(wxCommandEvent& event);
    void OnListToolbar(wxCommandEvent& event);
    void OnClipboard(wxCommandEvent& event);
    void OnUpdatePhotoCell(wxUpdateUIEvent& event);
    void OnAutoInput(wxCommandEvent& event);
    void OnSort(wxCommandEvent& event);
    void OnUpdateAutoInput(wxUpdateUIEvent& event);
    void OnRowCommand(wxCommandEvent& event);
    void OnUpdateRowCommand(wxUpdateUIEvent& event);
    void OnCellDialog(wxCommandEvent& event);
    void OnUpdateCellDialog(wxUpdateUIEvent& event);
    void OnPhotoCommand(wxCommandEvent& event);
    void OnUpdatePhotoCommand(wxUpdateUIEvent& event);
    // The columns whose cells set a line's automatic height: the text columns that wrap.
    std::vector<int> WrappedColumns() const;
    void FillGridRow(int line, bool redraw, const std::vector<int>& wrapped);
    void AutoRowHeight(int line, bool force, const std::vector<int>& wrapped);
    void InsertLine();
    void DeleteSelectedRows();
    // Whether the current cell is a photo cell of a line, and the photo it shows (-1 none).
    bool IsOnPhotoCell() const;
    int CurrentPhoto() const;
    void OnUpdateListToolbar(wxUpdateUIEvent& event);
    // Hint 9 prints at once in the application's print mode, or opens the preview a moment later.
    void StartPrinting();
    void OnPreviewTimer(wxTimerEvent& event);
    // Runs a command, reporting what it throws.
    template <typename Action> void Guarded(int line, Action action);
    // Hint 8: back to a cell after undo or redo.
    void GoToPosition(int column, int line);
    void MoveToLine(int line, bool keepSelection);

    CZantobyDoc* m_list = nullptr;
    CListGrid* m_grid = nullptr;
    CPhotoView* m_photoView = nullptr;
    wxTimer m_previewTimer{this};
    int m_pendingPreview = 0; // the preview command waiting for the timer
    // What a long edit asked of the grid while it kept the grid disabled (the rows it appended,
    // or every line anew): the grid does it once, when the edit enables it again, rather than
    // row by row and again at the end.
    enum class Owed
    {
        Nothing,
        RowCount,
        AllLines
    };
    Owed m_owedWhileDisabled = Owed::Nothing;

    wxDECLARE_DYNAMIC_CLASS(CGridView);
};
