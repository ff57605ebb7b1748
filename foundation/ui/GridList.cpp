#include "foundation/ui/GridList.h"

#include "foundation/GridColumnDef.h"
#include "foundation/GridColumnSetup.h"

#include <algorithm>

CGridList::CGridList()
{
    wxEvtHandler::AddFilter(this);
}

CGridList::~CGridList()
{
    wxEvtHandler::RemoveFilter(this);
    // The grid control still paints while it is taken down, after the heading font is gone.
    for (int sheet = 0; sheet < GetSheetCount(); ++sheet) {
        if (SheetAt(sheet)->defaultFont == &m_headingFont.GetLogFont()) {
            SheetAt(sheet)->defaultFont = nullptr;
        }
    }
}

void CGridList::SetupColumns(const GridColumnDef* table, int lockedColumns)
{
    if (!m_headingFont.HasFont() && GetParent() != nullptr) {
        m_headingFont.CopyFrom(GetParent()->GetFont());
    }
    if (m_headingFont.HasFont()) {
        SetDefaultFont(&m_headingFont.GetLogFont());
    }
    m_columnTable = table;
    const int unit = CGridColumnSetup::CharUnit(Host().GetMeasurer(CurrentSheet()->defaultFont));
    CGridColumnSetup::Apply(*this, table, lockedColumns, unit);
}

void CGridList::ResetGrid()
{
    MoveToCell(-1, -1);
    DeselectAll();
    SetColCount(0);
    SetRowCount(0);
    DataSourceAt(0)->DeleteAll();
    if (CurrentSheet()->dataSource != DataSourceAt(0)) {
        CurrentSheet()->dataSource->DeleteAll();
    }
}

std::vector<CGridList::Block> CGridList::GetSelectedBlocks()
{
    std::vector<Block> blocks;
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    for (int more = FirstSelectedBlock(left, top, right, bottom); more == 0;
         more = NextSelectedBlock(left, top, right, bottom)) {
        blocks.push_back(
            {std::min(left, right), std::min(top, bottom), std::max(left, right), std::max(top, bottom)});
    }
    if (blocks.empty() && CurrentColumn() >= 0 && CurrentRow() >= 0) {
        blocks.push_back({CurrentColumn(), CurrentRow(), CurrentColumn(), CurrentRow()});
    }
    return blocks;
}

void CGridList::MoveToNextCell()
{
    int column = CurrentColumn() + 1;
    int row = CurrentRow();
    if (column >= GetColCount()) {
        column = 0;
        ++row;
    }
    if (row >= GetRowCount()) {
        row = 0;
    }
    MoveToCell(column, row);
}

bool CGridList::GetCellEditRect(int column, int row, CRect& rect)
{
    if (column < 0 || row < 0 || column >= GetColCount() || row >= GetRowCount()) {
        return false;
    }
    CCellRecord record;
    if (ReadCellForDisplay(column, row, record) != 0) {
        return false;
    }
    // As the in-cell edit is placed.
    GetCellRect(column, row, rect);
    rect.right -= 1;
    rect.bottom -= 1;
    CCellType* type = GetCellType(record.GetTypeIndex());
    type->AdjustEditRect(rect);
    return type->IsEditable();
}

void CGridList::DrawCustomFocusRect(Canvas* dc, const CRect& rect)
{
    if (dc != nullptr) {
        m_focusFrame.Draw(*this, *dc, rect);
    }
}

void CGridList::SetCustomFocusRect(bool on, bool cornerMark)
{
    m_customFocus = on;
    m_focusFrame.SetCornerMark(cornerMark);
    RepaintGrid();
}

void CGridList::DrawRangeFrame(int left, int top, int right, int bottom)
{
    m_rangeFrame.Move(*this, left, top, right, bottom);
}

bool CGridList::PreTranslateMessage(wxEvent&)
{
    return false;
}

int CGridList::OnDrawFocusRect(Canvas* dc, const CRect& rect)
{
    int drawn = 1;
    if (m_customFocus) {
        DrawCustomFocusRect(dc, rect);
    } else {
        drawn = CCellGrid::OnDrawFocusRect(dc, rect);
    }
    // The last thing painted over the cells, so the range frame rides on this notification too.
    if (dc != nullptr) {
        m_rangeFrame.Draw(*this, *dc);
    }
    return drawn;
}

void CGridList::OnPrepareDC(Canvas*, Canvas*, int section)
{
    if (section != GridSection::CellArea) {
        return;
    }
    if (m_customFocus) {
        m_focusFrame.QueueCells(*this);
    }
    m_rangeFrame.QueueCells(*this);
}

int CGridList::FilterEvent(wxEvent& event)
{
    if (event.GetEventCategory() != wxEVT_CATEGORY_USER_INPUT) {
        return Event_Skip;
    }
    // The object of an input event may be a menu; wxDynamicCast would first cast it statically.
    auto* window = dynamic_cast<wxWindow*>(event.GetEventObject());
    if (window == nullptr || (window != this && !IsDescendant(window))) {
        return Event_Skip;
    }
    return PreTranslateMessage(event) ? Event_Ignore : Event_Skip;
}
