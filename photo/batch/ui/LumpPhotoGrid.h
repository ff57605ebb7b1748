#pragma once

#include "foundation/ui/GridList.h"
#include "photo/batch/LumpDragState.h"
#include "photo/batch/LumpPhotoCells.h"
#include "photo/batch/ThumbnailList.h"

#include <functional>

class CClipSource;
class CLumpPhotoDlg;

// The thumbnail grid of the bulk import: 20 photos to a row at most, each row a future list
// row. Rows are broken, deleted and emptied, photos deleted, enlarged, copied, cut, pasted and
// dragged between cells, and files dropped in from elsewhere.
class CLumpPhotoGrid : public CGridList
{
  public:
    explicit CLumpPhotoGrid(CLumpPhotoDlg& dialog) : m_dialog(dialog) {}

    CLumpPhotoCells& Cells() { return m_cells; }
    CThumbnailList& Photos() { return m_photos; }
    // The grid takes the cells' row count and repaints.
    void ShowCells();

    // Commands
    void Copy();
    // Copy, then the copied cells are emptied.
    void Cut();
    // Lays the clipboard's photos or files into the grid at the current cell.
    void Paste();
    // Drags the selected block; a move empties its cells.
    void StartDrag();
    void BreakRow();
    void DeleteRows();
    void DeleteCells();
    void Zoom();

    // Notifications of the grid control
    void OnSetup() override;
    void OnCellChanged(int oldColumn, int newColumn, int oldRow, int newRow) override;
    void OnCellDblClick(int column, int row, const CRect& rect, CPoint point, int processed) override;
    void OnTopHeadingLButton(int column, int row, int down, const CRect& rect, CPoint point,
                             int processed) override;
    void OnSideHeadingLButton(int column, int row, int down, const CRect& rect, CPoint point,
                              int processed) override;
    void OnCornerLButton(int down, const CRect& rect, CPoint point, int processed) override;
    void OnGridKeyDown(unsigned int* key, int processed) override;
    void OnGetCell(int column, int row, CCellRecord& record) override;
    void OnCellLButton(int column, int row, int down, const CRect& rect, CPoint point,
                       int processed) override;
    int OnDragEnter(COleDataObject* data) override;
    int OnDragOver(COleDataObject* data, int column, int row) override;
    int OnDrop(COleDataObject* data, int column, int row) override;
    int OnEditStart(int, int, CGridEditWindow**) override { return 0; }

  private:
    void SelectAll();
    // The one selected block's photos in the source; false after warning 30900 or 30901.
    bool FillClipSource(CClipSource& source);
    // Lays the data (the clipboard when null) into the grid at the cell.
    void InsertPhotos(const COleDataObject* data, int column, int row);

    CLumpPhotoDlg& m_dialog;
    CLumpPhotoCells m_cells;
    CThumbnailList m_photos;
    int m_columnAnchor = -1;
    int m_rowAnchor = -1;
    CLumpDragState m_drag;
};
