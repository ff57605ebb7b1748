#include "app/testing/ui/PrintoutPdf.h"

#include "platform/canvas/PdfDocument.h"

#include <wx/print.h>
#include <wx/dcgraph.h>
#include <wx/graphics.h>

#include <cairo.h>

int PrintPrintoutToPdf(wxPrintout& printout, const CString& path, int width, int height, int originShift)
{
    PdfDocument pdf;
    if (!pdf.Create(path, width, height)) {
        return -1;
    }
    wxGCDC dc(wxGraphicsRenderer::GetCairoRenderer()->CreateContextFromNativeContext(pdf.Context()));
    printout.SetDC(&dc);
    printout.SetPPIPrinter(PdfDocument::kDotsPerInch, PdfDocument::kDotsPerInch);
    printout.SetPageSizePixels(pdf.PageSize().cx, pdf.PageSize().cy);
    printout.SetPaperRectPixels(wxRect(0, 0, pdf.PageSize().cx, pdf.PageSize().cy));
    printout.OnPreparePrinting();
    int minPage = 0;
    int maxPage = 0;
    int from = 0;
    int to = 0;
    printout.GetPageInfo(&minPage, &maxPage, &from, &to);
    int printed = 0;
    for (int page = from; page <= to && printout.HasPage(page); ++page, ++printed) {
        if (page > from) {
            pdf.NextPage();
        }
        cairo_save(pdf.Context());
        cairo_translate(pdf.Context(), originShift, 0);
        const bool drawn = printout.OnPrintPage(page);
        cairo_restore(pdf.Context());
        if (!drawn) {
            printed = -1;
            break;
        }
    }
    printout.SetDC(nullptr);
    return pdf.Close() ? printed : -1;
}
