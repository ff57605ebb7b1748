#pragma once

#include "photo/ui/DrawPropBaseDlg.h"

// The property dialog of the shade: its rectangle and the size of its cells.
class CDrawPropShadeDlg : public CDrawPropBaseDlg
{
  public:
    explicit CDrawPropShadeDlg(ShapePropertyValues& values);
};
