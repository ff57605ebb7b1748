#pragma once

#include "photo/ui/DrawPropBaseDlg.h"

// The property dialog of the polyline: its points, arrow heads, width, colour and shadow.
class CDrawPropFreeLineDlg : public CDrawPropBaseDlg
{
  public:
    explicit CDrawPropFreeLineDlg(ShapePropertyValues& values);
};
