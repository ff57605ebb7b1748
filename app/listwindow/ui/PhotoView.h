#pragma once

#include "app/listwindow/PhotoStrip.h"
#include "list/IListView.h"

#include <wx/scrolwin.h>
#include <wx/timer.h>

class CGridView;
class CZantobyDoc;

// The lower pane of a list window: the current row's photos side by side at their standard
// size with their names beneath, rebuilt a short while after the rows change, scrolled to the
// current cell's photo, and the photo commands of its context menu.
class CPhotoView : public wxScrolledCanvas, public IListView
{
  public:
    static constexpr int kTimerMs = 100;
    static constexpr int kInitialWidth = 2576;
    static constexpr int kInitialHeight = 1296;
    static constexpr int ID_PROPERTIES = 45000;
    static constexpr int ID_EDIT = 45001;
    static constexpr int ID_ROTATE_RIGHT = 45002;
    static constexpr int ID_ROTATE_LEFT = 45003;

    CPhotoView(wxWindow* parent, CGridView& gridView);

    void OnUpdate(int hint, const ListHintArg* arg) override;

    // Lays out the current row's photos again and redraws the strip.
    void RebuildStrip();
    void RebuildIfPending();
    // Scrolls so that the current cell's photo shows.
    void ScrollToCurrentPhoto();
    const CPhotoStrip& Strip() const { return m_strip; }
    int GetSelectedItem() const { return m_selected; }

    // The commands on the selected photo; each tells whether it did its work.
    bool OnEditPhoto();
    // The selected photo's properties, run by the photo editor's library.
    void ShowProperties();
    bool OnRotateRight();
    bool OnRotateLeft();

  private:
    CZantobyDoc* Doc() const;
    bool Rotate(bool right);
    void OnPaint(wxPaintEvent& event);
    void OnTimer(wxTimerEvent& event);
    void OnDoubleClick(wxMouseEvent& event);
    void OnRightUp(wxMouseEvent& event);
    void OnWheel(wxMouseEvent& event);
    void OnSetFocus(wxFocusEvent& event);
    void OnSize(wxSizeEvent& event);
    void OnMenu(wxCommandEvent& event);
    // The photo under a point of the window; -1 when none or when its picture did not load.
    int HitPhoto(const wxPoint& point) const;
    // Turns the strip by the wheel, keeping it within its width.
    void ScrollByWheel(int rotation);

    CGridView& m_gridView;
    CPhotoStrip m_strip;
    wxTimer m_timer;
    int m_selected = -1;
    int m_height = 0;
};
