#include "foundation/GridFocusFrame.h"

#include "grid/CellGridCore.h"
#include "platform/canvas/Canvas.h"

#include <algorithm>

namespace {

const COLORREF kBlack = RGB(0, 0, 0);
const COLORREF kWhite = RGB(255, 255, 255);
const COLORREF kShadow = RGB(0x78, 0x78, 0x78);

// The sides of a frame whose corners are (left, top) and (right, bottom), drawn as one line
// round it would be: top, right, bottom, then left up to the row above the top. A hidden side is
// left out.
void DrawSides(Canvas& dc, COLORREF color, int left, int top, int right, int bottom, bool leftHidden,
               bool topHidden)
{
    dc.SelectPen({PS_SOLID, 0, color});
    if (!topHidden) {
        dc.MoveTo(left, top);
        dc.LineTo(right, top);
    }
    dc.MoveTo(right, top);
    dc.LineTo(right, bottom);
    dc.LineTo(left, bottom);
    if (!leftHidden) {
        dc.LineTo(left, top - 1);
    }
}

void Line(Canvas& dc, int x1, int y1, int x2, int y2)
{
    dc.MoveTo(x1, y1);
    dc.LineTo(x2, y2);
}

} // namespace

void CGridFocusFrame::QueueCells(CCellGridCore& grid)
{
    m_drawn.Queue(grid);
    bool block = false;
    FramedCells(grid, block).Queue(grid);
}

void CGridFocusFrame::Draw(CCellGridCore& grid, Canvas& dc, const CRect& rect)
{
    const CGridSheetInfo& sheet = *grid.CurrentSheet();
    bool block = false;
    m_drawn = FramedCells(grid, block);
    CRect frame = rect;
    if (block) {
        if (!m_drawn.InView()) {
            return;
        }
        frame = m_drawn.Rect();
    } else if (rect.IsRectEmpty()) {
        return;
    }
    const bool outerRing =
        !(sheet.multipleSelection && (sheet.selection.GetMode() & SelectionMode::FirstBlockHit));
    const int saved = dc.SaveDC();
    DrawRings(dc, frame, outerRing, block && m_drawn.LeftHidden(), block && m_drawn.TopHidden());
    dc.RestoreDC(saved);
}

CGridFrameCells CGridFocusFrame::FramedCells(CCellGridCore& grid, bool& block) const
{
    const CGridSheetInfo& sheet = *grid.CurrentSheet();
    const int mode = sheet.selection.GetMode();
    int left = 0, top = 0, right = 0, bottom = 0;
    block = sheet.multipleSelection && (mode == SelectionMode::Cells || mode == SelectionMode::WholeRows) &&
            sheet.selection.GetCurrentBlock(left, top, right, bottom) == 0;
    if (!block) {
        // Without a block being built the current cell serves, joined cells and whole rows
        // included.
        left = right = sheet.currentColumn;
        top = bottom = sheet.currentRow;
        if (left < 0 || top < 0) {
            return CGridFrameCells();
        }
        if (sheet.joinsEnabled) {
            grid.GetJoinRange(sheet.currentColumn, sheet.currentRow, left, top, right, bottom);
        }
        if (sheet.selection.IsWholeRows()) {
            left = 0;
            right = sheet.colCount - 1;
        }
    }
    return CGridFrameCells(grid, left, top, right, bottom, true);
}

void CGridFocusFrame::DrawRings(Canvas& dc, CRect rect, bool outerRing, bool leftHidden, bool topHidden) const
{
    int left = std::max(rect.left, 1);
    int top = std::max(rect.top, 1);
    const int right = rect.right;
    const int bottom = rect.bottom;
    DrawSides(dc, kBlack, left, top, right - 1, bottom - 1, leftHidden, topHidden);
    DrawSides(dc, kWhite, left + 1, top + 1, right - 2, bottom - 2, leftHidden, topHidden);
    if (outerRing) {
        left = std::max(left, 2);
        top = std::max(top, 2);
        DrawSides(dc, kBlack, left - 2, top - 2, right + 1, bottom + 1, leftHidden, topHidden);
    }
    if (m_cornerMark) {
        dc.SelectPen({PS_SOLID, 0, kBlack});
        for (int k = 0; k <= 4; ++k) {
            Line(dc, right - 1, bottom - k - 3, right - k - 3, bottom - 1);
        }
        dc.SelectPen({PS_SOLID, 0, kWhite});
        Line(dc, right - 2, bottom - 7, right - 7, bottom - 2);
    }
    dc.SelectPen({PS_SOLID, 0, kShadow});
    if (!topHidden) {
        Line(dc, left - 2, top - 1, right + 2, top - 1);
    }
    Line(dc, right, top - 1, right, bottom + 2);
    if (!leftHidden) {
        Line(dc, left - 1, bottom + 1, left - 1, top - 2);
    }
    Line(dc, right + 1, bottom, left - 3, bottom);
}
