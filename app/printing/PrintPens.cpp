#include "app/printing/PrintPens.h"

#include <algorithm>

int CPrintPens::DeviceWidth(const Canvas& canvas, int length)
{
    return canvas.LPtoDP(CSize(length, length)).cx / 100;
}

Canvas::Pen CPrintPens::OfDeviceWidth(const Canvas& canvas, int deviceWidth, int style)
{
    Canvas::Pen pen;
    pen.style = style;
    pen.color = RGB(0, 0, 0);
    // Width 0 is one device unit; wider pens are given in logical units.
    pen.width = deviceWidth <= 1 ? 0 : std::max(1, canvas.DPtoLP(CSize(deviceWidth, deviceWidth)).cx);
    return pen;
}

Canvas::Pen CPrintPens::Solid(const Canvas& canvas, int length, int minimum)
{
    return OfDeviceWidth(canvas, std::max(minimum, DeviceWidth(canvas, length)), PS_SOLID);
}

Canvas::Pen CPrintPens::Thin(const Canvas& canvas, int length)
{
    const int width = DeviceWidth(canvas, length);
    return width > 1 ? OfDeviceWidth(canvas, width, PS_SOLID) : OfDeviceWidth(canvas, 1, PS_DOT);
}
