#pragma once

#include "platform/CString.h"

class wxPrintData;

// Makes a printer of the machine the one print data describes, and reads back what print data
// describes.
class CPrinterChoice
{
  public:
    // The named printer, or the default printer when the name is empty or unknown, with the
    // paper number and orientation (1 portrait, 2 landscape) unless they are 0. False, with
    // the print data unchanged, when there is no printer to take.
    static bool SelectPrinterByName(wxPrintData& data, const CString& name, int paper, int orientation);
    // The paper number and orientation alone, each unless it is 0.
    static void SetPaper(wxPrintData& data, int paper, int orientation);
    // The printer's name, the paper number (0 for a paper without one) and the orientation.
    static void GetChoice(const wxPrintData& data, CString& name, int& paper, int& orientation);
};
