#pragma once

#include "photo/ui/DrawPropBoxDlg.h"

// The property dialog of the ellipse: the box's fields for the ellipse's frame.
class CDrawPropEllipseDlg : public CDrawPropBoxDlg
{
  public:
    explicit CDrawPropEllipseDlg(ShapePropertyValues& values)
        : CDrawPropBoxDlg(248, "楕円のﾌﾟﾛﾊﾟﾃｨ", "DrawPropEllipseDlg", values)
    {
    }
};
