#pragma once

#include "photo/DrawingDefaults.h"

#include <wx/aui/auibar.h>

class CColorSwatch;

// The format toolbar: the photo editor's drawing tools and five swatches that show the drawing
// defaults given to new shapes (border width, border, fill, text and shadow colour). A click on
// a swatch is the command of its id.
class CFormatBar : public wxAuiToolBar
{
  public:
    static constexpr int kSwatchCount = 5;

    CFormatBar(wxWindow* parent, int id);

    // The swatch of an id 33010 to 33014; null for any other id.
    CColorSwatch* GetSwatch(int id) const;
    // Shows the defaults in the five swatches.
    void ShowDefaults(const DrawingDefaults& defaults);
};
