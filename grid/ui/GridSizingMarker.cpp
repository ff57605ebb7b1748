#include "grid/ui/GridSizingMarker.h"

#include "grid/ui/CellGrid.h"

CGridSizingMarker::CGridSizingMarker(CCellGrid& grid)
{
    Create(&grid, wxID_ANY, wxDefaultPosition, wxSize(2, 2));
    SetBackgroundColour(*wxBLACK);
    Hide();
}

void CGridSizingMarker::ShowAt(const CRect& rect)
{
    if (rect.IsRectEmpty()) {
        HideMarker();
        return;
    }
    SetSize(rect.left, rect.top, rect.Width(), rect.Height());
    Show();
    Raise();
}

void CGridSizingMarker::HideMarker()
{
    Hide();
}
