#pragma once

#include "grid/ArrowCellType.h"
#include "grid/CellDataSource.h"
#include "grid/CellRangeList.h"
#include "grid/CellRecord.h"
#include "grid/CellType.h"
#include "grid/CheckCellType.h"
#include "grid/DropListCellType.h"
#include "grid/GridCells.h"
#include "grid/GridEditing.h"
#include "grid/GridFindRequest.h"
#include "grid/GridHost.h"
#include "grid/GridLayout.h"
#include "grid/GridMoves.h"
#include "grid/GridPrintSettings.h"
#include "grid/GridPtrList.h"
#include "grid/GridSheetInfo.h"
#include "grid/GridSizes.h"
#include "platform/CString.h"
#include "platform/Geometry.h"

#include <algorithm>
#include <cstdint>
#include <memory>
#include <vector>

class Bitmap;
class Canvas;
struct LogFont;
class CGridEditWindow;
class COleDataObject;

// The codes by which the grid's parts name themselves in notifications.
namespace GridSection {
constexpr int CellArea = 1;
constexpr int TopHeading = 2;
constexpr int SideHeading = 3;
constexpr int Corner = 4;
constexpr int HScrollBar = 5;
constexpr int VScrollBar = 6;
constexpr int TabBar = 7;
} // namespace GridSection

// Kinds of the relative moves and scrolls.
namespace MoveKind {
constexpr int Back = 0;
constexpr int Forward = 1;
constexpr int PageBack = 2;
constexpr int PageForward = 3;
constexpr int First = 4;
constexpr int Last = 5;
} // namespace MoveKind

// The grid control without its windows: sheets with their columns, rows and sizes, the cells read
// and written through data sources, the current cell with scrolling and multiple selection,
// in-cell editing from start to finish, and find and replace. It reports every event to the
// owner's derived class through the virtual notifications below and reaches its windows only
// through the host. Operations answer 0 (done), 1 (bad argument or nothing possible) or 2
// (refused by a notification or the data source) and never raise. The class is the facade that
// its users call: sheets, registries and painting are its own, and it hands cells, moves, sizes,
// layout and edits to one part each (CGridCells, CGridMoves, CGridSizes, CGridLayout and
// CGridEditing).
class CCellGridCore
{
  public:
    CCellGridCore();
    CCellGridCore(const CCellGridCore&) = delete;
    CCellGridCore& operator=(const CCellGridCore&) = delete;
    virtual ~CCellGridCore();

    // Windows
    // The windows of the grid; null means none (the grid then draws nothing).
    void SetHost(CGridHost* host);
    CGridHost& Host() { return *m_host; }
    // The grid's two in-cell edit windows, which every sheet uses unless it has its own.
    void SetEditWindows(CGridEditWindow* edit, CGridEditWindow* maskedEdit);
    // Raises OnSetup and OnSheetSetup (0), once the windows exist.
    void RaiseSetup();

    // Painting
    void SetPaintEnabled(int flag) { m_paintEnabled = flag; }
    int IsPaintEnabled() const { return m_paintEnabled; }
    void RepaintAllParts();
    int RepaintGrid();
    // A negative column repaints the side heading, a negative row the top heading.
    void RepaintCell(int column, int row);
    void RepaintRow(int row);
    void RepaintRange(int left, int top, int right, int bottom);
    // The cells queued for painting.
    CCellRangeList& RangeList() { return m_rangeList; }
    void EnableTips(int flag);

