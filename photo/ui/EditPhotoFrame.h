#pragma once

#include <wx/docmdi.h>

// The window of one photo open in the photo editor inside the main window, shown maximised with
// the editor's menus.
class CEditPhotoFrame : public wxDocMDIChildFrame
{
  public:
    CEditPhotoFrame(wxDocument* doc, wxView* view, wxMDIParentFrame* parent);

    // A drag of a shape ends as its window closes.
    bool Destroy() override;
};
