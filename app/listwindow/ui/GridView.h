#pragma once

#include "app/frame/ui/IListPanes.h"
#include "app/listwindow/ui/ListEditCommands.h"
#include "app/listwindow/ui/ListFormatCommands.h"
#include "app/listwindow/ui/ListPhotoCommands.h"
#include "app/listwindow/ui/ListViewCommands.h"
#include "list/IListView.h"
#include "platform/Geometry.h"

#include <wx/docview.h>
#include <wx/timer.h>

#include <exception>
#include <vector>

class CListGrid;
class CPhotoView;
class CZantobyDoc;
class CZantobyFrame;

// The upper pane of a list window: the list grid showing the list's columns and its rows in
// display order, and the view update hints. The commands of its menus have a class a menu.
class CGridView : public wxView, public IListView, public IListPanes
{
  public:
    static constexpr int kGridId = 1033;

    // The framework's view: it makes the list window with the grid above the photo strip.
    bool OnCreate(wxDocument* doc, long flags) override;
    // The list window's two panes in its frame's splitter: the grid and the photo view.
    bool CreatePanes(wxWindow* parent, wxWindow*& upper, wxWindow*& lower) override;
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
    // Whether the current cell is a photo cell of a line.
    bool IsOnPhotoCell() const;

    // Runs one of the view's menu commands, as the menu does.
    void RunCommand(int id);
    // Runs a command, reporting what it throws.
    template <typename Action> static void Guarded(int line, Action action)
    {
        try {
            action();
        } catch (const std::exception&) {
            ReportFault(line);
        }
    }

    // The cell-colour commands: the colour goes to the selected cells.
    void ApplyColor(COLORREF color, bool back) { m_formatCommands.ApplyColor(color, back); }
    // The cell dialogs' answers: 3 cells pushed down, 4 a blank line (insert); 0 contents only,
    // 1 cells pulled up, 2 whole lines (delete).
    void InsertCells(int choice) { m_editCommands.InsertCells(choice); }
    void DeleteCells(int choice) { m_editCommands.DeleteCells(choice); }
    // The photo commands on the current line and cell.
    CListPhotoCommands& PhotoCommands() { return m_photoCommands; }

  private:
    static void ReportFault(int line);
    // The columns whose cells set a line's automatic height: the text columns that wrap.
    std::vector<int> WrappedColumns() const;
    void FillGridRow(int line, bool redraw, const std::vector<int>& wrapped);
    void AutoRowHeight(int line, bool force, const std::vector<int>& wrapped);
    // Hint 9 prints at once in the application's print mode, or opens the preview a moment later.
    void StartPrinting();
    void OnPreviewTimer(wxTimerEvent& event);
    // Hint 8: back to a cell after undo or redo.
    void GoToPosition(int column, int line);

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
    CListEditCommands m_editCommands{*this};
    CListViewCommands m_viewCommands{*this};
    CListFormatCommands m_formatCommands{*this};
    CListPhotoCommands m_photoCommands{*this};

    wxDECLARE_DYNAMIC_CLASS(CGridView);
};
