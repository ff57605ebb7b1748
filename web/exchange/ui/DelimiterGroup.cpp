#include "web/exchange/ui/DelimiterGroup.h"

#include "platform/ui/WxText.h"

#include <wx/radiobut.h>
#include <wx/statbox.h>

const RadioGroupItem kDelimiterItems[] = {{1177, ','}, {1178, '\t'}, {1179, ';'}, {1180, ' '}, {0, ','}};

void CreateDelimiterGroup(wxWindow* parent, const wxPoint& origin)
{
    new wxStaticBox(parent, wxID_ANY, ToWx("区切文字"), origin, wxSize(170, 78));
    new wxRadioButton(parent, 1177, ToWx("ｺﾝﾏ"), origin + wxPoint(10, 22), wxDefaultSize, wxRB_GROUP);
    new wxRadioButton(parent, 1178, ToWx("ﾀﾌﾞ"), origin + wxPoint(90, 22));
    new wxRadioButton(parent, 1179, ToWx("ｾﾐｺﾛﾝ"), origin + wxPoint(10, 48));
    new wxRadioButton(parent, 1180, ToWx("ｽﾍﾟｰｽ"), origin + wxPoint(90, 48));
}
