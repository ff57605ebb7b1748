#include "foundation/ui/ReportList.h"

#include "platform/ui/WxText.h"

int CReportList::AddColumn(const CString& heading, int format, int width)
{
    return static_cast<int>(AppendColumn(ToWx(heading), static_cast<wxListColumnFormat>(format), width));
}

void CReportList::SetColumns(const std::vector<Column>& columns)
{
    DeleteAllColumns();
    for (const Column& column : columns) {
        AddColumn(column.heading, column.format, column.width);
    }
}

int CReportList::AddItem(const CString& text, long data)
{
    const long row = InsertItem(GetItemCount(), ToWx(text));
    SetItemData(row, data);
    return static_cast<int>(row);
}

CString CReportList::GetText(int row, int column) const
{
    return FromWx(GetItemText(row, column));
}

void CReportList::SetText(int row, int column, const CString& text)
{
    SetItem(row, column, ToWx(text));
}

int CReportList::GetSelectedItem() const
{
    const long focused = GetNextItem(-1, wxLIST_NEXT_ALL, wxLIST_STATE_FOCUSED);
    if (focused >= 0 && GetItemState(focused, wxLIST_STATE_SELECTED) != 0) {
        return static_cast<int>(focused);
    }
    return static_cast<int>(GetNextItem(-1, wxLIST_NEXT_ALL, wxLIST_STATE_SELECTED));
}

void CReportList::SelectItem(int row)
{
    if (row < 0) {
        for (long row = GetNextItem(-1, wxLIST_NEXT_ALL, wxLIST_STATE_SELECTED | wxLIST_STATE_FOCUSED);
             row >= 0;
             row = GetNextItem(row, wxLIST_NEXT_ALL, wxLIST_STATE_SELECTED | wxLIST_STATE_FOCUSED)) {
            SetItemState(row, 0, wxLIST_STATE_SELECTED | wxLIST_STATE_FOCUSED);
        }
        return;
    }
    SetItemState(row, wxLIST_STATE_SELECTED | wxLIST_STATE_FOCUSED,
                 wxLIST_STATE_SELECTED | wxLIST_STATE_FOCUSED);
    EnsureVisible(row);
}
