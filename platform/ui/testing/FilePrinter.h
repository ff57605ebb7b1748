#pragma once

#include "platform/CString.h"

class wxPrintData;

// The print system's own printer that writes PDF files, so that tests print through the same
// printing path and dialog as on a real printer without a print server.
class FilePrinter
{
  public:
    // Keeps the print system to its file printer alone; takes effect only before the first
    // print job or dialog of the process, once the toolkit has started.
    static void UseAlone();
    // Aims print data at a file at path through the file printer, which the print dialog then
    // shows chosen: PostScript when the path ends in ".ps", else PDF. PostScript pages reach the
    // program as a print server's do, turned for landscape paper; PDF ones are not turned.
    // False when the print system has no file printer.
    static bool AimAt(wxPrintData& data, const CString& path);
};
