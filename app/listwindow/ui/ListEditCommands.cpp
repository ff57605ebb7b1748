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

CListEditCommands::CListEditCommands(CGridView& view) : m_view(view)
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
        if (CZantobyDoc* list = m_view.ListDoc()) {
            list->OnUndo();
        }
    });
}

void CListEditCommands::OnRedo(wxCommandEvent&)
{
    CGridView::Guarded(__LINE__, [this] {
        if (CZantobyDoc* list = m_view.ListDoc()) {
            list->OnRedo();
        }
    });
}

void CListEditCommands::OnUpdateUndo(wxUpdateUIEvent& event)
{
    event.Enable(m_view.ListDoc() != nullptr && m_view.ListDoc()->CanUndo());
}

void CListEditCommands::OnUpdateRedo(wxUpdateUIEvent& event)
{
    event.Enable(m_view.ListDoc() != nullptr && m_view.ListDoc()->CanRedo());
}

void CListEditCommands::OnEditAtCursor(wxCommandEvent&)
{
    CListGrid* grid = m_view.Grid();
    if (grid != nullptr && m_view.ListDoc() != nullptr) {
        grid->BeginEditAt(grid->CurrentColumn(), grid->CurrentRow(), 0);
    }
}

void CListEditCommands::OnUpdateEditAtCursor(wxUpdateUIEvent& event)
{
    const CZantobyDoc* list = m_view.ListDoc();
    CListGrid* grid = m_view.Grid();
    event.Enable(list != nullptr && grid != nullptr && grid->CurrentColumn() >= 0 &&
                 grid->CurrentColumn() < list->columnCount && grid->CurrentRow() >= 0 &&
                 grid->CurrentRow() < grid->GetRowCount());
}

void CListEditCommands::OnClipboard(wxCommandEvent& event)
{
    CGridView::Guarded(__LINE__, [this, &event] {
        CListGrid* grid = m_view.Grid();
        if (grid == nullptr || m_view.ListDoc() == nullptr) {
            return;
        }
        switch (event.GetId()) {
        case ID_CUT:
            grid->Clipboard().Cut();
            break;
        case ID_COPY:
            grid->Clipboard().Copy();
            break;
        case ID_PASTE:
            grid->Clipboard().Paste(false);
            break;
        case ID_PASTE_REFERENCE:
            grid->Clipboard().Paste(true);
            break;
        default:
            grid->Clipboard().CopyPhotoFileName();
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
        if (CListGrid* grid = m_view.Grid()) {
            grid->AutoInput(-1);
        }
    });
}

void CListEditCommands::OnUpdateAutoInput(wxUpdateUIEvent& event)
{
    CListGrid* grid = m_view.Grid();
    if (grid == nullptr || m_view.ListDoc() == nullptr || !grid->IsSingleRange()) {
        event.Enable(false);
        return;
    }
    event.Enable(grid->SelectedBlocks()[0].right < m_view.ListDoc()->columnCount);
}

void CListEditCommands::InsertLine()
{
    CListGrid& grid = *m_view.Grid();
    CZantobyDoc& list = *m_view.ListDoc();
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
    CListGrid& grid = *m_view.Grid();
    const std::vector<int> lines = CListRowEdits::LinesOf(grid.SelectedBlocks());
    if (CListRowEdits(*m_view.ListDoc()).DeleteLines(lines).empty()) {
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
        CListGrid* grid = m_view.Grid();
        CZantobyDoc* list = m_view.ListDoc();
        if (grid == nullptr || list == nullptr) {
            return;
        }
        CListRowEdits rows(*list);
        switch (event.GetId()) {
        case ID_INSERT_LINE:
            InsertLine();
            break;
        case ID_DUPLICATE_ROW: {
            const int line = std::max(grid->CurrentRow(), 0);
            if (rows.DuplicateRow(line)) {
                grid->InsertRowAt(line);
                if (grid->GetRowCount() > list->displayCount) {
                    // The copy took the place of the closing new-row line.
                    grid->UpdateRowCount();
                }
                m_view.FillGridRow(line, false);
                m_view.FillGridRow(line + 1, false);
                grid->RepaintGrid();
                list->UpdateAllViews(&m_view, kHintRowsEdited);
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
    CListGrid* grid = m_view.Grid();
    const CZantobyDoc* list = m_view.ListDoc();
    if (grid == nullptr || list == nullptr) {
        event.Enable(false);
        return;
    }
    switch (event.GetId()) {
    case ID_INSERT_LINE:
        event.Enable(list->displayCount < kMaxDisplayRows);
        break;
    case ID_DUPLICATE_ROW: {
        const int line = std::max(grid->CurrentRow(), 0);
        event.Enable(line < list->displayCount && list->displayOrder[line] >= 0 &&
                     list->GetRow(list->displayOrder[line]).inUse);
        break;
    }
    case ID_DELETE_ALL_ROWS:
        event.Enable(grid->GetRowCount() > 0);
        break;
    default:
        event.Enable(true);
        break;
    }
}

void CListEditCommands::InsertCells(int choice)
{
    if (choice == CInsertCellDlg::kShiftDown) {
        if (CListRowEdits(*m_view.ListDoc()).InsertCellsShiftDown(m_view.Grid()->SelectedBlocks())) {
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
        m_view.Grid()->ClearSelection();
        break;
    case CDeleteCellDlg::kShiftUp:
        if (CListRowEdits(*m_view.ListDoc()).DeleteCellsShiftUp(m_view.Grid()->SelectedBlocks())) {
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
        if (m_view.Grid() == nullptr || m_view.ListDoc() == nullptr) {
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
    const CZantobyDoc* list = m_view.ListDoc();
    CListGrid* grid = m_view.Grid();
    event.Enable(list != nullptr && grid != nullptr && grid->CurrentColumn() >= 0 &&
                 grid->CurrentColumn() < list->columnCount + list->photoColumns && grid->CurrentRow() >= 0);
}
