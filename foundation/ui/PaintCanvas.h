#pragma once

#include "platform/canvas/Canvas.h"

#include <wx/dcclient.h>

#include <memory>

// The Canvas a paint handler draws its window with, over the window's paint DC.
class CPaintCanvas
{
  public:
    explicit CPaintCanvas(wxWindow& window);

    // False when the toolkit gave no context to draw through; nothing may be drawn then.
    bool IsValid() const { return m_canvas != nullptr; }
    Canvas& Dc() { return *m_canvas; }

  private:
    wxPaintDC m_paint;
    std::unique_ptr<Canvas> m_canvas;
};
