#pragma once

#include "app/printing/PrintArea.h"
#include "platform/CString.h"

class Canvas;
class CZantobyDoc;
struct HeaderFooterSettings;

// The header and footer bands of one print form: their heights and, for each page, their texts
// with the date, the list's title and the page numbers filled in.
class CPrintBands
{
  public:
    CPrintBands(const CZantobyDoc& doc, const HeaderFooterSettings& header,
                const HeaderFooterSettings& footer, int headerHeight, int footerHeight);

    // 0 for a band that is not printed.
    int HeaderHeight() const;
    int FooterHeight() const;
    CString HeaderText(int page, int pageCount) const;
    CString FooterText(int page, int pageCount) const;

    // Draws the bands of a page at the top and bottom of the area, relative to its origin.
    void Draw(Canvas& canvas, const PrintArea& area, int page, int pageCount) const;

  private:
    void DrawBand(Canvas& canvas, const HeaderFooterSettings& band, CRect box, const CString& text) const;

    const CZantobyDoc& m_doc;
    const HeaderFooterSettings& m_header;
    const HeaderFooterSettings& m_footer;
    int m_headerHeight;
    int m_footerHeight;
};