    // Counts and sizes of the current sheet
    int SetRowCount(int count, int repaint = 1) { return m_sizes.SetRowCount(count, repaint); }
    int GetRowCount() const { return Sheet().rowCount; }
    int SetColCount(int count, int repaint = 1) { return m_sizes.SetColCount(count, repaint); }
    int GetColCount() const { return Sheet().colCount; }
    // A negative column sets that side heading column; both it and a column at or past the count
    // answer 1.
    int SetColumnWidth(int column, int width) { return m_sizes.SetColumnWidth(column, width); }
    int GetColumnWidth(int column) const { return m_sizes.GetColumnWidth(column); }
    // Widths that show the cells of columns first to last: 1 when first lies before the side
    // heading columns, 2 when last is at or past the count, 3 when last < first.
    int FitColWidths(int first, int last, int rowsToMeasure, int flags)
    {
        return m_sizes.FitColWidths(first, last, rowsToMeasure, flags);
    }
    int SetUniformRowSize(int height) { return m_sizes.SetUniformRowSize(height); }
    void EnableUniformRowHeight(int flag) { m_sizes.EnableUniformRowHeight(flag); }
    int SetRowSize(int row, int height) { return m_sizes.SetRowSize(row, height); }
    int GetRowSize(int row) const { return m_sizes.GetRowSize(row); }
    // The heading rows (columns) are scaled to the new total.
    int SetTopHeadingHeight(int height) { return m_sizes.SetTopHeadingHeight(height); }
    int SetSideHeadingWidth(int width) { return m_sizes.SetSideHeadingWidth(width); }
    int GetTopHeadingHeight() const { return Sheet().topHeadingHeight; }
    int GetSideHeadingWidth() const { return Sheet().sideHeadingWidth; }
    int SetTopHeadingRowCount(int count) { return m_sizes.SetTopHeadingRowCount(count); }
    // Heading row -1 is next to the cells; 1 for a bad index, 2 for a size outside 0..1024.
    int SetTopHeadingRowHeight(int headingRow, int height)
    {
        return m_sizes.SetTopHeadingRowHeight(headingRow, height);
    }
    int SetSideHeadingColWidth(int headingColumn, int width)
    {
        return m_sizes.SetSideHeadingColWidth(headingColumn, width);
    }
    int SetLockedColCount(int count) { return m_sizes.SetLockedColCount(count); }
    int SetLockedRowCount(int count) { return m_sizes.SetLockedRowCount(count); }
    int SetDefaultFont(const LogFont* font) { return m_sizes.SetDefaultFont(font); }
    // The font of every sheet that has none of its own, now and when sheets are added.
    void SetStandardFont(const LogFont* font);
    // Computes the part rectangles for the client size and moves the parts there.
    void LayoutParts() { m_layout.LayoutParts(); }
    // Row height while rows of uniform height are sized by dragging: the pointer's distance from
    // the top shared by the rows above it.
    static int UniformRowHeightForDrag(int pointerY, int rowsAbove)
    {
        return CGridSizes::UniformRowHeightForDrag(pointerY, rowsAbove);
    }

    // Cells. The getters read the cell for display; the setters read only what the data source
    // stores, change one property and write the record back.
    int ReadCell(int column, int row, CCellRecord& record) { return m_cells.ReadCell(column, row, record); }
    int ReadCellForDisplay(int column, int row, CCellRecord& record)
    {
        return m_cells.ReadCellForDisplay(column, row, record);
    }
    // Refused (1) outside the heading cells and the cells of the sheet.
    int WriteCell(int column, int row, CCellRecord& record) { return m_cells.WriteCell(column, row, record); }
    CString GetCellText(int column, int row) { return m_cells.GetCellText(column, row); }
    int SetCellText(int column, int row, const CString& text)
    {
        return m_cells.SetCellText(column, row, text);
    }
    int GetCellBool(int column, int row) { return m_cells.GetCellBool(column, row); }
    int SetCellBool(int column, int row, int flag) { return m_cells.SetCellBool(column, row, flag); }
    int SetCellTextColor(int column, int row, COLORREF color)
    {
        return m_cells.SetCellTextColor(column, row, color);
    }
    int SetCellBackColor(int column, int row, COLORREF color)
    {
        return m_cells.SetCellBackColor(column, row, color);
    }
    int SetCellBitmap(int column, int row, const Bitmap* bitmap)
    {
        return m_cells.SetCellBitmap(column, row, bitmap);
    }
    int SetCellBitmapIndex(int column, int row, int index)
    {
        return m_cells.SetCellBitmapIndex(column, row, index);
    }
    int GetColDefaultCell(int column, CCellRecord& record) const
    {
        return m_cells.GetColDefaultCell(column, record);
    }
    int SetColDefaultCell(int column, const CCellRecord& record)
    {
        return m_cells.SetColDefaultCell(column, record);
    }
    // Joins the range into one cell shown by its first cell.
    int MergeCellRange(int left, int top, int right, int bottom)
    {
        return m_cells.MergeCellRange(left, top, right, bottom);
    }
    // The corners of the join holding the cell; 1 when it is not joined.
    int GetJoinRange(int column, int row, int& left, int& top, int& right, int& bottom)
    {
        return m_cells.GetJoinRange(column, row, left, top, right, bottom);
    }
    int DataSourceColumn(int column) const { return m_cells.DataSourceColumn(column); }
    // The grid column of the nearest cell left of column in the row whose text is not empty;
    // -1 when there is none.
    int FindTextBefore(int column, int row) { return m_cells.FindTextBefore(column, row); }
    int InsertRowAt(int row) { return m_cells.InsertRowAt(row); }
    int DeleteRowAt(int row) { return m_cells.DeleteRowAt(row); }
    // Moves a column's settings before (or after) column to; no cell data moves.
    int MoveColumn(int from, int to, int before) { return m_cells.MoveColumn(from, to, before); }

