#include "app/listwindow/ui/ListEditCommands.h"

#include "app/editing/ListRowEdits.h"
#include "app/editing/ui/DeleteCellDlg.h"
#include "app/editing/ui/InsertCellDlg.h"
#include "app/listwindow/ui/GridView.h"
#include "app/listwindow/ui/ListGrid.h"
#include "list/ZantobyDoc.h"

#include <algorithm>
#include <vector>

namespace {

constexpr int ID_EDIT_UNDO = 57643;
constexpr int ID_EDIT_REDO = 57644;
constexpr int ID_EDIT_AT_CURSOR = 32889;
constexpr int ID_CUT = 57635;
constexpr int ID_COPY = 57634;
constexpr int ID_PASTE = 57637;
constexpr int ID_PASTE_REFERENCE = 57638;
constexpr int ID_COPY_PHOTO_NAME = 57645;
constexpr int ID_AUTO_INPUT = 32933;
constexpr int ID_INSERT_LINE = 32774;
constexpr int ID_DUPLICATE_ROW = 32776;
constexpr int ID_DELETE_ROWS = 32777;
constexpr int ID_DELETE_ALL_ROWS = 32874;
constexpr int ID_INSERT_CELLS = 33078;
constexpr int ID_DELETE_CELLS = 33079;

} // namespace

CListEditCommands::CListEditCommands(CGridView& view) : CListCommandGroup(view)
{
    view.Bind(wxEVT_MENU, &CListEditCommands::OnUndo, this, ID_EDIT_UNDO);
    view.Bind(wxEVT_MENU, &CListEditCommands::OnRedo, this, ID_EDIT_REDO);
    view.Bind(wxEVT_UPDATE_UI, &CListEditCommands::OnUpdateUndo, this, ID_EDIT_UNDO);
    view.Bind(wxEVT_UPDATE_UI, &CListEditCommands::OnUpdateRedo, this, ID_EDIT_REDO);
    view.Bind(wxEVT_MENU, &CListEditCommands::OnEditAtCursor, this, ID_EDIT_AT_CURSOR);
    view.Bind(wxEVT_UPDATE_UI, &CListEditCommands::OnUpdateEditAtCursor, this, ID_EDIT_AT_CURSOR);
    for (int id : {ID_CUT, ID_COPY, ID_PASTE, ID_PASTE_REFERENCE, ID_COPY_PHOTO_NAME}) {
        view.Bind(wxEVT_MENU, &CListEditCommands::OnClipboard, this, id);
    }
    view.Bind(wxEVT_UPDATE_UI, &CListEditCommands::OnUpdatePhotoCell, this, ID_PASTE_REFERENCE);
    view.Bind(wxEVT_UPDATE_UI, &CListEditCommands::OnUpdatePhotoCell, this, ID_COPY_PHOTO_NAME);
    view.Bind(wxEVT_MENU, &CListEditCommands::OnAutoInput, this, ID_AUTO_INPUT);
    view.Bind(wxEVT_UPDATE_UI, &CListEditCommands::OnUpdateAutoInput, this, ID_AUTO_INPUT);
    for (int id : {ID_INSERT_LINE, ID_DUPLICATE_ROW, ID_DELETE_ROWS, ID_DELETE_ALL_ROWS}) {
        view.Bind(wxEVT_MENU, &CListEditCommands::OnRowCommand, this, id);
        view.Bind(wxEVT_UPDATE_UI, &CListEditCommands::OnUpdateRowCommand, this, id);
    }
    view.Bind(wxEVT_MENU, &CListEditCommands::OnCellDialog, this, ID_INSERT_CELLS, ID_DELETE_CELLS);
    view.Bind(wxEVT_UPDATE_UI, &CListEditCommands::OnUpdateCellDialog, this, ID_INSERT_CELLS,
              ID_DELETE_CELLS);
}

void CListEditCommands::OnUndo(wxCommandEvent&)
{
    CGridView::Guarded(__LINE__, [this] {
        if (List() != nullptr) {
            List()->OnUndo();
        }
    });
}

void CListEditCommands::OnRedo(wxCommandEvent&)
{
    CGridView::Guarded(__LINE__, [this] {
        if (List() != nullptr) {
            List()->OnRedo();
        }
    });
}

void CListEditCommands::OnUpdateUndo(wxUpdateUIEvent& event)
{
    event.Enable(List() != nullptr && List()->CanUndo());
}

void CListEditCommands::OnUpdateRedo(wxUpdateUIEvent& event)
{
    event.Enable(List() != nullptr && List()->CanRedo());
}

void CListEditCommands::OnEditAtCursor(wxCommandEvent&)
{
    if (HasList()) {
        Grid()->BeginEditAt(Grid()->CurrentColumn(), Grid()->CurrentRow(), 0);
    }
}

void CListEditCommands::OnUpdateEditAtCursor(wxUpdateUIEvent& event)
{
    event.Enable(HasList() && Grid()->CurrentColumn() >= 0 && Grid()->CurrentColumn() < List()->columnCount &&
                 Grid()->CurrentRow() >= 0 && Grid()->CurrentRow() < Grid()->GetRowCount());
}

void CListEditCommands::OnClipboard(wxCommandEvent& event)
{
    CGridView::Guarded(__LINE__, [this, &event] {
        if (!HasList()) {
            return;
        }
        switch (event.GetId()) {
        case ID_CUT:
            Grid()->Clipboard().Cut();
            break;
        case ID_COPY:
            Grid()->Clipboard().Copy();
            break;
        case ID_PASTE:
            Grid()->Clipboard().Paste(false);
            break;
        case ID_PASTE_REFERENCE:
            Grid()->Clipboard().Paste(true);
            break;
        default:
            Grid()->Clipboard().CopyPhotoFileName();
            break;
        }
    });
}

