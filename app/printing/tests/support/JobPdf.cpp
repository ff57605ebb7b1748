#include "app/printing/tests/support/JobPdf.h"

#include "app/printing/PrintJob.h"
#include "platform/canvas/Canvas.h"
#include "platform/canvas/PdfDocument.h"

int PrintJobToPdf(CPrintJob& job, const CString& path, int width, int height)
{
    PdfDocument pdf;
    if (!pdf.Create(path, width, height)) {
        return -1;
    }
    int pages = 0;
    {
        Canvas measure(pdf.Context());
        measure.SetResolution(PdfDocument::kDotsPerInch);
        pages = job.Begin(measure, {width, height});
    }
    for (int page = 1; page <= pages; ++page) {
        if (page > 1) {
            pdf.NextPage();
        }
        Canvas canvas(pdf.Context());
        canvas.SetResolution(PdfDocument::kDotsPerInch);
        job.PrintPage(canvas, page);
    }
    return pdf.Close() ? pages : -1;
}
