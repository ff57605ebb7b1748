#pragma once

#include "list/ui/ListInfoDetailDlg.h"

// "日付時刻項目の詳細設定": a date/time column's kind, its display, Web and print formats with a
// preview of each, and its lower and upper limits.
class CListInfoDateDlg : public CListInfoDetailDlg
{
  public:
    CListInfoDateDlg(wxWindow* parent, IListHost& host, ColumnRecord& record);

    // The previews of the formats for the control that has the focus: a format field its own,
    // anything else all three.
    void UpdatePreviews(int focusId);

  protected:
    void InitTypeFields() override;
    void ReadTypeFields(ColumnRecord& form) override;
    bool IsTypeModified() override;

  private:
    void OnKind(wxCommandEvent& event);

    CRadioGroup m_kind;
    CEditField m_displayFormat;
    CEditField m_webFormat;
    CEditField m_printFormat;
    CEditField m_minimum;
    CEditField m_maximum;
};
