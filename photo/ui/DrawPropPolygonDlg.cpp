#include "photo/ui/DrawPropPolygonDlg.h"

CDrawPropPolygonDlg::CDrawPropPolygonDlg(ShapePropertyValues& values)
    : CDrawPropBaseDlg(247, "多角形のﾌﾟﾛﾊﾟﾃｨ", "DrawPropPolygonDlg", values)
{
    AddPointGrid();
    AddLineAndShadow(true);
    Finish();
}
