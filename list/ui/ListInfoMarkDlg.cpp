#include "list/ui/ListInfoMarkDlg.h"

CListInfoMarkDlg::CListInfoMarkDlg(wxWindow* parent, IListHost& host, ColumnRecord& record)
    : CListInfoChoiceDlg(parent, host, record, 203, "記号項目の詳細設定", kTypeTop)
{
}
