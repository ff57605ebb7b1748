#pragma once

#include "list/ui/ListInfoChoiceDlg.h"

// "記号項目の詳細設定": a mark column's drop-down list.
class CListInfoMarkDlg : public CListInfoChoiceDlg
{
  public:
    CListInfoMarkDlg(wxWindow* parent, IListHost& host, ColumnRecord& record);
};
