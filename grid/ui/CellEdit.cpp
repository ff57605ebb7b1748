#include "grid/ui/CellEdit.h"

#include "grid/CellRecord.h"
#include "grid/ui/CellGrid.h"
#include "grid/ui/GridCellArea.h"
#include "platform/canvas/Canvas.h"

#include <algorithm>

CCellEdit::CCellEdit(CCellGrid& grid)
    : CCellEditBase(grid, GridPartId::Edit, wxTE_MULTILINE | wxTE_NO_VSCROLL)
{
    Bind(wxEVT_TEXT, &CCellEdit::OnText, this);
    SetCursor(wxCursor(wxCURSOR_IBEAM));
}

void CCellEdit::OnOpened()
{
    const CCellRecord& record = Grid().EditRecord();
    m_growing = m_growEnabled && Grid().GetCellType(record.GetTypeIndex())->AllowsOverflow(record) &&
                GetParent() == Grid().CellArea();
    Grow();
}

void CCellEdit::OnText(wxCommandEvent& event)
{
    Grow();
    event.Skip();
}

void CCellEdit::Grow()
{
    CCellGrid& grid = Grid();
    if (!m_growing || !grid.CurrentSheet()->textOverflow || !IsOpen()) {
        return;
    }
    const CGridSheetInfo& sheet = *grid.CurrentSheet();
    const wxRect window = GetRect();
    // Room for the next characters.
    const CString text = GetText() + " X X";
    Canvas measure;
    if (const LogFont* font = GetFont()) {
        measure.SelectFont(*font);
    } else {
        measure.SelectFont(grid.StandardFont());
    }
    CRect needed(window.x + 2, window.y, sheet.areaWidth, window.y + window.height);
    measure.DrawText(text, needed, DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX);
    needed.bottom = std::min(needed.bottom, sheet.areaHeight - 1);

    int right = window.x + window.width;
    int bottom = window.y + window.height;
    int column, row;
    if (needed.right > right) {
        CRect cell;
        if (grid.HitTestCell(needed.right + 1, window.y + 1, column, row) == 0 &&
            grid.GetCellRect(column, row, cell) == 0) {
            right = std::min(cell.right, sheet.areaWidth) - 1;
        } else {
            right = sheet.areaWidth - 1;
        }
    }
    if (needed.bottom > bottom) {
        CRect cell;
        if (grid.HitTestCell(window.x + 1, needed.bottom + 1, column, row) == 0 &&
            grid.GetCellRect(column, row, cell) == 0) {
            bottom = cell.bottom - 1;
        } else {
            bottom = sheet.areaHeight - 1;
        }
    }
    bottom = std::min(bottom, sheet.areaHeight - 1);
    right = std::max(right, window.x + window.width);
    bottom = std::max(bottom, window.y + window.height);
    if (right == window.x + window.width && bottom == window.y + window.height) {
        return;
    }
    SetSize(window.x, window.y, right - window.x, bottom - window.y);
}
