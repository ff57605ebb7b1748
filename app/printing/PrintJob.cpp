#include "app/printing/PrintJob.h"

#include "app/printing/PrintGuard.h"
#include "app/printing/PrintRows.h"
#include "list/ZantobyDoc.h"
#include "platform/canvas/Canvas.h"

#include <algorithm>

CPrintJob::CPrintJob(CZantobyDoc& doc, Form form)
    : m_doc(doc), m_form(form), m_listLayout(doc, doc.print), m_listPrinter(doc, doc.print, m_listLayout),
      m_sheetLayout(doc, doc.print), m_sheetPrinter(doc, doc.print, m_sheetLayout)
{
}

void CPrintJob::SetSheetRows(std::vector<int> displayRows)
{
    std::sort(displayRows.begin(), displayRows.end());
    displayRows.erase(std::unique(displayRows.begin(), displayRows.end()), displayRows.end());
    m_sheetRows = std::move(displayRows);
}

std::vector<int> CPrintJob::SheetRows() const
{
    if (!m_sheetRows.empty()) {
        return m_sheetRows;
    }
    std::vector<int> all(std::max(0, m_doc.displayCount));
    for (int i = 0; i < static_cast<int>(all.size()); ++i) {
        all[i] = i;
    }
    return all;
}

bool CPrintJob::CheckRowsToPrint() const
{
    bool any = false;
    if (m_form == Form::List) {
        any = CPrintRows::CountListRows(m_doc) > 0;
    } else {
        const std::vector<int> rows = SheetRows();
        any = std::any_of(rows.begin(), rows.end(),
                          [&](int row) { return CPrintRows::RecordOf(m_doc, row) >= 0; });
    }
    if (!any) {
        m_doc.Host().ShowWarningMessage(20300, 0);
    }
    return any;
}

bool CPrintJob::HasSubNames() const
{
    // Only the columns this form prints make room for sub-names.
    const PrintSettings& settings = m_doc.print;
    for (int column = 0; column < std::clamp(m_doc.columnCount, 0, kMaxColumns); ++column) {
        const ColumnRecord& record = m_doc.GetColumn(column);
        const int entry = settings.ColumnEntryOf(record.slot, m_form == Form::List ? PrintSettings::kListWidth
                                                                                   : PrintSettings::kOnSheet);
        if (entry != 0 && !record.subName.IsEmpty()) {
            return true;
        }
    }
    return false;
}

int CPrintJob::Begin(Canvas& canvas, const Paper& paper)
{
    const PrintSettings& settings = m_doc.print;
    const auto& margins = settings.margins;
    canvas.SetMapMode(MM_LOMETRIC);
    m_area.origin = CPoint(margins[PrintSettings::kLeftMargin], -margins[PrintSettings::kTopMargin]);
    m_area.pageWidth = paper.width;
    m_area.pageHeight = paper.height;
    m_area.printableWidth =
        paper.width - margins[PrintSettings::kLeftMargin] - margins[PrintSettings::kRightMargin];
    m_area.printableHeight =
        paper.height - margins[PrintSettings::kTopMargin] - margins[PrintSettings::kBottomMargin];
    m_area.subNames = HasSubNames();
    CPrintGuard::Run(m_doc.Host(), __LINE__, [&] {
        if (m_form == Form::List) {
            m_listLayout.Prepare(canvas, m_area);
        } else {
            m_sheetLayout.Prepare(canvas, m_area, SheetRows());
        }
    });
    m_laidOut = true;
    m_laidOutPaper = paper;
    m_laidOutResolution = canvas.GetResolution();
    return GetPageCount();
}

bool CPrintJob::IsLaidOutFor(const Paper& paper, double resolution) const
{
    return m_laidOut && m_laidOutPaper.width == paper.width && m_laidOutPaper.height == paper.height &&
           m_laidOutResolution == resolution;
}

int CPrintJob::GetPageCount() const
{
    return m_form == Form::List ? m_listLayout.PageCount() : static_cast<int>(m_sheetLayout.Pages().size());
}

const CPrintBands& CPrintJob::Bands() const
{
    return m_form == Form::List ? m_listPrinter.Bands() : m_sheetPrinter.Bands();
}

void CPrintJob::PrintPage(Canvas& canvas, int page) const
{
    const int saved = canvas.SaveDC();
    canvas.SetMapMode(MM_LOMETRIC);
    const CPoint origin = canvas.LPtoDP(m_area.origin);
    canvas.SetViewportOrg(origin.x, origin.y);
    // Rules on the edge of the area stay whole.
    canvas.IntersectClipRect(CRect(-15, 15, m_area.printableWidth + 15, -m_area.printableHeight - 15));
    if (m_form == Form::List) {
        m_listPrinter.PrintPage(canvas, m_area, page);
    } else {
        m_sheetPrinter.PrintPage(canvas, m_area, page);
    }
    canvas.RestoreDC(saved);
}
