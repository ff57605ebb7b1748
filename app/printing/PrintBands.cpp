#include "app/printing/PrintBands.h"

#include "list/HeaderFooterSettings.h"
#include "list/ZantobyDoc.h"
#include "platform/canvas/Canvas.h"

CPrintBands::CPrintBands(const CZantobyDoc& doc, const HeaderFooterSettings& header,
                         const HeaderFooterSettings& footer, int headerHeight, int footerHeight)
    : m_doc(doc), m_header(header), m_footer(footer), m_headerHeight(headerHeight),
      m_footerHeight(footerHeight)
{
}

int CPrintBands::HeaderHeight() const
{
    return m_header.shown ? m_headerHeight : 0;
}

int CPrintBands::FooterHeight() const
{
    return m_footer.shown ? m_footerHeight : 0;
}

CString CPrintBands::HeaderText(int page, int pageCount) const
{
    return m_doc.ExpandHeaderFooter(m_header.text, page, pageCount);
}

CString CPrintBands::FooterText(int page, int pageCount) const
{
    return m_doc.ExpandHeaderFooter(m_footer.text, page, pageCount);
}

void CPrintBands::Draw(Canvas& canvas, const PrintArea& area, int page, int pageCount) const
{
    if (m_header.shown) {
        DrawBand(canvas, m_header, CRect(0, 0, area.printableWidth, -m_headerHeight),
                 HeaderText(page, pageCount));
    }
    if (m_footer.shown) {
        DrawBand(canvas, m_footer,
                 CRect(0, m_footerHeight - area.printableHeight, area.printableWidth, -area.printableHeight),
                 FooterText(page, pageCount));
    }
}

void CPrintBands::DrawBand(Canvas& canvas, const HeaderFooterSettings& band, CRect box,
                           const CString& text) const
{
    LogFont font;
    font.faceName = band.fontName;
    font.height = MulDiv(band.fontSize, 254, 720);
    font.weight = FW_NORMAL;
    canvas.SelectFont(font);
    canvas.SetBkMode(TRANSPARENT);
    canvas.SetTextColor(RGB(0, 0, 0));
    const unsigned align = band.align == 1 ? DT_CENTER : band.align == 2 ? DT_RIGHT : DT_LEFT;
    canvas.DrawText(text, box, DT_SINGLELINE | DT_NOPREFIX | align);
}
