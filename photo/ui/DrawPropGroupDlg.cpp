#include "photo/ui/DrawPropGroupDlg.h"

CDrawPropGroupDlg::CDrawPropGroupDlg(ShapePropertyValues& values)
    : CDrawPropBaseDlg(253, "ｸﾞﾙｰﾌﾟのﾌﾟﾛﾊﾟﾃｨ", "DrawPropGroupDlg", values)
{
    const int limit = ShapePropertyValues::kCoordinate;
    BeginRow("座標");
    AddSpin(1136, "左", values.rect.left, -limit, limit);
    AddSpin(1184, "上", values.rect.top, -limit, limit);
    BeginRow(nullptr);
    CString number;
    number.Format("%d", values.rect.Width());
    AddStatic(1021, "幅", number);
    number.Format("%d", values.rect.Height());
    AddStatic(1281, "高さ", number);
    number.Format("%d", values.leafCount);
    AddStatic(1035, "ｱｲﾃﾑ数", number);
    Finish();
}