    // Registries
    int RegisterCellType(CCellType* type);
    CCellType* GetCellType(int index) const;
    CCellType* GetCellTypeAt(int column, int row);
    // Hands the owner's parameter to the cell type of the index; its answer, or 0 for an index
    // that names no registered type.
    std::intptr_t SendToCellType(int index, std::intptr_t parameter);
    // Every registered cell type hears that the desktop's colours changed.
    void NotifySysColorChange();
    int RegisterDataSource(CCellDataSource* source);
    // Index 0 is the current sheet's own memory data source.
    CCellDataSource* DataSourceAt(int index) const;
    // The grid owns and deletes a registered bitmap.
    int RegisterBitmap(Bitmap* bitmap);
    const Bitmap* GetBitmapAt(int index) const;

    // Sheets
    int SetSheetCount(int count);
    int GetSheetCount() const { return static_cast<int>(m_sheets.size()); }
    int SelectSheet(int index, int repaint = 1);
    int CurrentSheetIndex() const { return m_currentSheet; }
    CGridSheetInfo* CurrentSheet() { return m_sheets[m_currentSheet].get(); }
    const CGridSheetInfo* CurrentSheet() const { return m_sheets[m_currentSheet].get(); }
    CGridSheetInfo* SheetAt(int index);
    CGridPrintSettings& PrintSettings() { return m_printSettings; }

    // Current cell and visible range
    int CurrentColumn() const { return Sheet().currentColumn; }
    int CurrentRow() const { return Sheet().currentRow; }
    int FirstVisibleColumn() const { return Sheet().leftColumn; }
    int FirstVisibleRow() const { return Sheet().topRow; }
    int LastVisibleColumn() const { return Sheet().lastVisibleColumn; }
    int LastVisibleRow() const { return Sheet().lastVisibleRow; }
    int MoveToCell(int column, int row) { return m_moves.MoveToCell(column, row); }
    int MoveToCol(int column) { return m_moves.MoveToCol(column); }
    int MoveToRow(int row) { return m_moves.MoveToRow(row); }
    int ScrollToLeftCol(int column) { return m_moves.ScrollToLeftCol(column); }
    int ScrollToTopRow(int row) { return m_moves.ScrollToTopRow(row); }
    int MoveColumns(int kind) { return m_moves.MoveColumns(kind); }
    int MoveRows(int kind) { return m_moves.MoveRows(kind); }
    int ScrollColumns(int kind) { return m_moves.ScrollColumns(kind); }
    int ScrollRows(int kind) { return m_moves.ScrollRows(kind); }
    // The move of a navigation key by step cells (pages, ends and arrows); 1 for another key.
    int MoveByKey(unsigned int key, int step, bool control) { return m_moves.MoveByKey(key, step, control); }

    // Selection
    // How the next move is made (SelectionTrigger), with the mouse key flags of a press.
    void SetSelectionTrigger(int trigger, unsigned int keyFlags = 0)
    {
        m_moves.SetSelectionTrigger(trigger, keyFlags);
    }
    int SetSelectionMode(int flag) { return m_moves.SetSelectionMode(flag); }
    int DeselectAll() { return m_moves.DeselectAll(); }
    int SelectBlock(int left, int top, int right, int bottom)
    {
        return m_moves.SelectBlock(left, top, right, bottom);
    }
    int FirstSelectedCell(int& column, int& row) { return m_moves.FirstSelectedCell(column, row); }
    int NextSelectedCell(int& column, int& row) { return m_moves.NextSelectedCell(column, row); }
    int FirstSelectedBlock(int& left, int& top, int& right, int& bottom)
    {
        return m_moves.FirstSelectedBlock(left, top, right, bottom);
    }
    int NextSelectedBlock(int& left, int& top, int& right, int& bottom)
    {
        return m_moves.NextSelectedBlock(left, top, right, bottom);
    }

