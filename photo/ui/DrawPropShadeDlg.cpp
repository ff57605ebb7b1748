#include "photo/ui/DrawPropShadeDlg.h"

CDrawPropShadeDlg::CDrawPropShadeDlg(ShapePropertyValues& values)
    : CDrawPropBaseDlg(251, "ぼかしのﾌﾟﾛﾊﾟﾃｨ", "DrawPropShadeDlg", values)
{
    AddRectangle();
    BeginRow(nullptr);
    AddSpin(1275, "ﾄﾞｯﾄ", values.dot, ShapePropertyValues::kMinDot, ShapePropertyValues::kMaxDot);
    Finish();
}
