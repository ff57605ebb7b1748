#pragma once

#include "platform/CString.h"

#include <wx/window.h>

// The sample of a printed header or footer in the page setup: the expanded text on a white sheet
// edge with a grey shadow, aligned as chosen, in the chosen face.
class CBandPreview : public wxWindow
{
  public:
    CBandPreview(wxWindow* parent, int id, const wxPoint& position, const wxSize& size);

    // The text already expanded; alignment 0 left, 1 centre, 2 right. A band that is not printed
    // shows an empty sheet.
    void SetSample(const CString& text, int alignment, const CString& face, bool shown);

  private:
    void OnPaint(wxPaintEvent& event);

    CString m_text;
    int m_alignment = 1;
    CString m_face;
    bool m_shown = true;
};
