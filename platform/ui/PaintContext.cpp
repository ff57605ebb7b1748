#include "platform/ui/PaintContext.h"

#include <wx/dc.h>
#include <wx/graphics.h>

cairo_t* GetCairoContext(wxDC& dc)
{
    wxGraphicsContext* graphics = dc.GetGraphicsContext();
    return graphics != nullptr ? static_cast<cairo_t*>(graphics->GetNativeContext()) : nullptr;
}
