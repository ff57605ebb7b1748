#include "photo/ui/DrawPropLineDlg.h"

CDrawPropLineDlg::CDrawPropLineDlg(ShapePropertyValues& values)
    : CDrawPropBaseDlg(249, "直線のﾌﾟﾛﾊﾟﾃｨ", "DrawPropLineDlg", values)
{
    const int limit = ShapePropertyValues::kCoordinate;
    BeginRow("座標");
    AddSpin(1271, "始点 X", values.start.x, -limit, limit);
    AddSpin(1272, "Y", values.start.y, -limit, limit);
    AddSpin(1273, "終点 X", values.end.x, -limit, limit);
    AddSpin(1274, "Y", values.end.y, -limit, limit);
    AddArrows();
    AddLineAndShadow(false);
    Finish();
}
