#include "app/frame/ui/StatusBar.h"

void CStatusBar::DoUpdateStatusText(int number)
{
    wxRect rect;
    GetFieldRect(number, rect);
    Refresh(true, &rect);
}
