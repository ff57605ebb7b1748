#pragma once

#include <wx/scrolwin.h>

class CEditPhotoView;

// The scrolled window of a photo editor view: it paints through the view and hands it the
// pointer, the keys and its size.
class CEditPhotoWindow : public wxScrolledCanvas
{
  public:
    CEditPhotoWindow(wxWindow* parent, CEditPhotoView& view);

    // The view has gone; later events are ignored.
    void DropView() { m_view = nullptr; }

  private:
    void OnPaint(wxPaintEvent& event);
    void OnMouse(wxMouseEvent& event);
    void OnKeyDown(wxKeyEvent& event);
    void OnSize(wxSizeEvent& event);
    void OnScroll(wxScrollWinEvent& event);
    void OnCaptureLost(wxMouseCaptureLostEvent& event);

    CEditPhotoView* m_view;
};
