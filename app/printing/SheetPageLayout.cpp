#include "app/printing/SheetPageLayout.h"

#include "app/printing/PrintPhotoSize.h"
#include "app/printing/PrintRows.h"
#include "list/ZantobyDoc.h"
#include "platform/canvas/Canvas.h"

#include <algorithm>

bool CSheetPageLayout::IsOnSheet(int column) const
{
    return m_settings.ColumnEntryOf(m_doc.GetColumn(column).slot, PrintSettings::kOnSheet) != 0;
}

LogFont CSheetPageLayout::Font() const
{
    // A point size: the height is the characters' own, without the line's leading.
    LogFont font;
    font.faceName = m_settings.sheetFont;
    font.height = -MulDiv(m_settings.sheetFontSize, 254, 720);
    return font;
}

LogFont CSheetPageLayout::CaptionFont() const
{
    LogFont font;
    font.faceName = m_settings.captionFont;
    font.height = m_captionHeight;
    font.weight = FW_NORMAL;
    return font;
}

CStringArrayEx CSheetPageLayout::WrapValue(Canvas& canvas, const PrintArea& area, int column,
                                           int displayRow) const
{
    CStringArrayEx lines;
    lines.WrapText(canvas, m_doc.GetCellTextAt(column, displayRow, kOutputPrint).GetString(),
                   area.printableWidth - LabelWidth() - 100);
    return lines;
}

void CSheetPageLayout::Prepare(Canvas& canvas, const PrintArea& area, const std::vector<int>& displayRows)
{
    m_pages.clear();
    m_fontHeight = MulDiv(m_settings.sheetFontSize, 254, 720);
    m_captionHeight = MulDiv(m_settings.captionFontSize, 254, 720);
    const int saved = canvas.SaveDC();
    canvas.SelectFont(Font());
    MeasureLabels(canvas);
    m_areaTop = m_settings.pageHeader.shown ? -m_settings.margins[PrintSettings::kHeaderHeight] : 0;
    m_areaBottom = 1 - area.printableHeight;
    if (m_settings.pageFooter.shown) {
        m_areaBottom += m_settings.margins[PrintSettings::kFooterHeight];
    }
    for (int displayRow : displayRows) {
        LayoutRow(canvas, area, displayRow);
    }
    canvas.RestoreDC(saved);
}

void CSheetPageLayout::MeasureLabels(Canvas& canvas)
{
    int widestName = 0;
    int widestSubName = 0;
    for (int column = 0; column < std::clamp(m_doc.columnCount, 0, kMaxColumns); ++column) {
        if (IsOnSheet(column)) {
            const ColumnRecord& record = m_doc.GetColumn(column);
            widestName = std::max(widestName, canvas.GetTextExtent(record.name).cx);
            widestSubName = std::max(widestSubName, canvas.GetTextExtent(record.subName).cx);
        }
    }
    m_nameWidth = widestName + 100;
    m_subNameWidth = widestSubName + 100;
}

SheetPage& CSheetPageLayout::StartPage(int record)
{
    SheetPage& page = m_pages.emplace_back();
    page.record = record;
    page.blockHeights.assign(std::clamp(m_doc.columnCount, 0, kMaxColumns), 0);
    return page;
}

void CSheetPageLayout::LayoutRow(Canvas& canvas, const PrintArea& area, int displayRow)
{
    const int record = CPrintRows::RecordOf(m_doc, displayRow);
    if (record < 0) {
        return;
    }
    SheetPage* page = &StartPage(record);
    int y = 0;
    for (int column = 0; column < static_cast<int>(page->blockHeights.size()); ++column) {
        if (!IsOnSheet(column)) {
            continue;
        }
        const int lines =
            std::max(1, static_cast<int>(WrapValue(canvas, area, column, displayRow).GetSize()));
        const int block = m_fontHeight * lines + 50;
        // A block that does not fit goes on to a new page of the same row, unless it is the
        // page's first, which would only leave an empty page behind.
        if (page->BlocksHeight() > 0 && y - block < m_areaBottom - m_areaTop) {
            page = &StartPage(record);
            y = 0;
        }
        page->blockHeights[column] = block;
        y -= block;
    }
    LayoutPhotos(area, record);
}

void CSheetPageLayout::LayoutPhotos(const PrintArea& area, int record)
{
    const ProductRecord& row = m_doc.GetRow(record);
    const int right = area.printableWidth - 1;
    int f = m_areaTop - m_pages.back().BlocksHeight() - 50;
    int x = 0;
    int tallest = 0;
    for (int position = 0; position < std::min(row.photoCount, kMaxPhotosPerRow); ++position) {
        const int slot = row.photos[position];
        CSize printed;
        if (!CPrintPhotoSize::OfSlot(m_doc, slot, m_settings.sheetPhotoSize, printed)) {
            continue;
        }
        if (x > 0 && x + printed.cx > right) {
            f -= m_captionHeight + tallest + 50;
            x = 0;
            tallest = 0;
        }
        if (f - m_captionHeight - printed.cy - 50 < m_areaBottom && !m_pages.back().IsEmpty()) {
            StartPage(record);
            f = m_areaTop;
            x = 0;
            tallest = 0;
        }
        m_pages.back().photos.push_back({slot, CRect(x, f, x + printed.cx - 1, f - printed.cy + 1)});
        x += printed.cx + 50;
        tallest = std::max(tallest, printed.cy);
    }
}
