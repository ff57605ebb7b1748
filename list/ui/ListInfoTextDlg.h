#pragma once

#include "foundation/ui/ListEdit.h"
#include "list/ui/ListInfoChoiceDlg.h"

// "文字項目の詳細設定": a text column's multi-line switch, its input-method mode and its
// drop-down list.
class CListInfoTextDlg : public CListInfoChoiceDlg
{
  public:
    CListInfoTextDlg(wxWindow* parent, IListHost& host, ColumnRecord& record);

    CListEdit& InputModeField() { return m_inputMode; }

  protected:
    void InitTypeFields() override;
    void ReadTypeFields(ColumnRecord& form) override;
    bool IsTypeModified() override;

  private:
    CListEdit m_inputMode;
};
