#include "app/ui/ListPrintout.h"

#include "list/ZantobyDoc.h"
#include "platform/canvas/Canvas.h"
#include "platform/ui/WxText.h"

#include <wx/dc.h>
#include <wx/graphics.h>

#include <cairo.h>
#include <cmath>

CListPrintout::CListPrintout(CZantobyDoc& doc, CPrintJob::Form form, const std::vector<int>& sheetRows)
    : wxPrintout(ToWx(doc.GetTitle())), m_job(doc, form)
{
    m_job.SetSheetRows(sheetRows);
}

bool CListPrintout::GetDevice(cairo_t*& context, double& dotsPerInch, CPrintJob::Paper& paper) const
{
    wxDC* dc = GetDC();
    if (dc == nullptr) {
        return false;
    }
    // A printer's context is the print system's; a preview draws into a bitmap through a
    // graphics context.
    context = static_cast<cairo_t*>(dc->GetImpl()->GetCairoContext());
    if (context == nullptr && dc->GetGraphicsContext() != nullptr) {
        context = static_cast<cairo_t*>(dc->GetGraphicsContext()->GetNativeContext());
    }
    int pageWidth = 0;
    int pageHeight = 0;
    GetPageSizePixels(&pageWidth, &pageHeight);
    int ppiX = 0;
    int ppiY = 0;
    GetPPIPrinter(&ppiX, &ppiY);
    if (context == nullptr || pageWidth <= 0 || ppiX <= 0) {
        return false;
    }
    // The preview's bitmap is the page at a smaller scale than the printer's.
    dotsPerInch = ppiX * static_cast<double>(dc->GetSize().x) / pageWidth;
    const wxRect sheet = GetPaperRectPixels();
    paper.width = static_cast<int>(std::lround(sheet.width * 254.0 / ppiX));
    paper.height = static_cast<int>(std::lround(sheet.height * 254.0 / ppiX));
    // Where the sheet's corner lies from the point the device draws from: printers start at
    // their printable area.
    double cornerX = 0;
    double cornerY = 0;
    cairo_device_to_user(context, &cornerX, &cornerY);
    paper.offset = CPoint(static_cast<int>(std::lround(-cornerX)), static_cast<int>(std::lround(-cornerY)));
    return true;
}

void CListPrintout::OnPreparePrinting()
{
    cairo_t* context = nullptr;
    double dotsPerInch = 0;
    CPrintJob::Paper paper;
    if (!GetDevice(context, dotsPerInch, paper)) {
        return;
    }
    Canvas canvas(context);
    canvas.SetResolution(dotsPerInch);
    m_pages = m_job.Begin(canvas, paper);
}

bool CListPrintout::HasPage(int page)
{
    return page >= 1 && page <= m_pages;
}

void CListPrintout::GetPageInfo(int* minPage, int* maxPage, int* pageFrom, int* pageTo)
{
    // The framework refuses a job without pages; an empty one prints a blank page instead.
    *minPage = 1;
    *maxPage = std::max(1, m_pages);
    *pageFrom = 1;
    *pageTo = *maxPage;
}

bool CListPrintout::OnPrintPage(int page)
{
    cairo_t* context = nullptr;
    double dotsPerInch = 0;
    CPrintJob::Paper paper;
    if (!GetDevice(context, dotsPerInch, paper)) {
        return false;
    }
    Canvas canvas(context);
    canvas.SetResolution(dotsPerInch);
    m_job.PrintPage(canvas, page);
    return true;
}
