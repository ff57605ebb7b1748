#pragma once

#include "app/editing/GridDragState.h"
#include "app/editing/ListGridEdits.h"
#include "app/find/ListFindSettings.h"
#include "app/listwindow/ListCellSource.h"
#include "foundation/ui/GridList.h"
#include "platform/canvas/LogFont.h"

#include <vector>

class CClipSource;
class CGridView;
class CZantobyDoc;

// The grid inside a list window: it turns the grid control's clicks, keys, in-cell edits, heading
// presses and context menu into edits of the list document, and keeps the line heights, the
// thumbnails on screen and the automatic drop lists in step. Its cells are read from the document
// where they lie (see CListCellSource).
class CListGrid : public CGridList
{
  public:
    static constexpr int kRowMargin = 8;

    explicit CListGrid(CGridView& view);

    // The document link, cut when the list closes.
    CZantobyDoc* Doc() const { return m_doc; }
    void DropDocument()
    {
        m_doc = nullptr;
        m_cells.SetDocument(nullptr);
    }
    // Where the grid reads its data cells.
    CListCellSource& Cells() { return m_cells; }
    int LineHeight() const { return m_lineHeight; }
    int CharWidth() const { return m_charWidth; }
    // Measures "A" in the grid font: the line height and the character width of the columns.
    void MeasureFont();
    const LogFont& Font() const { return m_font; }

    // The grid view's window was activated: the click that did it neither drags nor selects.
    void IgnoreActivationClick() { m_activationCount = 2; }

    // The selected blocks, corners included.
    std::vector<CListGridEdits::Block> SelectedBlocks();
    // Frees the thumbnails of the rows outside the lines visible from top (-1: the present top).
    void FreeThumbnailsOutOfView(int top = -1);
    // Hint 4: the photo's thumbnail is read again and redrawn wherever it shows.
    void ReloadThumbnail(int photo);
    // Hint 7: the grid takes the display count; the lines added are empty.
    void UpdateRowCount();
    // Hint 10: the next cell that matches the find settings becomes current.
    void FindNext();
    // The settings of find next: the application's find dialog's, shared by every list window.
    static ListFindSettings& FindSettings();
    // Empties the selected cells as one undo step, as the Delete key does.
    void ClearSelection();
    // The go-back line of the navigation commands (-1 none).
    int goBackLine = -1;
    // Refills the lines from the document, frees the thumbnails out of view and redraws.
    void RefillLines(const std::vector<int>& lines);
    // The grid's columns follow the document's photo-column count.
    void SyncPhotoColumns();
    // One more photo column when the line's row fills all of them (at most 20).
    void EnsurePhotoColumn(int line);
    // Whether the selection is one range (a selection being built counts as one).
    bool IsSingleRange();

    // Auto input from the selection's block to the end line (-1: the last row), one undo step.
    void AutoInput(int endLine);

    // The clipboard and drags of cells. Each returns 0 when done.
    int StartDrag();
    int Cut();
    int Copy();
    int Paste(bool byReference);
    // The current photo's standard-size file as text on the clipboard.
    void CopyPhotoFileName();
    // The selection into a clipboard source; false, after a warning, without exactly one block.
    bool FillClipSource(CClipSource& source);
    // A drop's data (the clipboard when null) into the cells from a cell on, in a mode of
    // CListGridTransfer.
    bool PasteCells(const COleDataObject* data, int column, int line, int mode);

    // Notifications of the grid control
    bool PreTranslateMessage(wxEvent& event) override;
    void OnSetup() override;
    void OnGridSetFocus(int section) override;
    int OnCellTypeNotify(int typeIndex, int column, int row, int code, std::intptr_t parameter) override;
    void OnTopRowChanged(int oldRow, int newRow) override;
    void OnColumnSized(int column, int* width) override;
    void OnRowSized(int row, int* height) override;
    void OnCellChanged(int oldColumn, int newColumn, int oldRow, int newRow) override;
    void OnCellLButton(int column, int row, int down, const CRect& rect, CPoint point,
                       int processed) override;
    void OnCellDblClick(int column, int row, const CRect& rect, CPoint point, int processed) override;
    // While the continuous import window shows, a right press takes its selected files.
    void OnCellRButton(int column, int row, int down, const CRect& rect, CPoint point,
                       int processed) override;
    void OnTopHeadingLButton(int column, int row, int down, const CRect& rect, CPoint point,
                             int processed) override;
    void OnSideHeadingLButton(int column, int row, int down, const CRect& rect, CPoint point,
                              int processed) override;
    void OnSideHeadingDblClick(int column, int row, const CRect& rect, CPoint point, int processed) override;
    void OnCornerLButton(int down, const CRect& rect, CPoint point, int processed) override;
    void OnGridKeyDown(unsigned int* key, int processed) override;
    void OnGridChar(unsigned int* character, int processed) override;
    void OnGetCell(int column, int row, CCellRecord& record) override;
    // The first drawing of the cells is logged, once it has reached the screen.
    void OnPrepareDC(Canvas* dc, Canvas* bufferDc, int section) override;
    int OnEditFinish(int column, int row, CGridEditWindow* edit, CString& text, int cancelled) override;
    int OnPopupStart(int column, int row, int section) override;
    void OnPopupCommand(int column, int row, int section, unsigned int id) override;
    int OnGetHintText(int column, int row, int section, CString& text) override;
    int OnDragEnter(COleDataObject* data) override;
    void OnDragLeave() override;
    int OnDragOver(COleDataObject* data, int column, int row) override;
    int OnDrop(COleDataObject* data, int column, int row) override;

  private:
    int DataColumns() const;
    bool IsDataCell(int column, int row) const;
    // The row record shown on a line, or -1.
    int RowOf(int line) const;
    void RebuildDropLabels(int column);
    // True when a paste or drop lost no characters on its way in (lost names them, as
    // "U+20BB7"), or when the user chooses to go on with them as "?".
    static bool AcceptsReplacedCharacters(const CString& lost);
    // Where a press lies against the selection's block: its edge, its fill handle or neither.
    enum class BlockZone
    {
        None,
        Edge,
        FillHandle
    };
    BlockZone ZoneAt(CPoint point);
    // An input event while a press on the selection waits to become a drag: a move of the held
    // button past the system's drag threshold starts the drag, a release or Esc ends the wait.
    // True when the event is taken.
    bool FollowPress(wxEvent& event);
    // The drag of the fill handle of the selection's block.
    void StartFillDrag();
    // The open list whose path a table names, or null.
    CZantobyDoc* ListByPath(const CString& path) const;
    void SelectAllCells();
    void AddMenuItem(wxMenu& menu, int id, const char* text, bool enabled);

    CGridView& m_view;
    CZantobyDoc* m_doc = nullptr;
    CListCellSource m_cells;
    LogFont m_font;
    int m_lineHeight = 12;
    int m_charWidth = 7;
    int m_activationCount = 0;
    CGridDragState m_drag;
    bool m_frameShown = false;
    bool m_shownLogged = false;
    // The heading drags' anchors, shared by every list grid.
    static int s_columnAnchor;
    static int s_lineAnchor;
};
