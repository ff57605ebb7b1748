#pragma once

#include "app/editing/ListGridEdits.h"
#include "app/listwindow/ListCellSource.h"
#include "app/listwindow/ui/ListGridClipboard.h"
#include "app/listwindow/ui/ListGridDrags.h"
#include "app/listwindow/ui/ListGridFind.h"
#include "app/listwindow/ui/ListGridMenu.h"
#include "app/listwindow/ui/ListGridTips.h"
#include "foundation/ui/GridList.h"
#include "platform/canvas/LogFont.h"

#include <vector>

class CGridView;
class CZantobyDoc;

// The grid inside a list window: it turns the grid control's clicks, keys, in-cell edits and
// heading presses into edits of the list document, and keeps the line heights, the thumbnails on
// screen and the automatic drop lists in step. Its cells are read from the document where they
// lie (see CListCellSource); its clipboard, drags, context menus, tips and find have classes of
// their own.
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
    // The grid view whose window the grid is.
    CGridView& View() const { return m_view; }
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
    void FindNext() { m_find.FindNext(); }
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

    // The cells on and off the clipboard.
    CListGridClipboard& Clipboard() { return m_clipboard; }

    // The data columns (the photo columns follow them), 0 without a document.
    int DataColumns() const;
    // The row record shown on a line, or -1.
    int RowOf(int line) const;

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
    bool IsDataCell(int column, int row) const;
    void RebuildDropLabels(int column);
    void SelectAllCells();

    CGridView& m_view;
    CZantobyDoc* m_doc = nullptr;
    CListCellSource m_cells;
    LogFont m_font;
    int m_lineHeight = 12;
    int m_charWidth = 7;
    int m_activationCount = 0;
    bool m_shownLogged = false;
    CListGridClipboard m_clipboard;
    CListGridDrags m_drags;
    CListGridMenu m_menu;
    CListGridTips m_tips;
    CListGridFind m_find;
    // The heading drags' anchors, shared by every list grid.
    static int s_columnAnchor;
    static int s_lineAnchor;
};
