#pragma once

#include "platform/CString.h"

class wxPrintout;

// Prints every page of a printout into a PDF file of sheets width x height (0.1 mm) at the file's
// printer resolution, as the print system hands pages over: the job laid out on a context at the
// sheet's corner, then each page drawn with the context's origin moved by originShift dots.
// Returns the pages printed, -1 on failure.
int PrintPrintoutToPdf(wxPrintout& printout, const CString& path, int width, int height, int originShift = 0);
