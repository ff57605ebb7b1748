#pragma once

#include "list/ui/ListInfoDetailDlg.h"

// "数値項目の詳細設定": a number column's decimals, serial numbering, zero and separator display
// and its lower and upper limits.
class CListInfoNumberDlg : public CListInfoDetailDlg
{
  public:
    CListInfoNumberDlg(wxWindow* parent, IListHost& host, ColumnRecord& record);

  protected:
    void InitTypeFields() override;
    void ReadTypeFields(ColumnRecord& form) override;
    bool IsTypeModified() override;

  private:
    CSpinEdit m_decimals;
    CSpinEdit m_serialStep;
    CEditField m_nextSerial;
    CEditField m_minimum;
    CEditField m_maximum;
};
