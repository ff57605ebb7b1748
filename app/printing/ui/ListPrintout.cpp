#include "app/printing/ui/ListPrintout.h"

#include "list/ZantobyDoc.h"
#include "platform/canvas/Canvas.h"
#include "platform/canvas/PdfDocument.h"
#include "platform/ui/WxText.h"

#include <wx/dc.h>
#include <wx/graphics.h>

#include <cairo.h>
#include <cmath>

CListPrintout::CListPrintout(CZantobyDoc& doc, CPrintJob::Form form, const std::vector<int>& sheetRows)
    : wxPrintout(ToWx(doc.GetTitle())), m_job(std::make_shared<CPrintJob>(doc, form))
{
    m_job->SetSheetRows(sheetRows);
}

CListPrintout::CListPrintout(CZantobyDoc& doc, std::shared_ptr<CPrintJob> job)
    : wxPrintout(ToWx(doc.GetTitle())), m_job(std::move(job))
{
}

void CListPrintout::SheetCorner(cairo_t* context, double width, double height, double& x, double& y)
{
    // The device's sheet starts at its origin and runs along its axes; the axis that runs along
    // the reader's x (or y) says on which side of the origin the sheet lies.
    double originX = 0;
    double originY = 0;
    cairo_device_to_user(context, &originX, &originY);
    double acrossX = 1;
    double acrossY = 0;
    cairo_device_to_user_distance(context, &acrossX, &acrossY);
    double downX = 0;
    double downY = 1;
    cairo_device_to_user_distance(context, &downX, &downY);
    const double towardsRight = std::abs(acrossX) >= std::abs(downX) ? acrossX : downX;
    const double towardsBottom = std::abs(acrossY) >= std::abs(downY) ? acrossY : downY;
    x = towardsRight >= 0 ? originX : originX - width;
    y = towardsBottom >= 0 ? originY : originY - height;
}

bool CListPrintout::DrawOnDevice(const std::function<void(Canvas&, const CPrintJob::Paper&)>& draw, bool show)
{
    wxDC* dc = GetDC();
    if (dc == nullptr) {
        return false;
    }
    // A printer's context is the print system's; a preview draws into a bitmap through a
    // graphics context.
    auto* context = static_cast<cairo_t*>(dc->GetImpl()->GetCairoContext());
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
    CPrintJob::Paper paper;
    const wxRect sheet = GetPaperRectPixels();
    paper.width = static_cast<int>(std::lround(sheet.width * 254.0 / ppiX));
    paper.height = static_cast<int>(std::lround(sheet.height * 254.0 / ppiX));
    if (!IsPreview()) {
        // The print system moves the context's origin into its margins, and turns the context
        // for landscape paper, by other amounts than it told when the job was laid out. Each page
        // is drawn from the sheet's top left corner as it is read, wherever the device puts it.
        double cornerX = 0;
        double cornerY = 0;
        SheetCorner(context, sheet.width, sheet.height, cornerX, cornerY);
        cairo_save(context);
        cairo_translate(context, cornerX, cornerY);
        {
            Canvas canvas(context);
            canvas.SetResolution(ppiX);
            draw(canvas, paper);
        }
        cairo_restore(context);
        return true;
    }
    // The preview's bitmap is the page at a smaller scale than the printer's.
    const double dotsPerInch = ppiX * static_cast<double>(dc->GetSize().x) / pageWidth;
    // The pages are laid out as at a printer's resolution, where text measures as it prints.
    const double resolution = show ? dotsPerInch : PdfDocument::kDotsPerInch;
    cairo_surface_t* recording = cairo_recording_surface_create(CAIRO_CONTENT_COLOR_ALPHA, nullptr);
    cairo_t* page = cairo_create(recording);
    {
        Canvas canvas(page);
        canvas.SetResolution(resolution);
        draw(canvas, paper);
    }
    cairo_destroy(page);
    if (show) {
        cairo_set_source_surface(context, recording, 0, 0);
        cairo_paint(context);
    }
    cairo_surface_destroy(recording);
    return true;
}

void CListPrintout::OnPreparePrinting()
{
    DrawOnDevice(
        [this](Canvas& canvas, const CPrintJob::Paper& paper) {
            m_pages = m_job->IsLaidOutFor(paper, canvas.GetResolution()) ? m_job->GetPageCount()
                                                                          : m_job->Begin(canvas, paper);
        },
        false);
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
    return DrawOnDevice(
        [this, page](Canvas& canvas, const CPrintJob::Paper&) { m_job->PrintPage(canvas, page); }, true);
}
