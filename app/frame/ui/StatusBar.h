#pragma once

#include <wx/statusbr.h>

// The main window's status bar. A pane's new text is drawn with the window's next paint, and at
// once only when asked: the framework's own bar draws every change at once, which first waits
// for the display server and then paints whatever else waits in the window (after a list is
// refilled, the whole grid), however often a text changes.
class CStatusBar : public wxStatusBar
{
  public:
    CStatusBar(wxWindow* parent, wxWindowID id, long style, const wxString& name)
        : wxStatusBar(parent, id, style, name)
    {
    }

  protected:
    void DoUpdateStatusText(int number) override;
};
