#include "photo/ui/DrawPropPolygonDlg.h"

CDrawPropPolygonDlg::CDrawPropPolygonDlg(ShapePropertyValues& values) : CDrawPropBaseDlg(247, "多角形のﾌﾟﾛﾊﾟﾃｨ", "DrawPropPolygonDlg", values)
{
    AddPointGrid();
    BeginRow("線と色");
    AddBorderWidth();
    AddColor(IDC_BORDER_COLOR, "線の色", values.borderColor);
    AddColor(IDC_FILL_COLOR, "背景色", values.fillColor);
    BeginRow("影");
    AddColor(IDC_SHADOW_COLOR, "影の色", values.shadowColor);
    AddShadowOffsets();
    Finish();
}
