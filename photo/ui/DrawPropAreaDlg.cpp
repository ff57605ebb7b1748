#include "photo/ui/DrawPropAreaDlg.h"

CDrawPropAreaDlg::CDrawPropAreaDlg(ShapePropertyValues& values)
    : CDrawPropBaseDlg(245, "有効範囲のﾌﾟﾛﾊﾟﾃｨ", "DrawPropAreaDlg", values)
{
    AddRectangle();
    Finish();
}
