#pragma once

#include <wx/cursor.h>
#include <wx/dnd.h>

// A drag source that shows its own cursor throughout the drag instead of the system's drag
// cursors.
class CRowDragSource : public wxDropSource
{
  public:
    CRowDragSource(wxDataObject& data, wxWindow* window) : wxDropSource(data, window) {}

    void SetDragCursor(const wxCursor& cursor) { m_cursor = cursor; }
    bool GiveFeedback(wxDragResult effect) override;

  private:
    wxCursor m_cursor;
};
