#include "app/printing/ListPagePrinter.h"

#include "app/printing/PrintGuard.h"
#include "app/printing/PrintPens.h"
#include "app/printing/PrintPhotoSize.h"
#include "app/printing/PrintRows.h"
#include "foundation/BitmapEx.h"
#include "list/ZantobyDoc.h"
#include "platform/canvas/Canvas.h"

#include <algorithm>

CListPagePrinter::CListPagePrinter(const CZantobyDoc& doc, const PrintSettings& settings,
                                   const CListPageLayout& layout)
    : m_doc(doc), m_settings(settings), m_layout(layout),
      m_bands(doc, settings.listHeader, settings.listFooter, settings.margins[PrintSettings::kHeaderHeight],
              settings.margins[PrintSettings::kFooterHeight])
{
}

void CListPagePrinter::PrintPage(Canvas& canvas, const PrintArea& area, int page) const
{
    if (page < 1 || page > m_layout.PageCount()) {
        return;
    }
    PageRows rows;
    rows.first = m_layout.FirstRowOnPage(page);
    rows.count = m_layout.RowsOnPage(page);
    rows.top = TableTop() - m_layout.HeadingHeight();
    rows.bottom = rows.top;
    for (int i = 0; i < rows.count; ++i) {
        rows.bottom -= m_layout.RowHeight(rows.first + i);
    }
    // The page is cut at the area's edge, with room for the rules on it; the columns past it
    // are not drawn at all.
    constexpr int kRuleReach = 50;
    rows.right = area.printableWidth + kRuleReach;
    IListHost& host = m_doc.Host();
    const int pageCount = m_layout.PageCount();
    CPrintGuard::Run(host, __LINE__, [&] { m_bands.Draw(canvas, area, page, pageCount); });
    CPrintGuard::Run(host, __LINE__, [&] { DrawCells(canvas, rows); });
    if (m_layout.HasPhotoColumn()) {
        CPrintGuard::Run(host, __LINE__, [&] { DrawPhotos(canvas, rows); });
    }
    CPrintGuard::Run(host, __LINE__, [&] { DrawRules(canvas, rows); });
    CPrintGuard::Run(host, __LINE__, [&] { DrawHeadings(canvas, rows); });
}

void CListPagePrinter::DrawCells(Canvas& canvas, const PageRows& rows) const
{
    const int scale = m_layout.Scale();
    canvas.SelectFont(m_layout.Font());
    canvas.SelectPen({PS_NULL, 0, RGB(0, 0, 0)});
    canvas.SetBkMode(TRANSPARENT);
    const std::vector<int>& widths = m_layout.ColumnWidths();
    int left = 0;
    for (int column = 0; column < static_cast<int>(widths.size()) && left < rows.right; ++column) {
        const int right = left + widths[column];
        if (widths[column] <= 0) {
            continue;
        }
        const ColumnRecord& record = m_doc.GetColumn(column);
        const unsigned align = record.align == 1 ? DT_CENTER : record.align == 2 ? DT_RIGHT : DT_LEFT;
        int top = rows.top;
        for (int i = 0; i < rows.count; ++i) {
            const int displayRow = rows.first + i;
            const int bottom = top - m_layout.RowHeight(displayRow);
            const int row = CPrintRows::RecordOf(m_doc, displayRow);
            if (row >= 0) {
                const CellRecord& cell = m_doc.GetRow(row).GetCell(record.slot);
                if (cell.backColor != kDefaultColor) {
                    canvas.FillRect(CRect(left, top, right, bottom), cell.backColor);
                }
                canvas.SetTextColor(cell.textColor != kDefaultColor ? cell.textColor : RGB(0, 0, 0));
                CRect box(left + scale / 20, top - scale / 10, right - scale / 20, bottom);
                canvas.DrawText(m_doc.GetCellTextAt(column, displayRow, kOutputPrint), box,
                                align | DT_WORDBREAK | DT_NOPREFIX);
            }
            top = bottom;
        }
        left = right;
    }
}

