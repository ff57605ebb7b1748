#pragma once

#include "photo/ui/DrawPropBaseDlg.h"

// The property dialog of the box: its rectangle as entered, border, fill and shadow.
class CDrawPropBoxDlg : public CDrawPropBaseDlg
{
  public:
    explicit CDrawPropBoxDlg(ShapePropertyValues& values);

  protected:
    // The ellipse's dialog, which has the same fields.
    CDrawPropBoxDlg(int templateId, const char* caption, const char* helpTopic, ShapePropertyValues& values);
};