    // Geometry in the cell area's coordinates (heading cells in their heading's)
    int HitTestCell(int x, int y, int& column, int& row) { return m_layout.HitTestCell(x, y, column, row); }
    int GetCellRect(int column, int row, CRect& rect) { return m_layout.GetCellRect(column, row, rect); }
    int GetRangeRect(int left, int top, int right, int bottom, CRect& rect)
    {
        return m_layout.GetRangeRect(left, top, right, bottom, rect);
    }

    // Editing
    int BeginEdit() { return m_inCellEdit.BeginEdit(); }
    int BeginEditWithKey(unsigned int key) { return m_inCellEdit.BeginEditWithKey(key); }
    int BeginEditAt(int column, int row, unsigned int key)
    {
        return m_inCellEdit.BeginEditAt(column, row, key);
    }
    // Called by the edit window when it closes; 0 keeps the edit open.
    int FinishEdit(CString text, int cancelled, int moveRequested, int newColumn, int newRow)
    {
        return m_inCellEdit.FinishEdit(text, cancelled, moveRequested, newColumn, newRow);
    }
    void CancelEdit() { m_inCellEdit.CancelEdit(); }
    bool IsEditing() const { return m_inCellEdit.IsEditing(); }
    int EditColumn() const { return m_inCellEdit.EditColumn(); }
    int EditRow() const { return m_inCellEdit.EditRow(); }
    const CCellRecord& EditRecord() const { return m_inCellEdit.EditRecord(); }
    CGridEditWindow* ActiveEditWindow() const { return m_inCellEdit.ActiveEditWindow(); }
    // The sheet's default edit window.
    CGridEditWindow* GetEditWindow() const { return Sheet().editWindow; }
    void SetEnterStep(int columnStep, int rowStep) { m_inCellEdit.SetEnterStep(columnStep, rowStep); }
    int EnterColumnStep() const { return m_inCellEdit.EnterColumnStep(); }
    int EnterRowStep() const { return m_inCellEdit.EnterRowStep(); }

    // Find and replace, as the find dialog asks
    int FindReplace(const CGridFindRequest& request) { return m_inCellEdit.FindReplace(request); }
    void SetSearchByColumns(int flag) { m_searchByColumns = flag; }
    int SearchByColumns() const { return m_searchByColumns; }
    // While set, the cell area repaints instead of moving pixels.
    void SetFullRepaint(int flag) { m_fullRepaint = flag; }
    int FullRepaint() const { return m_fullRepaint; }
    // Rows the cells scroll per notch of the mouse wheel.
    void SetWheelStep(int rows) { m_wheelStep = std::max(rows, 1); }
    int WheelStep() const { return m_wheelStep; }

    // The comparison of the memory data source's sort: numbers (data types 2, 3 and 5) by value,
    // texts by unsigned bytes, texts before numbers; the sort flag 2 reverses the order.
    static int DefaultSortCompare(const CCellRecord* a, const CCellRecord* b, int flags);