void CListPagePrinter::DrawPhotos(Canvas& canvas, const PageRows& rows) const
{
    const int scale = m_layout.Scale();
    const int perLine = m_layout.PhotosPerLine();
    const int photoLeft = m_layout.ColumnLeft(static_cast<int>(m_layout.ColumnWidths().size()));
    if (photoLeft >= rows.right) {
        return;
    }
    const bool shortSide = m_doc.photoSizes.shortSide;
    canvas.SetStretchBltMode(HALFTONE);
    int top = rows.top;
    for (int i = 0; i < rows.count; ++i) {
        const int displayRow = rows.first + i;
        const int row = CPrintRows::RecordOf(m_doc, displayRow);
        if (row >= 0) {
            const ProductRecord& record = m_doc.GetRow(row);
            int x = photoLeft + scale / 10;
            int y = top - scale / 10;
            int tallest = 0;
            for (int position = 0; position < std::min(record.photoCount, kMaxPhotosPerRow); ++position) {
                const int slot = record.photos[position];
                if (slot >= 0 && slot < kMaxPhotos && m_doc.GetPhoto(slot).inUse) {
                    CBitmapEx image;
                    CSize printed;
                    if (image.LoadJpeg(m_doc.GetMiddlePhotoPath(slot)) &&
                        CPrintPhotoSize::Compute(image.Width(), image.Height(), m_layout.PhotoSize(),
                                                 shortSide, printed)) {
                        canvas.StretchBitmap(image, CRect(x, y, x + printed.cx, y - printed.cy),
                                             CRect(0, 0, image.Width(), image.Height()));
                    } else {
                        // A photo that does not load leaves its place empty.
                        CPrintPhotoSize::OfSlot(m_doc, slot, m_layout.PhotoSize(), printed);
                    }
                    if (printed.cx > 0) {
                        x += printed.cx + scale / 10;
                        tallest = std::max(tallest, printed.cy);
                    }
                }
                if ((position + 1) % perLine == 0) {
                    x = photoLeft + scale / 10;
                    y -= tallest + scale / 10;
                    tallest = 0;
                }
            }
        }
        top -= m_layout.RowHeight(displayRow);
    }
}

void CListPagePrinter::DrawRules(Canvas& canvas, const PageRows& rows) const
{
    const int tableWidth = m_layout.TableWidth();
    const int tableTop = TableTop();
    const Canvas::Pen outer = CPrintPens::Solid(canvas, 150, 2);
    canvas.SelectPen(outer);
    canvas.SelectBrush(Canvas::Brush::Null());
    canvas.Rectangle(0, tableTop, tableWidth, rows.bottom);
    canvas.MoveTo(0, rows.top);
    canvas.LineTo(tableWidth - outer.width, rows.top);
    const Canvas::Pen inner = CPrintPens::Thin(canvas, 50);
    canvas.SelectPen(inner);
    // A dotted rule is dotted from its left end, so cutting it where the page ends keeps every
    // dot on the page where it was; a table far wider than the paper would otherwise have
    // thousands of dots a rule to be written and cut away.
    const int innerRight = std::min(tableWidth - inner.width, rows.right);
    int y = rows.top;
    for (int i = 0; i + 1 < rows.count; ++i) {
        y -= m_layout.RowHeight(rows.first + i);
        canvas.MoveTo(0, y);
        canvas.LineTo(innerRight, y);
    }
}

int CListPagePrinter::NextPrintedColumn(int column) const
{
    const std::vector<int>& widths = m_layout.ColumnWidths();
    for (int next = column + 1; next < static_cast<int>(widths.size()); ++next) {
        if (widths[next] > 0) {
            return next;
        }
    }
    return -1;
}

void CListPagePrinter::DrawHeadings(Canvas& canvas, const PageRows& rows) const
{
    const int scale = m_layout.Scale();
    const int line = m_layout.FontHeight();
    const int y0 = TableTop();
    const bool subNames = m_layout.SubNames();
    const unsigned centred = DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX;
    canvas.SelectFont(m_layout.Font());
    canvas.SetBkMode(TRANSPARENT);
    canvas.SetTextColor(RGB(0, 0, 0));
    const std::vector<int>& widths = m_layout.ColumnWidths();
    int groupLeft = -1;
    int groupColumns = 0;
    int left = 0;
    for (int column = 0; column < static_cast<int>(widths.size()); ++column) {
        const int right = left + widths[column];
        // A name shared by columns that began on the paper is drawn where its group ends.
        if (left >= rows.right && groupLeft < 0) {
            break;
        }
        if (widths[column] <= 0) {
            continue;
        }
        if (groupLeft < 0) {
            groupLeft = left;
            groupColumns = 0;
        }
        ++groupColumns;
        const ColumnRecord& record = m_doc.GetColumn(column);
        if (subNames && !record.subName.IsEmpty()) {
            CRect box(left + scale / 20, y0 - 2 * line, right - scale / 20, y0 - 4 * line);
            canvas.DrawText(record.subName, box, centred);
        }
        const int next = NextPrintedColumn(column);
        if (next >= 0 && m_doc.GetColumn(next).name == record.name) {
            // Columns of one name share it; the rule between them stops under the name.
            canvas.MoveTo(right, y0 - 2 * line);
            canvas.LineTo(right, rows.bottom);
            left = right;
            continue;
        }
        if (!subNames || groupColumns > 1 || !record.subName.IsEmpty()) {
            CRect box(groupLeft + scale / 20, y0, right - scale / 20, y0 - 2 * line);
            canvas.DrawText(record.name, box, centred);
            canvas.MoveTo(groupLeft, y0 - 2 * line);
            canvas.LineTo(right, y0 - 2 * line);
        } else {
            CRect box(groupLeft + scale / 20, y0, right - scale / 20, y0 - 4 * line);
            canvas.DrawText(record.name, box, centred);
        }
        if (next >= 0 || m_layout.HasPhotoColumn()) {
            canvas.MoveTo(right, y0);
            canvas.LineTo(right, rows.bottom);
        }
        groupLeft = -1;
        left = right;
    }
}
