#include "app/printing/SheetPagePrinter.h"

#include "app/printing/PrintGuard.h"
#include "app/printing/PrintPens.h"
#include "foundation/BitmapEx.h"
#include "list/ListDrawingHost.h"
#include "list/PhotoRenderer.h"
#include "list/ZantobyDoc.h"
#include "list/drawing/DrawingData.h"
#include "platform/canvas/Canvas.h"

#include <algorithm>

namespace {

constexpr unsigned kCentred = DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX;

} // namespace

CSheetPagePrinter::CSheetPagePrinter(const CZantobyDoc& doc, const PrintSettings& settings,
                                     const CSheetPageLayout& layout)
    : m_doc(doc), m_settings(settings), m_layout(layout),
      m_bands(doc, settings.pageHeader, settings.pageFooter, settings.margins[PrintSettings::kHeaderHeight],
              settings.margins[PrintSettings::kFooterHeight])
{
}

int CSheetPagePrinter::DisplayRowOf(int record) const
{
    for (int displayRow = 0; displayRow < m_doc.displayCount; ++displayRow) {
        if (m_doc.displayOrder[displayRow] == record) {
            return displayRow;
        }
    }
    return -1;
}

void CSheetPagePrinter::PrintPage(Canvas& canvas, const PrintArea& area, int pageNumber) const
{
    const std::vector<SheetPage>& pages = m_layout.Pages();
    if (pageNumber < 1 || pageNumber > static_cast<int>(pages.size())) {
        return;
    }
    const SheetPage& page = pages[pageNumber - 1];
    const int displayRow = DisplayRowOf(page.record);
    if (displayRow < 0 || !m_doc.GetRow(page.record).inUse) {
        return;
    }
    IListHost& host = m_doc.Host();
    canvas.SetBkMode(TRANSPARENT);
    canvas.SetTextColor(RGB(0, 0, 0));
    const int pageCount = static_cast<int>(pages.size());
    CPrintGuard::Run(host, __LINE__, [&] { m_bands.Draw(canvas, area, pageNumber, pageCount); });
    if (page.BlocksHeight() > 0) {
        CPrintGuard::Run(host, __LINE__, [&] { DrawValues(canvas, area, page, displayRow); });
        CPrintGuard::Run(host, __LINE__, [&] { DrawRules(canvas, area, page); });
        CPrintGuard::Run(host, __LINE__, [&] { DrawLabels(canvas, area, page); });
    }
    CPrintGuard::Run(host, __LINE__, [&] { DrawPhotos(canvas, page); });
}

void CSheetPagePrinter::DrawValues(Canvas& canvas, const PrintArea& area, const SheetPage& page,
                                   int displayRow) const
{
    const int label = m_layout.LabelWidth();
    const int line = m_layout.FontHeight();
    const int t = m_bands.HeaderHeight();
    const ProductRecord& row = m_doc.GetRow(page.record);
    canvas.SelectFont(m_layout.Font());
    canvas.SelectPen({PS_NULL, 0, RGB(0, 0, 0)});
    int y = 0;
    for (int column = 0; column < static_cast<int>(page.blockHeights.size()); ++column) {
        const int block = page.blockHeights[column];
        if (block <= 0) {
            continue;
        }
        const CellRecord& cell = row.GetCell(m_doc.GetColumn(column).slot);
        if (cell.backColor != kDefaultColor) {
            canvas.FillRect(CRect(label, y - t, area.printableWidth, y - block - t), cell.backColor);
        }
        canvas.SetTextColor(cell.textColor != kDefaultColor ? cell.textColor : RGB(0, 0, 0));
        const CStringArrayEx lines = m_layout.WrapValue(canvas, area, column, displayRow);
        int top = y - t - 25;
        for (int i = 0; i < lines.GetSize(); ++i) {
            CRect box(label + 50, top, area.printableWidth - 50, top - line);
            canvas.DrawText(lines[i], box, DT_LEFT | DT_SINGLELINE | DT_NOPREFIX | DT_NOCLIP);
            top -= line;
        }
        y -= block;
    }
}

void CSheetPagePrinter::DrawRules(Canvas& canvas, const PrintArea& area, const SheetPage& page) const
{
    const int t = m_bands.HeaderHeight();
    const int bottom = -t - page.BlocksHeight();
    canvas.SelectPen(CPrintPens::Solid(canvas, 150, 2));
    canvas.SelectBrush(Canvas::Brush::Null());
    canvas.Rectangle(0, -t, area.printableWidth, bottom);
    canvas.SelectPen(CPrintPens::Solid(canvas, 50, 2));
    canvas.MoveTo(m_layout.LabelWidth(), -t);
    canvas.LineTo(m_layout.LabelWidth(), bottom);
}

