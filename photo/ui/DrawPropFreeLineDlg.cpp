#include "photo/ui/DrawPropFreeLineDlg.h"

CDrawPropFreeLineDlg::CDrawPropFreeLineDlg(ShapePropertyValues& values)
    : CDrawPropBaseDlg(250, "折れ線のﾌﾟﾛﾊﾟﾃｨ", "DrawPropFreeLineDlg", values)
{
    AddPointGrid();
    AddArrows();
    AddLineAndShadow(false);
    Finish();
}
