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
    AddLineAndShadow(true);
    Finish();
}
