#pragma once

#include "platform/Geometry.h"

// Where a print job may draw on its page, in 0.1 mm with y upwards (MM_LOMETRIC). Page drawing
// is relative to the origin, the printable area's top-left corner inside the margins.
struct PrintArea
{
    CPoint origin;
    int pageWidth = 0; // the whole sheet as it lies
    int pageHeight = 0;
    int printableWidth = 0; // inside the margins
    int printableHeight = 0;
    // Some printed column has a sub-name, so headings and labels make room for it.
    bool subNames = false;
};
