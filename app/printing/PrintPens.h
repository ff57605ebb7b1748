#pragma once

#include "platform/canvas/Canvas.h"

// The pens of printed rules, as wide as a hundredth of a distance measures on the device, so
// that they look alike on paper and in the preview.
class CPrintPens
{
  public:
    // A solid black pen of length / 100 device units, at least minimum device units.
    static Canvas::Pen Solid(const Canvas& canvas, int length, int minimum);
    // length / 100 device units: a solid pen when that is more than one device unit, else a
    // dotted hairline.
    static Canvas::Pen Thin(const Canvas& canvas, int length);

  private:
    static int DeviceWidth(const Canvas& canvas, int length);
    static Canvas::Pen OfDeviceWidth(const Canvas& canvas, int deviceWidth, int style);
};
