#pragma once

#include "platform/CString.h"
#include "platform/Geometry.h"

typedef struct _cairo cairo_t;
typedef struct _cairo_surface cairo_surface_t;

// A PDF file of printed pages. Its context works in device units of 1/600 inch, so that a Canvas
// over it (SetResolution(kDotsPerInch)) prints as on a 600 dpi printer.
class PdfDocument
{
  public:
    static constexpr int kDotsPerInch = 600;

    PdfDocument() = default;
    ~PdfDocument();
    PdfDocument(const PdfDocument&) = delete;
    PdfDocument& operator=(const PdfDocument&) = delete;

    // Starts the file (CP932 path) with pages of the given size in 0.1 mm; false when the file
    // cannot be made.
    bool Create(const CString& path, int widthTenthMm, int heightTenthMm);
    // The current page's context; null before Create.
    cairo_t* Context() const { return m_cr; }
    // The page size in device units.
    CSize PageSize() const { return m_pageSize; }
    // Ends the current page and starts the next.
    void NextPage();
    // Ends the last page and writes the file; false when anything failed.
    bool Close();

  private:
    cairo_surface_t* m_surface = nullptr;
    cairo_t* m_cr = nullptr;
    CSize m_pageSize;
};
