#pragma once

#include "platform/CString.h"

#include <wx/listctrl.h>

#include <vector>

// A list control in report view with helpers for columns, rows and the selection.
class CReportList : public wxListCtrl
{
  public:
    struct Column
    {
        CString heading;
        int format = wxLIST_FORMAT_LEFT;
        int width = 80;
    };

    CReportList() = default;
    CReportList(wxWindow* parent, int id, const wxPoint& pos, const wxSize& size, long style)
        : wxListCtrl(parent, id, pos, size, style | wxLC_REPORT)
    {
    }

    // Appends a column; returns its index.
    int AddColumn(const CString& heading, int format, int width);
    void SetColumns(const std::vector<Column>& columns);
    // Appends a row with its first column and item data; returns its index.
    int AddItem(const CString& text, long data);
    CString GetText(int row, int column) const;
    void SetText(int row, int column, const CString& text);
    // The focused row when it is selected, else the first selected row; -1 when none.
    int GetSelectedItem() const;
    // Selects, focuses and shows a row; a negative row clears the selection.
    void SelectItem(int row);

    int minimumWidth = 0;
    int height = 240;
};
