#pragma once

#include "app/printing/ListPageLayout.h"
#include "app/printing/ListPagePrinter.h"
#include "app/printing/PrintArea.h"
#include "app/printing/SheetPageLayout.h"
#include "app/printing/SheetPagePrinter.h"
#include "platform/Geometry.h"

#include <vector>

class Canvas;
class CZantobyDoc;

// One print job of a list, on paper, in a preview or in a file: the printable area of the page,
// the list pages or single sheets laid out on it, and the drawing of each page.
class CPrintJob
{
  public:
    enum class Form
    {
        List,
        Sheets
    };

    // The sheet of paper as the device reports it; the canvas draws from its corner.
    struct Paper
    {
        int width = 0; // 0.1 mm, as the sheet lies
        int height = 0;
    };

    CPrintJob(CZantobyDoc& doc, Form form);

    Form GetForm() const { return m_form; }
    // Single sheets of these display rows only, printed in ascending order once each; all rows
    // when none are given.
    void SetSheetRows(std::vector<int> displayRows);
    // False, after message 20300, when not one row would print.
    bool CheckRowsToPrint() const;

    // Lays the pages out on the paper, measuring text on the canvas at its resolution; returns
    // the number of pages. The print state lasts until the next Begin.
    int Begin(Canvas& canvas, const Paper& paper);
    // Whether the pages are laid out for this paper at this resolution already.
    bool IsLaidOutFor(const Paper& paper, double resolution) const;
    int GetPageCount() const;
    // Draws a page from 1.
    void PrintPage(Canvas& canvas, int page) const;

    const PrintArea& Area() const { return m_area; }
    const CListPageLayout& ListLayout() const { return m_listLayout; }
    const CSheetPageLayout& SheetLayout() const { return m_sheetLayout; }
    const CPrintBands& Bands() const;

  private:
    bool HasSubNames() const;
    std::vector<int> SheetRows() const;

    CZantobyDoc& m_doc;
    Form m_form;
    std::vector<int> m_sheetRows;
    PrintArea m_area;
    bool m_laidOut = false;
    Paper m_laidOutPaper;
    double m_laidOutResolution = 0;
    CListPageLayout m_listLayout;
    CListPagePrinter m_listPrinter;
    CSheetPageLayout m_sheetLayout;
    CSheetPagePrinter m_sheetPrinter;
};
