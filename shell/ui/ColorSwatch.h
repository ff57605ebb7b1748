#pragma once

#include "platform/Geometry.h"

#include <wx/bitmap.h>
#include <wx/control.h>

// A small box that shows a colour (its background colour) or a picture centred on white, with
// its label centred in its foreground colour; a click on it is the command of its id, sent to
// its parent. The format toolbar's swatches and the colour palette's cells are swatches.
class CColorSwatch : public wxControl
{
  public:
    CColorSwatch(wxWindow* parent, int id, const wxPoint& position, const wxSize& size);

    // A colour, or for kDefaultColor the picture of no colour (the transparent pattern).
    void SetColor(COLORREF color);
    COLORREF GetColor() const { return m_color; }
    // A picture in place of the colour (the border width).
    void SetPicture(const wxBitmap& picture);
    bool ShowsPicture() const { return m_picture.IsOk(); }
    const wxBitmap& GetPicture() const { return m_picture; }
    // The mark drawn over the colour ("*" on the palette's current colour).
    void SetLabel(const wxString& label) override;

  private:
    void OnPaint(wxPaintEvent& event);
    void OnLeftUp(wxMouseEvent& event);

    COLORREF m_color = kDefaultColor;
    wxBitmap m_picture;
};
