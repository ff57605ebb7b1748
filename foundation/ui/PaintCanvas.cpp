#include "foundation/ui/PaintCanvas.h"

#include <wx/graphics.h>

CPaintCanvas::CPaintCanvas(wxWindow& window) : m_paint(&window)
{
    wxGraphicsContext* graphics = m_paint.GetGraphicsContext();
    if (graphics != nullptr && graphics->GetNativeContext() != nullptr) {
        m_canvas = std::make_unique<Canvas>(static_cast<cairo_t*>(graphics->GetNativeContext()));
    }
}
