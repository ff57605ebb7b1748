#include "app/printing/ui/ListPrintRunner.h"

#include "app/listwindow/ui/ListGrid.h"
#include "app/printing/PrintCommands.h"
#include "app/printing/ui/ListPrintout.h"
#include "app/printing/ui/SheetRangeDlg.h"
#include "foundation/ui/PrinterChoice.h"
#include "list/ZantobyDoc.h"
#include "platform/ui/GtkGlue.h"
#include "platform/ui/WxText.h"

#include <wx/cmndata.h>
#include <wx/print.h>

#include <memory>
#include <set>

CListPrintRunner::Printer CListPrintRunner::SetPrinter(Printer printer)
{
    Printer previous = std::move(CurrentPrinter());
    CurrentPrinter() = printer ? std::move(printer) : Printer(&CListPrintRunner::PrintThroughDialog);
    return previous;
}

CListPrintRunner::Printer& CListPrintRunner::CurrentPrinter()
{
    static Printer printer = &CListPrintRunner::PrintThroughDialog;
    return printer;
}

bool CListPrintRunner::PrintThroughDialog(wxWindow* parent, wxPrintout& printout, wxPrintDialogData& data)
{
    wxPrinter printer(&data);
    if (!printer.Print(parent, &printout, true) || printer.GetPrintDialogData().GetPrintToFile()) {
        return false;
    }
    data = printer.GetPrintDialogData();
    return true;
}

void CListPrintRunner::Run(CZantobyDoc& doc, CListGrid* grid, wxWindow* parent, int command)
{
    const CPrintJob::Form form = command == ID_FILE_PREVIEW_SHEET || command == ID_FILE_PRINT_SHEET
                                     ? CPrintJob::Form::Sheets
                                     : CPrintJob::Form::List;
    if (command == ID_FILE_PREVIEW_LIST || command == ID_FILE_PREVIEW_SHEET) {
        Preview(doc, grid, parent, form);
    } else {
        Print(doc, grid, parent, form);
    }
}

std::vector<int> CListPrintRunner::SheetRows(CListGrid* grid)
{
    std::vector<int> rows;
    int column = -1;
    int row = -1;
    if (grid == nullptr || grid->FirstSelectedCell(column, row) != 0 || row < 0) {
        return rows;
    }
    do {
        rows.push_back(row);
    } while (grid->NextSelectedCell(column, row) == 0);
    return rows;
}

bool CListPrintRunner::HasRowsToPrint(CZantobyDoc& doc, CPrintJob::Form form, const std::vector<int>& rows)
{
    CPrintJob job(doc, form);
    job.SetSheetRows(rows);
    return job.CheckRowsToPrint();
}

wxPrintData CListPrintRunner::PrintDataOf(const CZantobyDoc& doc)
{
    wxPrintData data;
    const PrintSettings& settings = doc.print;
    // Without a printer the preview still shows the paper, and the print dialog can still print
    // to a file.
    if (!CPrinterChoice::SelectPrinterByName(data, settings.device, settings.paper, settings.orientation)) {
        CPrinterChoice::SetPaper(data, settings.paper, settings.orientation);
    }
    return data;
}

wxPreviewFrame* CListPrintRunner::Preview(CZantobyDoc& doc, CListGrid* grid, wxWindow* parent,
                                          CPrintJob::Form form)
{
    const std::vector<int> rows = form == CPrintJob::Form::Sheets ? SheetRows(grid) : std::vector<int>();
    if (!HasRowsToPrint(doc, form, rows)) {
        return nullptr;
    }
    wxPrintDialogData dialogData(PrintDataOf(doc));
    auto job = std::make_shared<CPrintJob>(doc, form);
    job->SetSheetRows(rows);
    auto* preview = new wxPrintPreview(new CListPrintout(doc, job), new CListPrintout(doc, job), &dialogData);
    if (!preview->IsOk()) {
        delete preview;
        return nullptr;
    }
    auto* frame =
        new wxPreviewFrame(preview, parent, ToWx(doc.GetTitle()), wxDefaultPosition, wxSize(900, 800));
    frame->Initialize();
    frame->Show();
    // It opens a moment after the command, when a window manager would leave the keyboard with
    // the list's window, which the preview keeps from input: nothing would take Esc.
    frame->CallAfter([frame] { GtkGlue::Present(*frame); });
    return frame;
}

void CListPrintRunner::Print(CZantobyDoc& doc, CListGrid* grid, wxWindow* parent, CPrintJob::Form form)
{
    std::vector<int> rows = form == CPrintJob::Form::Sheets ? SheetRows(grid) : std::vector<int>();
    if (!rows.empty()) {
        CSheetRangeDlg range(parent, static_cast<int>(std::set<int>(rows.begin(), rows.end()).size()));
        if (range.DoModal() != wxID_OK) {
            return;
        }
        if (range.GetChoice() == CSheetRangeDlg::kAllRows) {
            rows.clear();
        }
    }
    if (!HasRowsToPrint(doc, form, rows)) {
        return;
    }
    wxPrintDialogData dialogData(PrintDataOf(doc));
    CListPrintout printout(doc, form, rows);
    if (!CurrentPrinter()(parent, printout, dialogData)) {
        return;
    }
    // The printer, paper and orientation chosen in the dialog serve the next job too.
    PrintSettings& settings = doc.print;
    CString device;
    int paper = 0;
    int orientation = 0;
    CPrinterChoice::GetChoice(dialogData.GetPrintData(), device, paper, orientation);
    if (paper == 0) {
        paper = settings.paper;
    }
    if (device != settings.device || paper != settings.paper || orientation != settings.orientation) {
        settings.device = device;
        settings.paper = paper;
        settings.orientation = orientation;
        doc.SetModifiedFlag();
    }
}
