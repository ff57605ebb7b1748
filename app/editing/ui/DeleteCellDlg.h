#pragma once

#include "app/editing/ui/CellChoiceDlg.h"

// Asks how cells are deleted: their contents only (0, chosen when it opens), cells pulled up
// (1) or whole lines (2).
class CDeleteCellDlg : public CCellChoiceDlg
{
  public:
    static constexpr int kContents = 0;
    static constexpr int kShiftUp = 1;
    static constexpr int kDeleteLines = 2;

    explicit CDeleteCellDlg(wxWindow* parent);
};
