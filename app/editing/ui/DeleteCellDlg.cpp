#include "app/editing/ui/DeleteCellDlg.h"

namespace {

const CCellChoiceDlg::Option kOptions[] = {
    {1406, "内容を削除する", CDeleteCellDlg::kContents},
    {1407, "セルを削除して上にずらす", CDeleteCellDlg::kShiftUp},
    {1408, "行を削除する", CDeleteCellDlg::kDeleteLines},
    {0, nullptr, CDeleteCellDlg::kContents},
};

} // namespace

CDeleteCellDlg::CDeleteCellDlg(wxWindow* parent)
    : CCellChoiceDlg(parent, 505, "セルの削除方法を指定", kOptions, CDeleteCellDlg::kContents)
{
}
