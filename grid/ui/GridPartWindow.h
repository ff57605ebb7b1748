#pragma once

#include "platform/Bitmap.h"
#include "platform/Geometry.h"

#include <wx/window.h>

class Canvas;
class CCellGrid;

// A part window of the grid that draws through a Canvas into a picture of its own size and
// shows that picture whenever the toolkit asks for a paint, so that drawing never flickers and
// parts of the picture can be brought up to date outside a paint.
class CGridPartWindow : public wxWindow
{
  public:
    CGridPartWindow(CCellGrid& grid, int id, long style = 0);

    CCellGrid& Grid() { return m_grid; }
    // The whole picture is drawn again before the next paint.
    void InvalidatePicture();
    bool IsPictureValid() const { return m_valid; }
    // The picture as it is now, drawn first when it is out of date.
    const Bitmap& CurrentPicture();
    // The part as it should show now, drawn anew into a picture of its own: the window's picture
    // and its paints stay as they are (tests hold it against the screen).
    Bitmap DrawnAfresh();
    // Every event is handled with the keys it was made with (CGridEventKeys).
    bool ProcessEvent(wxEvent& event) override;

  protected:
    // Draws the whole part.
    virtual void Render(Canvas& dc, CSize size) = 0;
    // The size the picture takes; the client size unless a part knows better.
    virtual CSize PictureSize() const;
    Bitmap& Picture() { return m_picture; }
    // Makes the picture current: sized and drawn when it is out of date. False when the part
    // has no size.
    bool EnsurePicture();
    CRect ClientRect() const;
    // Client point of a mouse event.
    static CPoint PointOf(const wxMouseEvent& event);

  private:
    void OnPaint(wxPaintEvent& event);
    void OnSize(wxSizeEvent& event);

    CCellGrid& m_grid;
    Bitmap m_picture;
    bool m_valid = false;
};
