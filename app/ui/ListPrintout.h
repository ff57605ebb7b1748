#pragma once

#include "app/PrintJob.h"

#include <wx/print.h>

#include <vector>

class CZantobyDoc;

// Hands the pages of a list's print job to the framework's printing and preview: each page is
// drawn through a canvas over the device's cairo context at the device's resolution.
class CListPrintout : public wxPrintout
{
  public:
    // Single sheets print the display rows given, or every row when none are.
    CListPrintout(CZantobyDoc& doc, CPrintJob::Form form, const std::vector<int>& sheetRows);

    void OnPreparePrinting() override;
    bool HasPage(int page) override;
    void GetPageInfo(int* minPage, int* maxPage, int* pageFrom, int* pageTo) override;
    bool OnPrintPage(int page) override;

    const CPrintJob& Job() const { return m_job; }

  private:
    // The device context's cairo context, its resolution and the paper; false without a context.
    bool GetDevice(cairo_t*& context, double& dotsPerInch, CPrintJob::Paper& paper) const;

    CPrintJob m_job;
    int m_pages = 0;
};
