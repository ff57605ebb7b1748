#include "grid/DropListCellType.h"

#include "grid/CellGridCore.h"
#include "grid/CellRecord.h"
#include "grid/GridDropListWindow.h"
#include "platform/SystemColors.h"
#include "platform/VirtualKeys.h"
#include "platform/canvas/Canvas.h"

#include <algorithm>
#include <cstdlib>

CDropListCellType::CDropListCellType() : m_buttonWidth(GetSystemMetrics(SM_CXVSCROLL))
{
    m_overflowAllowed = 0;
}

int CDropListCellType::AdjustEditRect(CRect& rect)
{
    rect.right -= m_buttonWidth + 1;
    return 0;
}

CRect CDropListCellType::ButtonRect(const CRect& cell) const
{
    return CRect(cell.right - m_buttonWidth, cell.top, cell.right, cell.bottom);
}

bool CDropListCellType::IsListOpen() const
{
    CGridDropListWindow* list = m_grid != nullptr ? m_grid->Host().GetDropList() : nullptr;
    return list != nullptr && list->IsListOpen();
}

CStringArray CDropListCellType::ParseChoices(const CString& label)
{
    CStringArray choices;
    int start = 0;
    while (true) {
        const int end = label.Find('\n', start);
        if (end < 0) {
            break;
        }
        choices.Add(label.Mid(start, end - start));
        start = end + 1;
    }
    return choices;
}

CRect CDropListCellType::ListRect(const CRect& cell, int choices, int longest, int lineHeight, int charWidth,
                                  CSize area)
{
    CRect rect(cell.left + 10, cell.bottom, cell.right + 10, cell.bottom);
    const int wanted = longest * std::max(charWidth, 1) + 22;
    if (rect.Width() < wanted) {
        rect.right = rect.left + wanted;
    }
    rect.bottom = rect.top + std::min(choices + 1, kMaxRows) * std::max(lineHeight, 1) + 2;
    if (rect.bottom > area.cy) {
        rect.OffsetRect(0, -std::min(rect.bottom - area.cy, rect.top));
    }
    if (rect.right > area.cx) {
        rect.OffsetRect(-std::min(rect.right - area.cx, rect.left), 0);
    }
    return rect;
}

bool CDropListCellType::OpenList()
{
    CGridDropListWindow* list = m_grid->Host().GetDropList();
    if (list == nullptr || list->IsListOpen() || m_pressedColumn < 0 || m_pressedRow < 0) {
        return false;
    }
    m_grid->MoveToCell(m_pressedColumn, m_pressedRow);
    const int column = m_grid->CurrentColumn();
    const int row = m_grid->CurrentRow();
    if (column != m_pressedColumn || row != m_pressedRow) {
        return false;
    }
    CCellRecord record;
    m_grid->ReadCellForDisplay(column, row, record);
    CStringArray choices = ParseChoices(record.GetLabel());
    if (m_grid->OnCellTypeNotify(m_index, column, row, kOpening, reinterpret_cast<std::intptr_t>(&choices)) ==
        0) {
        return false;
    }
    int longest = 0;
    for (int i = 0; i < choices.GetSize(); ++i) {
        longest = std::max(longest, choices[i].GetLength());
    }
    const LogFont* font =
        record.GetFont() != nullptr ? record.GetFont() : m_grid->CurrentSheet()->defaultFont;
    const int fontHeight = font != nullptr && font->height != 0 ? std::abs(font->height) : 12;
    // A font without a width of its own is about half as wide as it is high.
    const int charWidth = font != nullptr && font->width != 0 ? std::abs(font->width) : (fontHeight + 1) / 2;
    // The list's lines may be taller than the font; sized by the font alone the last ones hide.
    const int lineHeight = std::max(fontHeight, list->GetLineHeight(font));
    CRect cell;
    m_grid->GetCellRect(column, row, cell);
    const CGridSheetInfo& sheet = *m_grid->CurrentSheet();
    const CRect rect = ListRect(cell, choices.GetSize(), longest, lineHeight, charWidth,
                                CSize(sheet.areaWidth, sheet.areaHeight));
    // The list opens on the cell's value, so that Enter keeps it and the arrows start from it.
    int current = -1;
    for (int i = 0; i < choices.GetSize() && current < 0; ++i) {
        current = choices[i] == record.GetText() ? i : -1;
    }
    if (!list->OpenList(*this, rect, font, choices, current)) {
        return false;
    }
    m_pressed = false;
    m_grid->RepaintCell(column, row);
    return true;
}

int CDropListCellType::OnLButton(int column, int row, int down, const CRect& rect, CPoint point)
{
    if (m_grid == nullptr) {
        return 0;
    }
    if (!down) {
        if (m_pressed) {
            m_pressed = false;
            m_grid->RepaintCell(column, row);
            return 1;
        }
        return 0;
    }
    if (point.x > rect.right - m_buttonWidth && !m_grid->Host().IsPointerOnBlockEdge()) {
        if (m_pressedColumn != column || m_pressedRow != row) {
            m_pressedRect = ButtonRect(rect);
            m_pressed = true;
            m_pressedColumn = column;
            m_pressedRow = row;
            m_grid->RepaintCell(column, row);
            if (!OpenList()) {
                m_pressedColumn = m_pressedRow = -1;
            }
            return 1;
        }
        // The button of the open list's cell closes it.
        m_pressedColumn = m_pressedRow = -1;
        if (CGridDropListWindow* list = m_grid->Host().GetDropList()) {
            list->CloseList();
        }
        return 0;
    }
    if (m_pressedColumn == -2) {
        m_pressedColumn = m_pressedRow = -1;
    }
    return 0;
}

