#pragma once

#include "app/printing/ListPageLayout.h"
#include "app/printing/PrintBands.h"

class Canvas;
class CZantobyDoc;
struct PrintSettings;

// Draws list pages: the header and footer, the ruled table of the page's rows with their cells,
// photos and column headings.
class CListPagePrinter
{
  public:
    CListPagePrinter(const CZantobyDoc& doc, const PrintSettings& settings, const CListPageLayout& layout);

    const CPrintBands& Bands() const { return m_bands; }
    // Top of the table, below the header band.
    int TableTop() const { return -m_bands.HeaderHeight(); }

    // Draws a page from 1 relative to the area's origin; nothing for a page out of range.
    void PrintPage(Canvas& canvas, const PrintArea& area, int page) const;

  private:
    struct PageRows
    {
        int first;
        int count;
        int top;    // the first row's top
        int bottom; // the table's bottom
        int right;  // nothing of a column that starts here or further right shows on the paper
    };

    void DrawCells(Canvas& canvas, const PageRows& rows) const;
    void DrawPhotos(Canvas& canvas, const PageRows& rows) const;
    void DrawRules(Canvas& canvas, const PageRows& rows) const;
    void DrawHeadings(Canvas& canvas, const PageRows& rows) const;
    // The next printed column after column, -1 when none follows.
    int NextPrintedColumn(int column) const;

    const CZantobyDoc& m_doc;
    const PrintSettings& m_settings;
    const CListPageLayout& m_layout;
    CPrintBands m_bands;
};
