#include "grid/ui/CellGrid.h"

#include "grid/ui/CellEdit.h"
#include "grid/ui/DropListBox.h"
#include "grid/ui/GridCellArea.h"
#include "grid/ui/GridCornerButton.h"
#include "grid/ui/GridDropTarget.h"
#include "grid/ui/GridHScrollBar.h"
#include "grid/ui/GridHintWnd.h"
#include "grid/ui/GridSideHeading.h"
#include "grid/ui/GridSizingMarker.h"
#include "grid/ui/GridTopHeading.h"
#include "grid/ui/GridVScrollBar.h"
#include "grid/ui/GridWindowHost.h"
#include "grid/ui/MaskedCellEdit.h"
#include "grid/ui/SheetTabBar.h"
#include "platform/SystemColors.h"
#include "platform/ui/WxText.h"

#include <wx/dcclient.h>
#include <wx/settings.h>

namespace {

constexpr int kFirstPopupCommand = 1000;

} // namespace

CCellGrid::CCellGrid() : m_host(std::make_unique<CGridWindowHost>(*this)), m_painter(*this)
{
    m_standardFont.faceName = "ＭＳ Ｐゴシック";
    m_standardFont.height = -12;
    SetStandardFont(&m_standardFont);
}

CCellGrid::~CCellGrid()
{
    // The parts go first, while the model they call is still whole; the model must not reach
    // them while they are torn down.
    CancelEdit();
    SetHost(nullptr);
    SetEditWindows(nullptr, nullptr);
    DestroyChildren();
}

bool CCellGrid::CreateGridWindow(long style, const wxRect& rect, wxWindow* parent, int id)
{
    if (!Create(parent, id, rect.GetPosition(), rect.GetSize(), style | wxCLIP_CHILDREN | wxWANTS_CHARS)) {
        return false;
    }
    CreateParts();
    RaiseSetup();
    return true;
}

bool CCellGrid::AttachToDialogItem(wxWindow* dialog, int id)
{
    wxWindow* item = dialog != nullptr ? dialog->FindWindow(id) : nullptr;
    if (item == nullptr || item == this) {
        return false;
    }
    wxWindow* parent = item->GetParent();
    const wxWindowList& siblings = parent->GetChildren();
    const wxWindowList::compatibility_iterator node = siblings.Find(item);
    wxWindow* next = node != nullptr && node->GetNext() != nullptr ? node->GetNext()->GetData() : nullptr;
    const wxRect rect = item->GetRect();
    const wxFont font = item->GetFont();
    item->Destroy();
    if (!Create(parent, id, rect.GetPosition(), rect.GetSize(), wxCLIP_CHILDREN | wxWANTS_CHARS | wxTAB_TRAVERSAL)) {
        return false;
    }
    if (next != nullptr) {
        MoveBeforeInTabOrder(next);
    }
    if (font.IsOk()) {
        m_standardFont.faceName = FromWx(font.GetFaceName());
        m_standardFont.height = -font.GetPixelSize().GetHeight();
        m_standardFont.weight = font.GetNumericWeight();
        m_standardFont.italic = font.GetStyle() == wxFONTSTYLE_ITALIC;
        SetDefaultFont(&m_standardFont);
    }
    CreateParts();
    RaiseSetup();
    return true;
}

void CCellGrid::CreateParts()
{
    SetBackgroundStyle(wxBG_STYLE_PAINT);
    m_cellArea = new CGridCellArea(*this);
    m_topHeading = new CGridTopHeading(*this);
    m_sideHeading = new CGridSideHeading(*this);
    m_corner = new CGridCornerButton(*this);
    m_tabBar = new CSheetTabBar(*this);
    m_vScrollBar = new CGridVScrollBar(*this);
    m_hScrollBar = new CGridHScrollBar(*this);
    m_hint = new CGridHintWnd(*this);
    m_marker = new CGridSizingMarker(*this);
    m_edit = new CCellEdit(*this);
    m_maskedEdit = new CMaskedCellEdit(*this);
    m_dropList = new CDropListBox(*this);
    SetEditWindows(m_edit, m_maskedEdit);
    Bind(wxEVT_SIZE, &CCellGrid::OnSize, this);
    Bind(wxEVT_PAINT, &CCellGrid::OnPaint, this);
    Bind(wxEVT_SET_FOCUS, &CCellGrid::OnSetFocus, this);
    Bind(wxEVT_SYS_COLOUR_CHANGED, &CCellGrid::OnSysColourChanged, this);
    // The popup's commands reach its owner once, through OnPopupCommand, and go no further.
    m_popupMenu.Bind(wxEVT_MENU, &CCellGrid::OnPopupMenuCommand, this);
    SetHost(m_host.get());
    LayoutParts();
}

