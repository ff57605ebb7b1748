#pragma once

#include "photo/ui/DrawPropBaseDlg.h"

// The property dialog of the group: its place, size and the count of shapes in it; a new place
// moves every member.
class CDrawPropGroupDlg : public CDrawPropBaseDlg
{
  public:
    explicit CDrawPropGroupDlg(ShapePropertyValues& values);
};
