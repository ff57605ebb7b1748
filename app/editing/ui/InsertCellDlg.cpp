#include "app/editing/ui/InsertCellDlg.h"

namespace {

const CCellChoiceDlg::Option kOptions[] = {
    {1406, "セルを挿入して下にずらす", CInsertCellDlg::kShiftDown},
    {1407, "行を挿入する", CInsertCellDlg::kInsertLine},
    {0, nullptr, 0},
};

} // namespace

CInsertCellDlg::CInsertCellDlg(wxWindow* parent)
    : CCellChoiceDlg(parent, 506, "セルの挿入方法を指定", kOptions, 0)
{
}
