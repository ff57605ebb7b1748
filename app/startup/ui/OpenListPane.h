#pragma once

#include "app/startup/OpenListPreview.h"

#include <wx/panel.h>
#include <wx/timer.h>

#include <functional>

class wxSpinEvent;
class wxStaticText;

// The preview pane below the open-list dialog's file chooser: the title, row and photo counts
// and last change of the list under the cursor and its photos one after another, read once
// the selection has settled; the spin button steps through the photos by hand.
class COpenListPane : public wxPanel
{
  public:
    // selection gives the path now under the chooser's cursor.
    COpenListPane(wxWindow* parent, std::function<wxString()> selection);

    COpenListPreview& GetPreview() { return m_preview; }
    // Shows what the preview holds.
    void ShowPreview();

  private:
    void OnTimer(wxTimerEvent& event);
    void OnSpin(wxSpinEvent& event);
    void OnPicturePaint(wxPaintEvent& event);

    std::function<wxString()> m_selection;
    wxString m_selected;
    COpenListPreview m_preview;
    wxWindow* m_picture = nullptr;
    wxTimer m_timer;
};
