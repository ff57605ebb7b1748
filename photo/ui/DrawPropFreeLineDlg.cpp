#include "photo/ui/DrawPropFreeLineDlg.h"

CDrawPropFreeLineDlg::CDrawPropFreeLineDlg(ShapePropertyValues& values) : CDrawPropBaseDlg(250, "折れ線のﾌﾟﾛﾊﾟﾃｨ", "DrawPropFreeLineDlg", values)
{
    AddPointGrid();
    AddArrows();
    BeginRow("線と色");
    AddBorderWidth();
    AddColor(IDC_BORDER_COLOR, "線の色", values.borderColor);
    BeginRow("影");
    AddColor(IDC_SHADOW_COLOR, "影の色", values.shadowColor);
    AddShadowOffsets();
    Finish();
}
