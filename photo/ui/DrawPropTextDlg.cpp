#include "photo/ui/DrawPropTextDlg.h"

CDrawPropTextDlg::CDrawPropTextDlg(ShapePropertyValues& values)
    : CDrawPropBaseDlg(252, "ﾃｷｽﾄのﾌﾟﾛﾊﾟﾃｨ", "DrawPropTextDlg", values)
{
    const int limit = ShapePropertyValues::kCoordinate;
    const int size = ShapePropertyValues::kMaxCharSize;
    AddTextEdit(1106, values.text);
    BeginRow("開始点");
    AddSpin(1136, "X", values.start.x, -limit, limit);
    AddSpin(1184, "Y", values.start.y, -limit, limit);
    BeginRow("文字ｻｲｽﾞ");
    AddSpin(1276, "X", values.charWidth, ShapePropertyValues::kMinCharSize, size);
    AddSpin(1277, "Y", values.charHeight, ShapePropertyValues::kMinCharSize, size);
    AddSpin(1280, "行ﾋﾟｯﾁ", values.linePitch, 0, ShapePropertyValues::kMaxPitch);
    AddSpin(1279, "傾き", values.angle, -ShapePropertyValues::kMaxAngle, ShapePropertyValues::kMaxAngle);
    BeginRow("書体");
    AddFontCombo(1278, values.fontName);
    BeginRow(nullptr);
    AddCheck(1254, "太字", values.bold);
    AddCheck(1255, "傾斜", values.italic);
    AddCheck(1257, "下線", values.underline);
    AddCheck(1259, "取消線", values.strikeOut);
    BeginRow("色と影");
    AddColor(IDC_TEXT_COLOR, "文字色", values.textColor);
    AddColor(IDC_SHADOW_COLOR, "影の色", values.shadowColor);
    AddShadowOffsets();
    Finish();
}
