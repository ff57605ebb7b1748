#include "photo/ui/DrawPropBoxDlg.h"

CDrawPropBoxDlg::CDrawPropBoxDlg(ShapePropertyValues& values)
    : CDrawPropBoxDlg(246, "四角形のﾌﾟﾛﾊﾟﾃｨ", "DrawPropBoxDlg", values)
{
}

CDrawPropBoxDlg::CDrawPropBoxDlg(int templateId, const char* caption, const char* helpTopic,
                                 ShapePropertyValues& values)
    : CDrawPropBaseDlg(templateId, caption, helpTopic, values)
{
    AddRectangle();
    BeginRow("線と色");
    AddBorderWidth();
    AddColor(IDC_BORDER_COLOR, "線の色", values.borderColor);
    AddColor(IDC_FILL_COLOR, "背景色", values.fillColor);
    BeginRow("影");
    AddColor(IDC_SHADOW_COLOR, "影の色", values.shadowColor);
    AddShadowOffsets();
    Finish();
}
