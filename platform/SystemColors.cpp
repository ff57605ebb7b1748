#include "platform/SystemColors.h"

#include <utility>

namespace {

SysColorHandler& ColorHandler()
{
    static SysColorHandler handler;
    return handler;
}

SystemMetricsHandler& MetricsHandler()
{
    static SystemMetricsHandler handler;
    return handler;
}

COLORREF DefaultColor(int index)
{
    switch (index) {
    case COLOR_SCROLLBAR:
        return RGB(200, 200, 200);
    case COLOR_WINDOW:
    case COLOR_HIGHLIGHTTEXT:
    case COLOR_BTNHIGHLIGHT:
        return RGB(255, 255, 255);
    case COLOR_HIGHLIGHT:
        return RGB(0, 120, 215);
    case COLOR_BTNFACE:
    case COLOR_3DLIGHT:
        return RGB(240, 240, 240);
    case COLOR_BTNSHADOW:
        return RGB(160, 160, 160);
    case COLOR_GRAYTEXT:
        return RGB(109, 109, 109);
    case COLOR_3DDKSHADOW:
        return RGB(105, 105, 105);
    case COLOR_INFOBK:
        return RGB(255, 255, 225);
    default:
        return RGB(0, 0, 0);
    }
}

int DefaultMetric(int index)
{
    switch (index) {
    case SM_CXSCREEN:
        return 1280;
    case SM_CYSCREEN:
        return 1024;
    case SM_CXVSCROLL:
    case SM_CYHSCROLL:
    case SM_CXHSCROLL:
        return 17;
    default:
        return 0;
    }
}

} // namespace

SysColorHandler SetSysColorHandler(SysColorHandler handler)
{
    return std::exchange(ColorHandler(), std::move(handler));
}

SystemMetricsHandler SetSystemMetricsHandler(SystemMetricsHandler handler)
{
    return std::exchange(MetricsHandler(), std::move(handler));
}

COLORREF GetSysColor(int index)
{
    return ColorHandler() ? ColorHandler()(index) : DefaultColor(index);
}

int GetSystemMetrics(int index)
{
    return MetricsHandler() ? MetricsHandler()(index) : DefaultMetric(index);
}
