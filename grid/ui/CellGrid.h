#pragma once

#include "grid/CellGridCore.h"
#include "grid/GridPainter.h"
#include "platform/canvas/LogFont.h"

#include <memory>
#include <wx/cursor.h>
#include <wx/menu.h>
#include <wx/window.h>

class CGridCellArea;
class CGridTopHeading;
class CGridSideHeading;
class CGridCornerButton;
class CGridHScrollBar;
class CGridVScrollBar;
class CSheetTabBar;
class CGridHintWnd;
class CGridSizingMarker;
class CGridWindowHost;
class CCellEdit;
class CMaskedCellEdit;
class CDropListBox;

// Control ids of the grid's part windows.
namespace GridPartId {
constexpr int CellArea = 1;
constexpr int TopHeading = 2;
constexpr int SideHeading = 3;
constexpr int Corner = 4;
constexpr int TabBar = 5;
constexpr int VScrollBar = 6;
constexpr int HScrollBar = 7;
constexpr int Edit = 123;
constexpr int MaskedEdit = 124;
} // namespace GridPartId

// The grid control as a window: a child window holding the cell area, the top and side
// headings, the corner button, two scroll bars, the sheet tab bar and the hint window, which all
// draw through the cells' types. Derive from it and override the notifications of
// CCellGridCore; a plain CCellGrid is a self-contained spreadsheet over its memory data source.
class CCellGrid : public wxWindow, public CCellGridCore
{
  public:
    CCellGrid();
    ~CCellGrid() override;

    // Creates the window and its parts, then raises OnSetup and OnSheetSetup (0).
    bool CreateGridWindow(long style, const wxRect& rect, wxWindow* parent, int id);
    // Takes the place of a placeholder control of a dialog: its id (so that the dialog's anchor
    // table moves and stretches the grid), place, size, font and tab order; the placeholder is
    // destroyed. Creates the parts; false when there is no such control.
    bool AttachToDialogItem(wxWindow* dialog, int id);

    // Parts
    CGridCellArea* CellArea() const { return m_cellArea; }
    CGridTopHeading* TopHeading() const { return m_topHeading; }
    CGridSideHeading* SideHeading() const { return m_sideHeading; }
    CGridCornerButton* CornerButton() const { return m_corner; }
    CGridHScrollBar* HScrollBar() const { return m_hScrollBar; }
    CGridVScrollBar* VScrollBar() const { return m_vScrollBar; }
    CSheetTabBar* TabBar() const { return m_tabBar; }
    CGridHintWnd* HintWindow() const { return m_hint; }
    CGridSizingMarker* SizingMarker() const { return m_marker; }
    CCellEdit* DefaultEdit() const { return m_edit; }
    CMaskedCellEdit* MaskedEdit() const { return m_maskedEdit; }
    CDropListBox* DropList() const { return m_dropList; }
    CGridPainter& Painter() { return m_painter; }
    // The scroll bar of a direction (wxVERTICAL or wxHORIZONTAL).
    wxWindow* GetScrollBarCtrl(int orientation) const;

    // Double buffering is always on: the parts draw into pictures that the toolkit shows.
    int EnableDoubleBuffer(int flag);
    // Enables or disables the grid's windows.
    void EnableGrid(int flag);
    // Accepts drags on the cell area (or no longer); the owner decides through OnDragEnter,
    // OnDragOver and OnDrop.
    void EnableDragDrop(int flag);
    // A format of the program's own (by name) that drags may bring, besides files, images and
    // text; set before EnableDragDrop. A name given again is kept once.
    void RegisterDropFormat(const CString& name);

    // Popup menu: the grid's own, filled by the owner (OnPopupStart); commands from 1000 on
    // come back through OnPopupCommand.
    wxMenu& GetPopupMenu() { return m_popupMenu; }
    void ClearPopupMenu();
    void EnablePopupMenu(int flag);
    // 1 when the sheet has no popup menu, 2 when OnPopupStart refuses, else 0.
    int ShowPopupMenu(int column, int row, CPoint screenPoint, int section);

    // Cursors of the cell area over the selection's edge and corner; 1 for a cursor that is
    // not usable.
    int SetBlockEdgeCursor(const wxCursor& cursor);
    int SetBlockCornerCursor(const wxCursor& cursor);
    const wxCursor& BlockEdgeCursor() const { return m_blockEdgeCursor; }
    const wxCursor& BlockCornerCursor() const { return m_blockCornerCursor; }
    bool HasBlockCursors() const { return m_blockEdgeCursor.IsOk() || m_blockCornerCursor.IsOk(); }

    // A window of the owner that the grid keeps off the current cell.
    void SetFloatingWindow(wxWindow* window) { m_floating = window; }
    wxWindow* FloatingWindow() const { return m_floating; }

    // Set by the tab bar while it resizes itself: only it and the horizontal bar move.
    void SetTabBarSizing(bool sizing) { m_tabBarSizing = sizing; }
    bool IsTabBarSizing() const { return m_tabBarSizing; }

    // The font of the sheets that set none.
    const LogFont& StandardFont() const { return m_standardFont; }

  protected:
    // Builds the part windows (on creation).
    void CreateParts();

  private:
    void OnSize(wxSizeEvent& event);
    void OnPaint(wxPaintEvent& event);
    void OnSetFocus(wxFocusEvent& event);
    void OnSysColourChanged(wxSysColourChangedEvent& event);
    void OnPopupMenuCommand(wxCommandEvent& event);

    std::unique_ptr<CGridWindowHost> m_host;
    CGridPainter m_painter;
    CGridCellArea* m_cellArea = nullptr;
    CGridTopHeading* m_topHeading = nullptr;
    CGridSideHeading* m_sideHeading = nullptr;
    CGridCornerButton* m_corner = nullptr;
    CGridHScrollBar* m_hScrollBar = nullptr;
    CGridVScrollBar* m_vScrollBar = nullptr;
    CSheetTabBar* m_tabBar = nullptr;
    CGridHintWnd* m_hint = nullptr;
    CGridSizingMarker* m_marker = nullptr;
    CCellEdit* m_edit = nullptr;
    CMaskedCellEdit* m_maskedEdit = nullptr;
    CDropListBox* m_dropList = nullptr;
    wxWindow* m_floating = nullptr;
    CStringArray m_dropFormats;

    wxMenu m_popupMenu;
    int m_popupColumn = -1;
    int m_popupRow = -1;
    int m_popupSection = 0;
    wxCursor m_blockEdgeCursor;
    wxCursor m_blockCornerCursor;
    LogFont m_standardFont;
    bool m_tabBarSizing = false;
};
