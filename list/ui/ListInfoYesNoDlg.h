#pragma once

#include "list/ui/ListInfoDetailDlg.h"

// "Yes/No項目の詳細設定": the texts a Yes/No column shows for yes and no on Web pages and in print.
class CListInfoYesNoDlg : public CListInfoDetailDlg
{
  public:
    CListInfoYesNoDlg(wxWindow* parent, IListHost& host, ColumnRecord& record);

  protected:
    void InitTypeFields() override;
    void ReadTypeFields(ColumnRecord& form) override;
    bool IsTypeModified() override;

  private:
    CEditField m_yesHtml;
    CEditField m_noHtml;
    CEditField m_yesPrint;
    CEditField m_noPrint;
};