void CSheetPagePrinter::DrawLabels(Canvas& canvas, const PrintArea& area, const SheetPage& page) const
{
    const int nameWidth = m_layout.NameWidth();
    const int labelWidth = m_layout.LabelWidth();
    const int right = area.printableWidth - 1;
    canvas.SelectFont(m_layout.Font());
    canvas.SetTextColor(RGB(0, 0, 0));
    std::vector<int> columns;
    for (int column = 0; column < static_cast<int>(page.blockHeights.size()); ++column) {
        if (page.blockHeights[column] > 0) {
            columns.push_back(column);
        }
    }
    int top = -m_bands.HeaderHeight();
    int groupTop = top;
    int groupBlocks = 0;
    for (size_t i = 0; i < columns.size(); ++i) {
        const ColumnRecord& record = m_doc.GetColumn(columns[i]);
        const int bottom = top - page.blockHeights[columns[i]];
        if (groupBlocks == 0) {
            groupTop = top;
        }
        ++groupBlocks;
        if (area.subNames && !record.subName.IsEmpty()) {
            CRect box(nameWidth, top, labelWidth, bottom);
            canvas.DrawText(record.subName, box, kCentred);
        }
        const bool last = i + 1 == columns.size();
        if (!last && m_doc.GetColumn(columns[i + 1]).name == record.name) {
            canvas.MoveTo(nameWidth, bottom);
            canvas.LineTo(right, bottom);
            top = bottom;
            continue;
        }
        if (area.subNames && groupBlocks == 1 && record.subName.IsEmpty()) {
            CRect box(0, groupTop, labelWidth, bottom);
            canvas.DrawText(record.name, box, kCentred);
        } else {
            CRect box(0, groupTop, nameWidth, bottom);
            canvas.DrawText(record.name, box, kCentred);
            if (area.subNames) {
                canvas.MoveTo(nameWidth, groupTop);
                canvas.LineTo(nameWidth, bottom);
            }
        }
        if (!last) {
            canvas.MoveTo(0, bottom);
            canvas.LineTo(right, bottom);
        }
        groupBlocks = 0;
        top = bottom;
    }
}

void CSheetPagePrinter::DrawPhotos(Canvas& canvas, const SheetPage& page) const
{
    const Canvas::Pen thin = CPrintPens::Thin(canvas, 50);
    Canvas::Pen red = CPrintPens::Solid(canvas, 500, 1);
    red.color = RGB(255, 0, 0);
    const int caption = m_layout.CaptionHeight();
    canvas.SetStretchBltMode(HALFTONE);
    canvas.SelectBrush(Canvas::Brush::Null());
    for (const SheetPage::Photo& photo : page.photos) {
        const CRect& rect = photo.rect;
        canvas.SelectFont(m_layout.CaptionFont());
        canvas.SetTextColor(RGB(0, 0, 0));
        CRect box(rect.left, rect.bottom - 1, rect.right, rect.bottom - caption - 1);
        canvas.DrawText(m_doc.GetPhoto(photo.slot).name, box, DT_CENTER | DT_NOPREFIX);
        if (DrawPhoto(canvas, photo.slot, rect)) {
            continue;
        }
        // A photo that cannot be read prints as a crossed-out frame.
        canvas.SelectPen(thin);
        canvas.Rectangle(rect);
        const CPoint centre((rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2);
        canvas.SelectPen(red);
        canvas.MoveTo(centre.x - 30, centre.y - 30);
        canvas.LineTo(centre.x + 30, centre.y + 30);
        canvas.MoveTo(centre.x - 30, centre.y + 30);
        canvas.LineTo(centre.x + 30, centre.y - 30);
    }
}

bool CSheetPagePrinter::DrawPhoto(Canvas& canvas, int slot, const CRect& rect) const
{
    // The rectangle's right and bottom edges are inside it.
    const CRect target(rect.left, rect.top, rect.right + 1, rect.bottom - 1);
    CBitmapEx image;
    if (m_settings.highQuality && image.LoadJpeg(m_doc.GetOriginalPhotoPath(slot))) {
        // The original at full resolution with the photo's drawing applied, as its standard image
        // was rendered.
        CRect frame(0, 0, image.Width(), image.Height());
        CDrawingData drawing;
        CListDrawingHost host(m_doc.Host());
        CString error;
        if (drawing.Read(m_doc.GetDrawingPath(slot), host) &&
            !CPhotoRenderer::ApplyDrawing(image, drawing, frame, error)) {
            m_doc.Host().ReportError(error.GetString(), "GridView", __LINE__);
            return false;
        }
        canvas.StretchBitmap(image, target, frame);
        return true;
    }
    if (!image.LoadJpeg(m_doc.GetMiddlePhotoPath(slot))) {
        return false;
    }
    canvas.StretchBitmap(image, target, CRect(0, 0, image.Width(), image.Height()));
    return true;
}
