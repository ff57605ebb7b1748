#pragma once

#include "photo/batch/PhotoFit.h"
#include "platform/CString.h"

#include <wx/window.h>

class Bitmap;

// The picture frame of the photo dialogs: shows one picture fitted as a preview, filling the
// frame, or unscaled from its middle, on the dialog's face colour; a text in the middle while it
// has no picture.
class CPhotoFrame : public wxWindow
{
  public:
    enum class Fit
    {
        Preview,
        Fill,
        Centre
    };

    CPhotoFrame(wxWindow* parent, int id, const wxPoint& position, const wxSize& size, Fit fit);

    // The picture stays the caller's and must live while it is shown; null shows none.
    void SetPicture(const Bitmap* picture);
    void SetEmptyText(const CString& text);
    // Where the picture lies in the frame's client area; empty without one.
    CRect GetImageRect() const;

  private:
    void OnPaint(wxPaintEvent& event);
    CRect Area() const;

    Fit m_fit;
    const Bitmap* m_picture = nullptr;
    CString m_emptyText;
};
