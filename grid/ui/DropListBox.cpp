#include "grid/ui/DropListBox.h"

#include "grid/DropListCellType.h"
#include "grid/ui/CellGrid.h"
#include "grid/ui/GridCellArea.h"
#include "grid/ui/GridFonts.h"
#include "platform/ui/GtkGlue.h"
#include "platform/ui/WxText.h"

#include <wx/utils.h>

CDropListBox::CDropListBox(CCellGrid& grid) : m_grid(grid)
{
    Create(grid.CellArea(), GridPartId::Edit, wxDefaultPosition, wxDefaultSize, 0, nullptr,
           wxLB_SINGLE | wxLB_ALWAYS_SB | wxWANTS_CHARS | wxBORDER_SIMPLE);
    Hide();
    Bind(wxEVT_KEY_DOWN, &CDropListBox::OnKeyDown, this);
    Bind(wxEVT_LEFT_UP, &CDropListBox::OnLeftUp, this);
    // The list widget takes Enter on a selected line itself and reports it as an activation,
    // as it does a double click.
    Bind(wxEVT_LISTBOX_DCLICK, &CDropListBox::OnActivated, this);
    Bind(wxEVT_KILL_FOCUS, &CDropListBox::OnKillFocus, this);
}

bool CDropListBox::OpenList(CDropListCellType& type, const CRect& rect, const LogFont* font,
                            const CStringArray& choices, int current)
{
    if (m_open) {
        return false;
    }
    m_type = &type;
    if (font != nullptr) {
        SetFont(CGridFonts::ToWx(*font));
    }
    wxArrayString lines;
    for (int i = 0; i < choices.GetSize(); ++i) {
        lines.Add(ToWx(choices[i]));
    }
    Set(lines);
    SetSize(rect.left, rect.top, rect.Width(), rect.Height());
    m_open = true;
    Show();
    Raise();
    SetFocus();
    GtkGlue::SetListCursor(*this, current);
    return true;
}

int CDropListBox::GetLineHeight(const LogFont* font)
{
    if (font != nullptr) {
        SetFont(CGridFonts::ToWx(*font));
    }
    return GtkGlue::GetListLineHeight(*this);
}

void CDropListBox::CloseList()
{
    Close(false, false, true);
}

void CDropListBox::Close(bool chosen, bool byPressOnCell, bool focusGrid)
{
    if (!m_open) {
        return;
    }
    m_open = false;
    Hide();
    if (m_type != nullptr) {
        m_type->ListClosed(chosen, byPressOnCell);
    }
    if (focusGrid) {
        m_grid.CellArea()->SetFocus();
    }
}

void CDropListBox::ChooseSelected()
{
    const int index = GetSelection();
    if (!m_open || index == wxNOT_FOUND) {
        Close(false, false, true);
        return;
    }
    const CString text = FromWx(GetString(index));
    // Closed first, so that the owner's notifications find the grid ready for input.
    m_open = false;
    Hide();
    if (m_type != nullptr) {
        m_type->Choose(index, text);
        m_type->ListClosed(true, false);
    }
    m_grid.CellArea()->SetFocus();
}

void CDropListBox::OnKeyDown(wxKeyEvent& event)
{
    switch (event.GetKeyCode()) {
    case WXK_ESCAPE:
        Close(false, false, true);
        return;
    case WXK_RETURN:
    case WXK_NUMPAD_ENTER:
        ChooseSelected();
        return;
    default:
        event.Skip();
        return;
    }
}

void CDropListBox::OnLeftUp(wxMouseEvent& event)
{
    event.Skip();
    // The list selects the line under the pointer itself; choose once it has.
    CallAfter([this] {
        if (m_open && GetSelection() != wxNOT_FOUND) {
            ChooseSelected();
        }
    });
}

void CDropListBox::OnActivated(wxCommandEvent&)
{
    ChooseSelected();
}

void CDropListBox::OnKillFocus(wxFocusEvent& event)
{
    event.Skip();
    if (!m_open) {
        return;
    }
    bool onCell = false;
    if (wxGetMouseState().LeftIsDown()) {
        const wxPoint pointer = m_grid.CellArea()->ScreenToClient(wxGetMousePosition());
        onCell = m_grid.CurrentColumn() >= 0 && [&] {
            CRect cell;
            m_grid.GetCellRect(m_grid.CurrentColumn(), m_grid.CurrentRow(), cell);
            return cell.PtInRect(CPoint(pointer.x, pointer.y));
        }();
    }
    Close(false, onCell, false);
}
