#pragma once

#include "app/ui/CellChoiceDlg.h"

// Asks, before single sheets print, whether the rows of the grid's selection print (chosen
// when it opens) or every row: the print dialog of this desktop has no such choice.
class CSheetRangeDlg : public CCellChoiceDlg
{
  public:
    static constexpr int kSelectedRows = 0;
    static constexpr int kAllRows = 1;

    // selectedRows: how many rows the selection covers, shown with its option.
    CSheetRangeDlg(wxWindow* parent, int selectedRows);
};