    // Notifications, overridden by the owner's derived class. Those that may refuse allow with
    // a non-zero result; processed is the result of the cell type's own handling of the event.
    virtual void OnGridSetFocus(int /*section*/) {}
    // Codes: 53 check box toggled, 100 drop list opening (parameter: the list, 0 cancels),
    // 101 entry picked (parameter: the text), 102 pick finished (parameter: the line).
    virtual int OnCellTypeNotify(int /*typeIndex*/, int /*column*/, int /*row*/, int /*code*/,
                                 std::intptr_t /*parameter*/)
    {
        return 1;
    }
    virtual void OnSetup() {}
    virtual void OnSheetSetup(int /*sheet*/) {}
    virtual int OnCanMoveCell(int /*oldColumn*/, int /*oldRow*/, int /*newColumn*/, int /*newRow*/)
    {
        return 1;
    }
    // From a move: (left column, column to show, top row, row to show); from a scroll: (left
    // column, top row, new left column, new top row). 0 refuses.
    virtual int OnCanScroll(int /*first*/, int /*second*/, int /*third*/, int /*fourth*/) { return 1; }
    virtual void OnPastLastRow(int /*rowCount*/, int /*rowsMissing*/, std::intptr_t /*parameter*/) {}
    virtual int OnCanSizeColumn(int /*column*/) { return 1; }
    virtual void OnColumnSizing(int /*column*/, int* /*width*/) {}
    virtual void OnColumnSized(int /*column*/, int* /*width*/) {}
    virtual int OnCanSizeRow(int /*row*/) { return 1; }
    virtual void OnRowSizing(int /*row*/, int* /*height*/) {}
    virtual void OnRowSized(int /*row*/, int* /*height*/) {}
    virtual int OnCanSizeTopHeading() { return 1; }
    virtual int OnCanSizeSideHeading() { return 1; }
    virtual int OnTopHeadingSizing(int* /*height*/) { return 1; }
    virtual int OnSideHeadingSizing(int* /*width*/) { return 1; }
    virtual int OnTopHeadingSized(int* /*height*/) { return 1; }
    virtual int OnSideHeadingSized(int* /*width*/) { return 1; }
    virtual void OnColumnChanged(int /*oldColumn*/, int /*newColumn*/) {}
    virtual void OnRowChanged(int /*oldRow*/, int /*newRow*/) {}
    virtual void OnCellChanged(int /*oldColumn*/, int /*newColumn*/, int /*oldRow*/, int /*newRow*/) {}
    virtual void OnLeftColumnChanged(int /*oldColumn*/, int /*newColumn*/) {}
    virtual void OnTopRowChanged(int /*oldRow*/, int /*newRow*/) {}
    // Column and row are -1 off the cells; down is 1 for a press, 0 for a release.
    virtual void OnCellLButton(int /*column*/, int /*row*/, int /*down*/, const CRect& /*rect*/,
                               CPoint /*point*/, int /*processed*/)
    {
    }
    virtual void OnCellRButton(int /*column*/, int /*row*/, int /*down*/, const CRect& /*rect*/,
                               CPoint /*point*/, int /*processed*/)
    {
    }
    virtual void OnCellDblClick(int /*column*/, int /*row*/, const CRect& /*rect*/, CPoint /*point*/,
                                int /*processed*/)
    {
    }
    virtual void OnCellMouseMove(int /*column*/, int /*row*/, CPoint /*point*/, unsigned int /*keyFlags*/,
                                 int /*processed*/)
    {
    }
    virtual void OnTopHeadingLButton(int /*column*/, int /*row*/, int /*down*/, const CRect& /*rect*/,
                                     CPoint /*point*/, int /*processed*/)
    {
    }
    virtual void OnTopHeadingRButton(int /*column*/, int /*row*/, int /*down*/, const CRect& /*rect*/,
                                     CPoint /*point*/, int /*processed*/)
    {
    }
    virtual void OnTopHeadingDblClick(int /*column*/, int /*row*/, const CRect& /*rect*/, CPoint /*point*/,
                                      int /*processed*/)
    {
    }
    virtual void OnSideHeadingLButton(int /*column*/, int /*row*/, int /*down*/, const CRect& /*rect*/,
                                      CPoint /*point*/, int /*processed*/)
    {
    }
    virtual void OnSideHeadingRButton(int /*column*/, int /*row*/, int /*down*/, const CRect& /*rect*/,
                                      CPoint /*point*/, int /*processed*/)
    {
    }
    virtual void OnSideHeadingDblClick(int /*column*/, int /*row*/, const CRect& /*rect*/, CPoint /*point*/,
                                       int /*processed*/)
    {
    }
    virtual void OnCornerLButton(int /*down*/, const CRect& /*rect*/, CPoint /*point*/, int /*processed*/) {}
    virtual void OnCornerRButton(int /*down*/, const CRect& /*rect*/, CPoint /*point*/, int /*processed*/) {}
    virtual void OnCornerDblClick(const CRect& /*rect*/, CPoint /*point*/, int /*processed*/) {}
    // The key or character may be changed.
    virtual void OnGridKeyDown(unsigned int* /*key*/, int /*processed*/) {}
    virtual void OnGridKeyUp(unsigned int* /*key*/, int /*processed*/) {}
    virtual void OnGridChar(unsigned int* /*character*/, int /*processed*/) {}
    // Each cell read for display, after the data source (column is the data-source id).
    virtual void OnGetCell(int /*column*/, int /*row*/, CCellRecord& /*record*/) {}
    // Before each write to the data source.
    virtual void OnSetCell(int /*column*/, int /*row*/, CCellRecord& /*record*/) {}
    // May substitute the edit window.
    virtual int OnEditStart(int /*column*/, int /*row*/, CGridEditWindow** /*edit*/) { return 1; }
    virtual int OnEditVerify(int /*column*/, int /*row*/, CGridEditWindow* /*edit*/, unsigned int* /*key*/)
    {
        return 1;
    }
    // May replace the text; 0 keeps the edit open.
    virtual int OnEditFinish(int /*column*/, int /*row*/, CGridEditWindow* /*edit*/, CString& /*text*/,
                             int /*cancelled*/)
    {
        return 1;
    }
    virtual int OnEditContinue(int /*column*/, int /*row*/, int* /*newColumn*/, int* /*newRow*/) { return 1; }
    virtual void OnPopupCommand(int /*column*/, int /*row*/, int /*section*/, unsigned int /*id*/) {}
    virtual int OnPopupStart(int /*column*/, int /*row*/, int /*section*/) { return 1; }
    virtual int OnGetHelpId(int /*column*/, int /*row*/, int /*section*/) { return 0; }
    // The tip of a cell; shown only when 1 is returned.
    virtual int OnGetHintText(int column, int row, int section, CString& text);
    virtual int OnVScrollHint(int /*row*/, CString& /*text*/) { return 1; }
    virtual int OnHScrollHint(int /*column*/, CString& /*text*/) { return 1; }
    // The drop effect (0 none).
    virtual int OnDragEnter(COleDataObject* /*data*/) { return 0; }
    virtual void OnDragLeave() {}
    virtual int OnDragOver(COleDataObject* /*data*/, int /*column*/, int /*row*/) { return 0; }
    virtual int OnDrop(COleDataObject* /*data*/, int /*column*/, int /*row*/) { return 0; }
    virtual int OnSortCompare(const CCellRecord* a, const CCellRecord* b, int flags)
    {
        return DefaultSortCompare(a, b, flags);
    }
    virtual void OnPrepareDC(Canvas* /*dc*/, Canvas* /*bufferDc*/, int /*section*/) {}
    // May change the rectangles before the parts move.
    virtual void OnLayoutParts(CRect& /*cellArea*/, CRect& /*topHeading*/, CRect& /*sideHeading*/,
                               CRect& /*corner*/, CRect& /*vScrollBar*/, CRect& /*hScrollBar*/,
                               CRect& /*tabBar*/)
    {
    }
    virtual void OnTabSelected(int /*sheet*/) {}
    virtual COLORREF OnGetDefaultBackColor(int section);
    // Default: the current cell's type may draw the frame, else the standard dotted frame.
    virtual int OnDrawFocusRect(Canvas* dc, const CRect& rect);
    virtual void OnGridKillFocus(int /*section*/) {}
    virtual int OnCanStartColumnSwap(int /*column*/) { return 1; }
    virtual int OnCanSwapColumns(int /*from*/, int /*to*/) { return 1; }
    virtual void OnColumnsSwapped(int /*from*/, int /*to*/) {}
    virtual void OnFloatingWindowMoved(const CRect& /*oldRect*/, const CRect& /*newRect*/) {}

