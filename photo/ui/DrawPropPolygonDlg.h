#pragma once

#include "photo/ui/DrawPropBaseDlg.h"

// The property dialog of the polygon: its points, border, fill and shadow.
class CDrawPropPolygonDlg : public CDrawPropBaseDlg
{
  public:
    explicit CDrawPropPolygonDlg(ShapePropertyValues& values);
};