wxWindow* CCellGrid::GetScrollBarCtrl(int orientation) const
{
    return orientation == wxVERTICAL ? static_cast<wxWindow*>(m_vScrollBar) : m_hScrollBar;
}

int CCellGrid::EnableDoubleBuffer(int)
{
    return 0;
}

void CCellGrid::EnableGrid(int flag)
{
    Enable(flag != 0);
}

void CCellGrid::EnableDragDrop(int flag)
{
    if (m_cellArea != nullptr) {
        m_cellArea->SetDropTarget(flag ? new CGridDropTarget(*this, m_dropFormats) : nullptr);
    }
}

void CCellGrid::RegisterDropFormat(const CString& name)
{
    for (const CString& known : m_dropFormats) {
        if (known == name) {
            return;
        }
    }
    m_dropFormats.Add(name);
}

void CCellGrid::ClearPopupMenu()
{
    while (m_popupMenu.GetMenuItemCount() > 0) {
        m_popupMenu.Destroy(m_popupMenu.FindItemByPosition(0));
    }
}

void CCellGrid::EnablePopupMenu(int flag)
{
    CurrentSheet()->popupMenuEnabled = flag ? 1 : 0;
}

int CCellGrid::ShowPopupMenu(int column, int row, CPoint screenPoint, int section)
{
    if (!CurrentSheet()->popupMenuEnabled) {
        return 1;
    }
    int left, top, right, bottom;
    if (column >= 0 && row >= 0 && GetJoinRange(column, row, left, top, right, bottom) == 0) {
        column = left;
        row = top;
    }
    if (!OnPopupStart(column, row, section)) {
        return 2;
    }
    m_popupColumn = column;
    m_popupRow = row;
    m_popupSection = section;
    if (m_popupMenu.GetMenuItemCount() == 0) {
        return 0;
    }
    return PopupMenu(&m_popupMenu, ScreenToClient(wxPoint(screenPoint.x, screenPoint.y))) ? 0 : 3;
}

void CCellGrid::OnPopupMenuCommand(wxCommandEvent& event)
{
    const int id = event.GetId() & 0xFFFF;
    if (id < kFirstPopupCommand) {
        event.Skip();
        return;
    }
    OnPopupCommand(m_popupColumn, m_popupRow, m_popupSection, static_cast<unsigned int>(id));
}

int CCellGrid::SetBlockEdgeCursor(const wxCursor& cursor)
{
    if (!cursor.IsOk()) {
        return 1;
    }
    m_blockEdgeCursor = cursor;
    return 0;
}

int CCellGrid::SetBlockCornerCursor(const wxCursor& cursor)
{
    if (!cursor.IsOk()) {
        return 1;
    }
    m_blockCornerCursor = cursor;
    return 0;
}

void CCellGrid::OnSize(wxSizeEvent& event)
{
    Refresh(false);
    const int painting = IsPaintEnabled();
    SetPaintEnabled(0);
    LayoutParts();
    SetPaintEnabled(painting);
    RepaintAllParts();
    event.Skip();
}

void CCellGrid::OnPaint(wxPaintEvent&)
{
    wxPaintDC dc(this);
    const COLORREF face = GetSysColor(COLOR_BTNFACE);
    dc.SetBackground(wxBrush(wxColour(GetRValue(face), GetGValue(face), GetBValue(face))));
    dc.Clear();
}

void CCellGrid::OnSetFocus(wxFocusEvent&)
{
    if (m_cellArea != nullptr) {
        m_cellArea->SetFocus();
    }
}

void CCellGrid::OnSysColourChanged(wxSysColourChangedEvent& event)
{
    NotifySysColorChange();
    CurrentSheet()->headingDefault.SetFillColor(GetSysColor(COLOR_BTNFACE));
    RepaintAllParts();
    event.Skip();
}
