#include "foundation/ui/PrinterChoice.h"

#include "foundation/PaperCodes.h"
#include "foundation/PrinterList.h"
#include "platform/Cp932.h"
#include "platform/PrintSpooler.h"
#include "platform/ui/WxText.h"

#include <wx/cmndata.h>
#include <wx/paper.h>

bool CPrinterChoice::SelectPrinterByName(wxPrintData& data, const CString& name, int paper, int orientation)
{
    CPrinterList printers;
    printers.EnumPrinters();
    CString chosen = name;
    if (chosen.IsEmpty() || printers.FindPrinter(chosen) < 0) {
        chosen = Cp932::FromUtf8(PrintSpooler::Current().GetDefaultPrinter());
        if (chosen.IsEmpty() || printers.FindPrinter(chosen) < 0) {
            return false;
        }
    }
    data.SetPrinterName(ToWx(chosen));
    SetPaper(data, paper, orientation);
    return true;
}

void CPrinterChoice::SetPaper(wxPrintData& data, int paper, int orientation)
{
    // wx numbers its papers its own way; the size links them.
    const CSize size = CPaperCodes::GetSize(paper);
    if (size != CSize()) {
        const wxPaperSize id = wxThePrintPaperDatabase != nullptr
                                   ? wxThePrintPaperDatabase->GetSize(wxSize(size.cx, size.cy))
                                   : wxPAPER_NONE;
        data.SetPaperId(id);
        if (id == wxPAPER_NONE) {
            data.SetPaperSize(wxSize(size.cx / 10, size.cy / 10));
        }
    }
    if (orientation == 1 || orientation == 2) {
        data.SetOrientation(orientation == 1 ? wxPORTRAIT : wxLANDSCAPE);
    }
}

void CPrinterChoice::GetChoice(const wxPrintData& data, CString& name, int& paper, int& orientation)
{
    name = FromWx(data.GetPrinterName());
    wxSize size = data.GetPaperSize(); // millimetres
    if (wxThePrintPaperDatabase != nullptr && data.GetPaperId() != wxPAPER_NONE) {
        if (const wxPrintPaperType* type = wxThePrintPaperDatabase->FindPaperType(data.GetPaperId())) {
            size = type->GetSize() / 10; // from tenths of a millimetre
        }
    }
    paper = CPaperCodes::FromMedia(CString(), size.x * 100, size.y * 100);
    orientation = data.GetOrientation() == wxLANDSCAPE ? 2 : 1;
}
