#pragma once

#include "app/printing/PrintBands.h"
#include "app/printing/SheetPageLayout.h"

class Canvas;
class CZantobyDoc;
struct PrintSettings;

// Draws single-sheet pages: the header and footer, the ruled blocks of labels and values, and
// the photos with their names, from the original files when the settings ask for high quality.
class CSheetPagePrinter
{
  public:
    CSheetPagePrinter(const CZantobyDoc& doc, const PrintSettings& settings, const CSheetPageLayout& layout);

    const CPrintBands& Bands() const { return m_bands; }

    // Draws a page from 1 relative to the area's origin; nothing for a page out of range.
    void PrintPage(Canvas& canvas, const PrintArea& area, int page) const;

  private:
    // The display row of a page's record, -1 once it is no longer shown.
    int DisplayRowOf(int record) const;
    void DrawValues(Canvas& canvas, const PrintArea& area, const SheetPage& page, int displayRow) const;
    void DrawRules(Canvas& canvas, const PrintArea& area, const SheetPage& page) const;
    void DrawLabels(Canvas& canvas, const PrintArea& area, const SheetPage& page) const;
    void DrawPhotos(Canvas& canvas, const SheetPage& page) const;
    // Draws the photo into its rectangle; false when no image could be read.
    bool DrawPhoto(Canvas& canvas, int slot, const CRect& rect) const;

    const CZantobyDoc& m_doc;
    const PrintSettings& m_settings;
    const CSheetPageLayout& m_layout;
    CPrintBands m_bands;
};