void CListEditCommands::OnUpdatePhotoCell(wxUpdateUIEvent& event)
{
    event.Enable(m_view.IsOnPhotoCell());
}

void CListEditCommands::OnAutoInput(wxCommandEvent&)
{
    CGridView::Guarded(__LINE__, [this] {
        if (Grid() != nullptr) {
            Grid()->AutoInput(-1);
        }
    });
}

void CListEditCommands::OnUpdateAutoInput(wxUpdateUIEvent& event)
{
    if (!HasList() || !Grid()->IsSingleRange()) {
        event.Enable(false);
        return;
    }
    event.Enable(Grid()->SelectedBlocks()[0].right < List()->columnCount);
}

void CListEditCommands::InsertLine()
{
    CListGrid& grid = *Grid();
    CZantobyDoc& list = *List();
    const int line = std::max(grid.CurrentRow(), 0);
    if (!CListRowEdits(list).InsertBlankLine(line)) {
        return;
    }
    grid.InsertRowAt(line);
    m_view.FillGridRow(line, false);
    grid.FreeThumbnailsOutOfView();
    grid.RepaintGrid();
    list.UpdateAllViews(&m_view, kHintRowsEdited);
}

void CListEditCommands::DeleteSelectedRows()
{
    CListGrid& grid = *Grid();
    const std::vector<int> lines = CListRowEdits::LinesOf(grid.SelectedBlocks());
    if (CListRowEdits(*List()).DeleteLines(lines).empty()) {
        return;
    }
    m_view.RefreshGrid();
    // The lines that were selected are gone; the cursor stays where the first of them was.
    grid.DeselectAll();
    const int line = std::min(lines.front(), grid.GetRowCount() - 1);
    if (line >= 0) {
        grid.MoveToCell(std::max(grid.CurrentColumn(), 0), line);
    }
}

void CListEditCommands::OnRowCommand(wxCommandEvent& event)
{
    CGridView::Guarded(__LINE__, [this, &event] {
        if (!HasList()) {
            return;
        }
        CListRowEdits rows(*List());
        switch (event.GetId()) {
        case ID_INSERT_LINE:
            InsertLine();
            break;
        case ID_DUPLICATE_ROW: {
            const int line = std::max(Grid()->CurrentRow(), 0);
            if (rows.DuplicateRow(line)) {
                Grid()->InsertRowAt(line);
                if (Grid()->GetRowCount() > List()->displayCount) {
                    // The copy took the place of the closing new-row line.
                    Grid()->UpdateRowCount();
                }
                m_view.FillGridRow(line, false);
                m_view.FillGridRow(line + 1, false);
                Grid()->RepaintGrid();
                List()->UpdateAllViews(&m_view, kHintRowsEdited);
            }
            break;
        }
        case ID_DELETE_ROWS:
            DeleteSelectedRows();
            break;
        case ID_DELETE_ALL_ROWS:
            rows.DeleteAllDisplayed();
            break;
        default:
            break;
        }
    });
}

void CListEditCommands::OnUpdateRowCommand(wxUpdateUIEvent& event)
{
    if (!HasList()) {
        event.Enable(false);
        return;
    }
    switch (event.GetId()) {
    case ID_INSERT_LINE:
        event.Enable(List()->displayCount < kMaxDisplayRows);
        break;
    case ID_DUPLICATE_ROW: {
        const int line = std::max(Grid()->CurrentRow(), 0);
        event.Enable(line < List()->displayCount && List()->displayOrder[line] >= 0 &&
                     List()->GetRow(List()->displayOrder[line]).inUse);
        break;
    }
    case ID_DELETE_ALL_ROWS:
        event.Enable(Grid()->GetRowCount() > 0);
        break;
    default:
        event.Enable(true);
        break;
    }
}

void CListEditCommands::InsertCells(int choice)
{
    if (choice == CInsertCellDlg::kShiftDown) {
        if (CListRowEdits(*List()).InsertCellsShiftDown(Grid()->SelectedBlocks())) {
            m_view.RefreshGrid();
        }
    } else if (choice == CInsertCellDlg::kInsertLine) {
        InsertLine();
    }
}

void CListEditCommands::DeleteCells(int choice)
{
    switch (choice) {
    case CDeleteCellDlg::kContents:
        Grid()->ClearSelection();
        break;
    case CDeleteCellDlg::kShiftUp:
        if (CListRowEdits(*List()).DeleteCellsShiftUp(Grid()->SelectedBlocks())) {
            m_view.RefreshGrid();
        }
        break;
    case CDeleteCellDlg::kDeleteLines:
        DeleteSelectedRows();
        break;
    default:
        break;
    }
}

void CListEditCommands::OnCellDialog(wxCommandEvent& event)
{
    CGridView::Guarded(__LINE__, [this, &event] {
        if (!HasList()) {
            return;
        }
        if (event.GetId() == ID_INSERT_CELLS) {
            CInsertCellDlg dialog(m_view.GetFrame());
            if (dialog.ShowModal() == wxID_OK) {
                InsertCells(dialog.GetChoice());
            }
        } else {
            CDeleteCellDlg dialog(m_view.GetFrame());
            if (dialog.ShowModal() == wxID_OK) {
                DeleteCells(dialog.GetChoice());
            }
        }
    });
}

void CListEditCommands::OnUpdateCellDialog(wxUpdateUIEvent& event)
{
    event.Enable(HasList() && Grid()->CurrentColumn() >= 0 &&
                 Grid()->CurrentColumn() < List()->columnCount + List()->photoColumns &&
                 Grid()->CurrentRow() >= 0);
}
