#include "app/ui/SheetRangeDlg.h"

#include "platform/ui/WxText.h"

namespace {

constexpr int IDC_SELECTED_ROWS = 1501;

const CCellChoiceDlg::Option kOptions[] = {
    {IDC_SELECTED_ROWS, "選択した行(&S)", CSheetRangeDlg::kSelectedRows},
    {1502, "すべての行(&A)", CSheetRangeDlg::kAllRows},
    {0, nullptr, CSheetRangeDlg::kSelectedRows},
};

} // namespace

CSheetRangeDlg::CSheetRangeDlg(wxWindow* parent, int selectedRows)
    : CCellChoiceDlg(parent, 0, "単票印刷の範囲", kOptions, kSelectedRows)
{
    CString label;
    label.Format("選択した行(&S)  (%d行)", selectedRows);
    FindWindow(IDC_SELECTED_ROWS)->SetLabel(ToWx(label));
    FindWindow(IDC_SELECTED_ROWS)->SetSize(FindWindow(IDC_SELECTED_ROWS)->GetBestSize());
}
