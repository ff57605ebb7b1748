#pragma once

#include "app/printing/PrintJob.h"

#include <wx/print.h>

#include <functional>
#include <memory>
#include <vector>

class CZantobyDoc;
typedef struct _cairo cairo_t;

// Hands the pages of a list's print job to the framework's printing and preview: each page is
// drawn through a canvas over the device's cairo context at the device's resolution.
class CListPrintout : public wxPrintout
{
  public:
    // Single sheets print the display rows given, or every row when none are.
    CListPrintout(CZantobyDoc& doc, CPrintJob::Form form, const std::vector<int>& sheetRows);
    // A printout of a job that another printout shares, such as the preview's and its print's:
    // pages laid out by one serve the other on the same paper at the same resolution.
    CListPrintout(CZantobyDoc& doc, std::shared_ptr<CPrintJob> job);

    void OnPreparePrinting() override;
    bool HasPage(int page) override;
    void GetPageInfo(int* minPage, int* maxPage, int* pageFrom, int* pageTo) override;
    bool OnPrintPage(int page) override;

    const CPrintJob& Job() const { return *m_job; }

  private:
    // Runs draw on a canvas for the device, and shows what it drew unless asked not to; false
    // without a device. A preview's picture is drawn into a recording first: as on paper, its
    // text keeps the exact widths of its outlines instead of whole screen pixels, so that it
    // measures and wraps in the preview as it prints.
    bool DrawOnDevice(const std::function<void(Canvas&, const CPrintJob::Paper&)>& draw, bool show);
    // The top left corner, as the page is read, of a sheet width x height in the context's units.
    static void SheetCorner(cairo_t* context, double width, double height, double& x, double& y);

    std::shared_ptr<CPrintJob> m_job;
    int m_pages = 0;
};
