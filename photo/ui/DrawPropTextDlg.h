#pragma once

#include "photo/ui/DrawPropBaseDlg.h"

// The property dialog of the text: its text, place, size, pitch, angle, font, styles, colour and shadow.
class CDrawPropTextDlg : public CDrawPropBaseDlg
{
  public:
    explicit CDrawPropTextDlg(ShapePropertyValues& values);
};