int CDropListCellType::OnDblClick(int column, int row, const CRect& rect, CPoint point)
{
    if (point.x > rect.right - m_buttonWidth) {
        return OnLButton(column, row, 1, rect, point);
    }
    return 0;
}

int CDropListCellType::OnKeyDown(int column, int row, unsigned int* key)
{
    if (m_grid == nullptr || key == nullptr || *key != VK_DOWN || !m_grid->Host().IsKeyHeld(VK_CONTROL)) {
        return 0;
    }
    m_pressedColumn = column;
    m_pressedRow = row;
    if (!OpenList()) {
        m_pressedColumn = m_pressedRow = -1;
    }
    *key = 0;
    return 1;
}

int CDropListCellType::OnChar(int column, int row, unsigned int* character)
{
    if (m_grid == nullptr || character == nullptr) {
        return 0;
    }
    if (IsSpace(*character)) {
        m_pressedColumn = column;
        m_pressedRow = row;
        if (!OpenList()) {
            m_pressedColumn = m_pressedRow = -1;
        }
        return 1;
    }
    return *character == '\r' || *character == '(' ? 1 : 0;
}

int CDropListCellType::OnMouseMove(int, int, CPoint point, unsigned int keyFlags)
{
    if ((keyFlags & MK_LBUTTON) == 0) {
        return 1;
    }
    if (m_grid != nullptr && m_pressedColumn >= 0) {
        const bool inside = m_pressedRect.PtInRect(point);
        if (inside != m_pressed) {
            m_pressed = inside;
            m_grid->RepaintCell(m_pressedColumn, m_pressedRow);
        }
    }
    return 0;
}

void CDropListCellType::OnCellLeft(int, int, CCellRecord&)
{
    m_pressedColumn = m_pressedRow = -1;
}

void CDropListCellType::Choose(int index, const CString& text)
{
    const int column = m_pressedColumn;
    const int row = m_pressedRow;
    m_pressedColumn = m_pressedRow = -1;
    if (m_grid == nullptr || column < 0 || row < 0) {
        return;
    }
    m_grid->OnCellTypeNotify(m_index, column, row, kChosen, index);
    CString chosen = text;
    if (m_grid->OnCellTypeNotify(m_index, column, row, kStoring, reinterpret_cast<std::intptr_t>(&chosen)) !=
        0) {
        CCellRecord record;
        m_grid->ReadCell(column, row, record);
        record.SetTextValue(chosen);
        m_grid->WriteCell(column, row, record);
        m_grid->RepaintCell(column, row);
    }
}

void CDropListCellType::ListClosed(bool chosen, bool byPressOnCell)
{
    // The press that took the focus from the list comes to this cell next: it must find the
    // list's cell pressed, so that it closes the list instead of opening it again.
    if (!chosen && m_pressedColumn >= 0 && !byPressOnCell) {
        m_pressedColumn = m_pressedRow = -2;
    }
    if (m_grid != nullptr && m_grid->CurrentColumn() >= 0 && m_grid->CurrentRow() >= 0) {
        m_grid->RepaintCell(m_grid->CurrentColumn(), m_grid->CurrentRow());
    }
}

void CDropListCellType::Draw(Canvas& dc, const CRect& rect, int column, int row, CCellRecord& record,
                             int selected, int current)
{
    if ((record.GetTypeStyle() & kDropListButtonOnCurrent) && !current) {
        CCellType::Draw(dc, rect, column, row, record, selected, current);
        return;
    }
    const bool printing = IsPrinting(dc);
    const double scale = printing ? m_scale : 1.0;
    const CRect inner = DrawBorders(dc, rect, record);
    const int buttonWidth = static_cast<int>(m_buttonWidth * scale);
    CRect button(inner.right - buttonWidth, inner.top, inner.right, inner.bottom);
    if (printing) {
        const int in = static_cast<int>(scale);
        button.DeflateRect(in, in);
    }
    const COLORREF face = GetSysColor(COLOR_BTNFACE);
    CCellRecord frame;
    frame.SetBorderStyle(m_pressed && current ? CellBorder::Sunken : CellBorder::Raised);
    const CRect buttonInner = DrawBorders(dc, button, frame);
    dc.FillRect(buttonInner, face);
    dc.FillRect(CRect(button.left - 1, button.top, button.left, button.bottom), face);
    if (printing) {
        const int w = button.Width();
        const int h = button.Height();
        const CPoint points[] = {CPoint(button.left + w * 3 / 10, button.top + h * 5 / 12),
                                 CPoint(button.left + w * 7 / 10, button.top + h * 5 / 12),
                                 CPoint(button.left + w / 2, button.top + h * 7 / 12)};
        dc.SelectPen(Canvas::Pen{PS_SOLID, 0, RGB(0, 0, 0)});
        dc.SelectBrush(Canvas::Brush::Solid(RGB(0, 0, 0)));
        dc.Polygon(points, 3);
        dc.MoveTo(button.left, button.top);
        dc.LineTo(button.right, button.top);
    } else {
        const int x = button.left + (button.Width() - 5) / 2;
        const int y = button.top + (button.Height() - 3) / 2;
        for (int i = 0; i < 3; ++i) {
            dc.FillRect(CRect(x + i, y + i, x + 5 - i, y + i + 1), RGB(0, 0, 0));
        }
    }
    CRect text = inner;
    text.right = std::max(text.left, inner.right - buttonWidth - 1);
    DrawCellText(dc, text, 0, record, selected, current);
}
