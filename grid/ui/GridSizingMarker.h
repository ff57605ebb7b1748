#pragma once

#include "platform/Geometry.h"

#include <wx/window.h>

class CCellGrid;

// The thin dark line that shows where a dragged column or row edge, or a dragged column, will
// land: a small window laid over the grid's parts, since GTK cannot draw inverted pixels over
// other windows.
class CGridSizingMarker : public wxWindow
{
  public:
    explicit CGridSizingMarker(CCellGrid& grid);
    // Shows the marker over rect, in the grid's client coordinates.
    void ShowAt(const CRect& rect);
    void HideMarker();
};
