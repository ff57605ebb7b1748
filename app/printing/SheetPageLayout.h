#pragma once

#include "app/printing/PrintArea.h"
#include "app/printing/SheetPage.h"
#include "foundation/StringArrayEx.h"
#include "platform/canvas/LogFont.h"

#include <vector>

class Canvas;
class CZantobyDoc;
struct PrintSettings;

// Lays out single sheets: the label column's widths and, for each printed row, its pages with
// the block of every column on the sheet and the photos in lines below them.
class CSheetPageLayout
{
  public:
    CSheetPageLayout(const CZantobyDoc& doc, const PrintSettings& settings) : m_doc(doc), m_settings(settings)
    {
    }

    // Lays out the display rows in the order given; rows without a record make no page. The
    // canvas must be in MM_LOMETRIC.
    void Prepare(Canvas& canvas, const PrintArea& area, const std::vector<int>& displayRows);

    const std::vector<SheetPage>& Pages() const { return m_pages; }
    bool IsOnSheet(int column) const;
    // The label column: names, then sub-names.
    int NameWidth() const { return m_nameWidth; }
    int LabelWidth() const { return m_nameWidth + m_subNameWidth; }
    int FontHeight() const { return m_fontHeight; }
    int CaptionHeight() const { return m_captionHeight; }
    LogFont Font() const;
    LogFont CaptionFont() const;
    // The lines of a cell's value as they print beside its label, in the sheet font.
    CStringArrayEx WrapValue(Canvas& canvas, const PrintArea& area, int column, int displayRow) const;

  private:
    void MeasureLabels(Canvas& canvas);
    void LayoutRow(Canvas& canvas, const PrintArea& area, int displayRow);
    void LayoutPhotos(const PrintArea& area, int record);
    SheetPage& StartPage(int record);

    const CZantobyDoc& m_doc;
    const PrintSettings& m_settings;
    int m_fontHeight = 0;
    int m_captionHeight = 0;
    int m_nameWidth = 0;
    int m_subNameWidth = 0;
    int m_areaTop = 0;
    int m_areaBottom = 0;
    std::vector<SheetPage> m_pages;
};
