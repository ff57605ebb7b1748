#pragma once

#include "photo/ui/DrawPropBaseDlg.h"

// The property dialog of the area: its rectangle, normalised on OK.
class CDrawPropAreaDlg : public CDrawPropBaseDlg
{
  public:
    explicit CDrawPropAreaDlg(ShapePropertyValues& values);
};
