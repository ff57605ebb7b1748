#pragma once

#include "photo/ui/DrawPropBaseDlg.h"

// The property dialog of the line: its two points, arrow heads, width, colour and shadow.
class CDrawPropLineDlg : public CDrawPropBaseDlg
{
  public:
    explicit CDrawPropLineDlg(ShapePropertyValues& values);
};