  protected:
    CGridSheetInfo& Sheet() { return *m_sheets[m_currentSheet]; }
    const CGridSheetInfo& Sheet() const { return *m_sheets[m_currentSheet]; }

  private:
    // The parts of the grid's work behind this facade reach its sheets, host and notifications.
    friend class CGridCells;
    friend class CGridMoves;
    friend class CGridSizes;
    friend class CGridLayout;
    friend class CGridEditing;

    std::unique_ptr<CGridSheetInfo> CreateSheet();
    void SwitchToSheet(int index, int repaint, int tabBarWidth);

    CGridHost m_nullHost;
    CGridHost* m_host = &m_nullHost;
    std::vector<std::unique_ptr<CGridSheetInfo>> m_sheets;
    int m_currentSheet = 0;
    CCellType m_normalType;
    CDropListCellType m_dropListType;
    CCheckCellType m_checkType;
    CArrowCellType m_arrowType;
    CGridPtrList m_cellTypes;
    CGridPtrList m_bitmaps;
    std::vector<CCellDataSource*> m_dataSources;
    CGridPrintSettings m_printSettings;
    CCellRangeList m_rangeList;
    CGridEditWindow* m_edit = nullptr;
    CGridEditWindow* m_maskedEdit = nullptr;
    const LogFont* m_standardFont = nullptr;
    int m_paintEnabled = 1;
    bool m_inLayout = false;

    int m_searchByColumns = 0;
    int m_fullRepaint = 0;
    int m_wheelStep = 3;

    CGridCells m_cells{*this};
    CGridMoves m_moves{*this};
    CGridSizes m_sizes{*this};
    CGridLayout m_layout{*this};
    CGridEditing m_inCellEdit{*this};
};
