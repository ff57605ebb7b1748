#pragma once

#include "app/editing/ui/CellChoiceDlg.h"

// Asks how cells are inserted: cells pushed down (3) or a whole line (4); 0 when nothing was
// chosen. It opens with no option chosen.
class CInsertCellDlg : public CCellChoiceDlg
{
  public:
    static constexpr int kShiftDown = 3;
    static constexpr int kInsertLine = 4;

    explicit CInsertCellDlg(wxWindow* parent);
};
