#include "grid/SheetTabStrip.h"

#include "platform/SystemColors.h"
#include "platform/canvas/Canvas.h"

#include <algorithm>

CSheetTabStrip::CSheetTabStrip()
{
    m_font.faceName = "Arial";
    m_font.height = 14;
    m_font.weight = 500;
}

bool CSheetTabStrip::AddTab(const Tab& tab)
{
    if (TabCount() >= kMaxTabs) {
        return false;
    }
    m_tabs.push_back(tab);
    return true;
}

void CSheetTabStrip::RecomputeMaxOffset(int clientWidth)
{
    int sum = 0;
    for (const Tab& tab : m_tabs) {
        sum += tab.width;
    }
    const int excess = sum + m_arrowWidth - clientWidth;
    m_maxOffset = excess <= 0 ? 0 : excess + 20;
    m_offset = std::min(m_offset, m_maxOffset);
}

bool CSheetTabStrip::ScrollBy(int direction)
{
    const int old = m_offset;
    if (direction < 0) {
        m_offset = std::max(m_offset - kScrollStep, 0);
    } else if (direction > 0 && m_offset < m_maxOffset - 5) {
        m_offset = std::min(m_offset + kScrollStep, m_maxOffset);
    }
    return m_offset != old;
}

int CSheetTabStrip::ArrowAt(int x) const
{
    if (x < 0 || x >= m_arrowWidth) {
        return 0;
    }
    return x < m_arrowWidth / 2 ? -1 : 1;
}

int CSheetTabStrip::TabIndexAt(int x) const
{
    int left = m_arrowWidth - m_offset;
    for (int i = 0; i < TabCount(); ++i) {
        if (x >= left && x <= left + m_tabs[i].width + 2) {
            return i;
        }
        left += m_tabs[i].width;
    }
    return -1;
}

std::vector<int> CSheetTabStrip::ChooseAt(int x, int clientWidth)
{
    std::vector<int> values;
    int left = m_arrowWidth - m_offset;
    for (int i = 0; i < TabCount(); ++i) {
        const int width = m_tabs[i].width;
        if (x >= left && x <= left + width + 2) {
            m_current = i;
            const int start = left;
            if (start < m_arrowWidth + 5) {
                m_offset = std::max(m_offset - (m_arrowWidth + 5 - start), 0);
            }
            if (start + width + 19 > clientWidth) {
                m_offset = std::min(m_offset + (start + width + 19 - clientWidth), m_maxOffset);
            }
            values.push_back(m_tabs[i].value);
        }
        left += width;
    }
    return values;
}

void CSheetTabStrip::DrawTab(Canvas& dc, const Tab& tab, int x, int bottom, bool current) const
{
    const CPoint corners[] = {CPoint(x, 0), CPoint(x + 7, bottom - 1), CPoint(x + tab.width + 2, bottom - 1),
                              CPoint(x + tab.width + 9, 0)};
    dc.SelectPen(Canvas::Pen{PS_SOLID, 0, RGB(0, 0, 0)});
    dc.SelectBrush(Canvas::Brush::Solid(current ? RGB(255, 255, 255) : tab.backColor));
    dc.Polygon(corners, 4);
    if (current) {
        dc.FillRect(CRect(x + 1, 0, x + tab.width + 9, 1), RGB(255, 255, 255));
    }
    dc.SetBkMode(TRANSPARENT);
    dc.SetTextColor(tab.textColor);
    dc.TextOut(x + 10, 1, tab.label);
}

void CSheetTabStrip::DrawArrows(Canvas& dc, int height) const
{
    const int half = m_arrowWidth / 2;
    for (int i = 0; i < 2; ++i) {
        CRect button(i * half, 1, (i + 1) * half, height);
        dc.FillRect(button, GetSysColor(COLOR_BTNFACE));
        CRect edge = button;
        dc.DrawEdge(edge, EDGE_RAISED, BF_RECT);
        const int cx = button.left + half / 2;
        const int cy = button.top + button.Height() / 2;
        const int direction = i == 0 ? -1 : 1;
        for (int step = 0; step < 4; ++step) {
            const int x = cx + direction * (2 - step);
            dc.FillRect(CRect(x, cy - step, x + 1, cy + step + 1), GetSysColor(COLOR_BTNTEXT));
        }
    }
}

void CSheetTabStrip::Paint(Canvas& dc, CSize size) const
{
    const COLORREF face = GetSysColor(COLOR_BTNFACE);
    dc.FillRect(CRect(0, 0, size.cx, size.cy), face);
    const int saved = dc.SaveDC();
    dc.IntersectClipRect(CRect(m_arrowWidth, 0, size.cx, size.cy));
    dc.SelectFont(m_font);
    int x = m_arrowWidth - m_offset;
    int currentX = x;
    for (int i = 0; i < TabCount(); ++i) {
        if (i == m_current) {
            currentX = x;
        }
        DrawTab(dc, m_tabs[i], x, size.cy, false);
        x += m_tabs[i].width;
    }
    if (m_current < TabCount()) {
        DrawTab(dc, m_tabs[m_current], currentX, size.cy, true);
    }
    dc.RestoreDC(saved);
    // The raised separator at the right end, and the line that joins the bar to the sheet.
    const COLORREF separator[] = {RGB(0, 0, 0), GetSysColor(COLOR_BTNSHADOW), face,
                                  face,         RGB(255, 255, 255),           face};
    for (int i = 0; i < 6; ++i) {
        const int column = size.cx - 1 - i;
        dc.FillRect(CRect(column, 0, column + 1, size.cy), separator[i]);
    }
    dc.FillRect(CRect(0, 0, std::min(m_arrowWidth + 1, size.cx), 1), RGB(0, 0, 0));
    DrawArrows(dc, size.cy);
}
