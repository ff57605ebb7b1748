#include "grid/CheckCellType.h"

#include "grid/CellGridCore.h"
#include "grid/CellRecord.h"
#include "platform/SystemColors.h"
#include "platform/canvas/Canvas.h"

#include <algorithm>

namespace {

constexpr COLORREF kLightGrey = RGB(0xE1, 0xE1, 0xE1);
constexpr COLORREF kBlack = RGB(0, 0, 0);

int StateOf(const CCellRecord& record)
{
    return static_cast<int>(record.GetNumberValue());
}

} // namespace

CCheckCellType::CCheckCellType()
{
    m_editable = 0;
    m_overflowAllowed = 0;
    m_drawLabel = 1;
}

CRect CCheckCellType::BoxRect(const CRect& cell, const CCellRecord& record)
{
    const int size = std::min(cell.Height() - 6, 12);
    const std::uint32_t style = record.GetTypeStyle();
    const unsigned short align = record.GetAlignFlags();
    int x = cell.left + 3;
    int y = cell.top + (cell.Height() - size) / 2;
    if (style & CheckStyle::ByAlignment) {
        if (align & CellAlign::Center) {
            x = cell.left + (cell.Width() - size) / 2;
        } else if (align & CellAlign::Right) {
            x = cell.right - size - 6;
        }
        if (align & 0x8) {
            y = cell.top + 3;
        } else if (align & CellAlign::Bottom) {
            y = cell.bottom - size - 6;
        }
    }
    return CRect(x, y, x + std::max(size, 0), y + std::max(size, 0));
}

int CCheckCellType::NextState(int state, std::uint32_t style)
{
    const int states = (style & CheckStyle::ThreeStates) ? 3 : 2;
    return ((state % states) + states + 1) % states;
}

void CCheckCellType::Draw(Canvas& dc, const CRect& rect, int column, int row, CCellRecord& record,
                          int selected, int current)
{
    const CRect inner = DrawBorders(dc, rect, record);
    COLORREF text, back;
    GetColors(record, selected, current, text, back);
    dc.FillRect(inner, back);
    const CRect box = BoxRect(rect, record);
    const std::uint32_t style = record.GetTypeStyle();
    const int state = StateOf(record);
    if (box.Width() > 5) {
        const COLORREF shadow = GetSysColor(COLOR_BTNSHADOW);
        const COLORREF face = GetSysColor(COLOR_BTNFACE);
        auto frame = [&](const CRect& r, COLORREF leftTop, COLORREF rightBottom) {
            dc.FillRect(CRect(r.left, r.top, r.right, r.top + 1), leftTop);
            dc.FillRect(CRect(r.left, r.top, r.left + 1, r.bottom), leftTop);
            dc.FillRect(CRect(r.right - 1, r.top, r.right, r.bottom), rightBottom);
            dc.FillRect(CRect(r.left, r.bottom - 1, r.right, r.bottom), rightBottom);
        };
        CRect inside = box;
        if (style & CheckStyle::Sunken) {
            frame(box, shadow, kLightGrey);
            inside.DeflateRect(1, 1);
            frame(inside, kBlack, face);
            inside.DeflateRect(1, 1);
        } else if (style & CheckStyle::Raised) {
            frame(box, kLightGrey, kBlack);
            inside.DeflateRect(1, 1);
            frame(inside, face, shadow);
            inside.DeflateRect(1, 1);
        } else {
            frame(box, kBlack, kBlack);
            inside.DeflateRect(1, 1);
        }
        if (state == 2 || record.IsReadOnly()) {
            // The checkerboard of the third state and of boxes that cannot change.
            const COLORREF light = GetSysColor(COLOR_BTNHIGHLIGHT);
            for (int y = inside.top; y < inside.bottom; ++y) {
                for (int x = inside.left; x < inside.right; ++x) {
                    dc.SetPixel(x, y, ((x - inside.left + y - inside.top) & 1) ? light : face);
                }
            }
        } else {
            dc.FillRect(inside, GetSysColor(COLOR_WINDOW));
        }
        if (state > 0) {
            DrawMark(dc, inside, state, style);
        }
    }
    if (!(style & CheckStyle::ByAlignment)) {
        CRect label = inner;
        label.left = std::max(inner.left, rect.left + box.Width() + 6);
        DrawCellText(dc, label, 0, record, selected, current);
    }
    (void)column;
    (void)row;
}

void CCheckCellType::DrawMark(Canvas& dc, const CRect& box, int state, std::uint32_t style) const
{
    const COLORREF color = state == 2 ? GetSysColor(COLOR_BTNSHADOW) : kBlack;
    const Canvas::Pen old = dc.SelectPen(Canvas::Pen{PS_SOLID, 0, color});
    // Larger boxes get three more strokes beside the first, so that the mark is bold.
    const CPoint offsets[] = {CPoint(0, 0), CPoint(1, 0), CPoint(0, 1), CPoint(1, 1)};
    const int strokes = box.Width() > 9 ? 4 : 1;
    for (int i = 0; i < strokes; ++i) {
        const int dx = offsets[i].x;
        const int dy = offsets[i].y;
        if (style & CheckStyle::Tick) {
            dc.MoveTo(box.left + 1 + dx, box.bottom - 5 + dy);
            dc.LineTo(box.left + 3 + dx, box.bottom - 3 + dy);
            dc.LineTo(box.right - 1 + dx, box.top + dy);
        } else {
            // Both diagonals of the box less two pixels right and bottom.
            dc.MoveTo(box.left + dx, box.top + dy);
            dc.LineTo(box.right - 2 + dx, box.bottom - 2 + dy);
            dc.MoveTo(box.right - 3 + dx, box.top + dy);
            dc.LineTo(box.left - 1 + dx, box.bottom - 2 + dy);
        }
    }
    dc.SelectPen(old);
}

int CCheckCellType::Toggle(int column, int row, const CCellRecord& shown, bool bySpace)
{
    CCellRecord stored;
    m_grid->ReadCell(column, row, stored);
    if (bySpace && stored.IsReadOnly()) {
        return 0;
    }
    const int state = NextState(StateOf(bySpace ? stored : shown), shown.GetTypeStyle());
    stored.SetNumberValue(state);
    m_grid->WriteCell(column, row, stored);
    if (bySpace) {
        m_grid->RepaintCell(column, row);
        m_grid->OnCellTypeNotify(m_index, column, row, kToggled, state);
    } else {
        m_grid->OnCellTypeNotify(m_index, column, row, kToggled, state);
        m_grid->RepaintCell(column, row);
    }
    return 1;
}

int CCheckCellType::OnLButton(int column, int row, int down, const CRect& rect, CPoint point)
{
    if (down || m_grid == nullptr || column != m_grid->CurrentColumn() || row != m_grid->CurrentRow()) {
        return 0;
    }
    CCellRecord shown;
    m_grid->ReadCellForDisplay(column, row, shown);
    if (shown.IsReadOnly() || !BoxRect(rect, shown).PtInRect(point)) {
        return 0;
    }
    return Toggle(column, row, shown, false);
}

int CCheckCellType::OnDblClick(int column, int row, const CRect& rect, CPoint point)
{
    // The second press of a double click toggles nothing.
    OnLButton(column, row, 1, rect, point);
    return 0;
}

int CCheckCellType::OnChar(int column, int row, unsigned int* character)
{
    if (m_grid == nullptr || character == nullptr || !IsSpace(*character)) {
        return 0;
    }
    CCellRecord shown;
    m_grid->ReadCellForDisplay(column, row, shown);
    if (shown.IsReadOnly()) {
        return 0;
    }
    return Toggle(column, row, shown, true);
}
