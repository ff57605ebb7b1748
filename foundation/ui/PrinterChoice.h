#pragma once

#include "platform/CString.h"

class wxPrintData;

// Makes a printer of the machine the one print data describes.
class CPrinterChoice
{
  public:
    // The named printer, or the default printer when the name is empty or unknown, with the
    // paper number and orientation (1 portrait, 2 landscape) unless they are 0. False, with
    // the print data unchanged, when there is no printer to take.
    static bool SelectPrinterByName(wxPrintData& data, const CString& name, int paper, int orientation);
};
