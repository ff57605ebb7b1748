#pragma once

#include "list/ui/ListDialog.h"
#include "platform/Bitmap.h"

// Lets the user choose a photo length by resizing a window that shows a sample picture of 3:2
// at that height.
class CSizeCheckDlg : public CListDialog
{
  public:
    // The window's client area starts length high with its top-left corner at the screen point.
    CSizeCheckDlg(wxWindow* parent, int length, int minimum, int maximum, const wxPoint& position);

    int GetLength() const { return m_length; }

  protected:
    void OnCancelRequest() override { Finish(wxID_CANCEL); }

  private:
    void OnSize(wxSizeEvent& event);
    void OnPaint(wxPaintEvent& event);
    void ShowLength();

    int m_length;
    int m_minimum;
    int m_maximum;
    wxPoint m_position;
    Bitmap m_sample;
};
