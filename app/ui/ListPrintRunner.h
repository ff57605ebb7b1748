#pragma once

#include "app/PrintJob.h"

#include <functional>
#include <vector>

class CListGrid;
class CZantobyDoc;
class wxPreviewFrame;
class wxPrintData;
class wxPrintDialogData;
class wxPrintout;
class wxWindow;

// Starts the printing and preview of a list: the printer and paper of its page settings, the
// print dialog or the preview window, and the printer chosen in the dialog kept in the settings.
class CListPrintRunner
{
  public:
    // Hands a printout to a printer: the desktop's print dialog, then the printer chosen there.
    // True when the pages went to a printer whose choice, left in data, serves the next job.
    using Printer = std::function<bool(wxWindow* parent, wxPrintout& printout, wxPrintDialogData& data)>;
    // Puts another printer in its place (tests print to a file: the print dialog waits for a
    // user and looks for printers); returns the one it replaces.
    static Printer SetPrinter(Printer printer);

    // One of the print commands 33065 to 33068.
    static void Run(CZantobyDoc& doc, CListGrid* grid, wxWindow* parent, int command);
    // Shows the preview window; null, after saying so, when nothing prints.
    static wxPreviewFrame* Preview(CZantobyDoc& doc, CListGrid* grid, wxWindow* parent, CPrintJob::Form form);
    // The print dialog, then the pages to the printer it chose; single sheets ask first whether
    // the selected rows or all rows print.
    static void Print(CZantobyDoc& doc, CListGrid* grid, wxWindow* parent, CPrintJob::Form form);

  private:
    // Single sheets print the rows of the grid's selected cells (the current row without a
    // selection); every row when the grid has no cell.
    static std::vector<int> SheetRows(CListGrid* grid);
    static bool HasRowsToPrint(CZantobyDoc& doc, CPrintJob::Form form, const std::vector<int>& rows);
    static wxPrintData PrintDataOf(const CZantobyDoc& doc);
    static bool PrintThroughDialog(wxWindow* parent, wxPrintout& printout, wxPrintDialogData& data);
    static Printer& CurrentPrinter();
};
