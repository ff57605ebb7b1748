#include "platform/canvas/PdfDocument.h"

#include "platform/Cp932.h"

#include <cairo-pdf.h>
#include <cmath>

PdfDocument::~PdfDocument()
{
    Close();
}

bool PdfDocument::Create(const CString& path, int widthTenthMm, int heightTenthMm)
{
    Close();
    if (widthTenthMm <= 0 || heightTenthMm <= 0) {
        return false;
    }
    constexpr double kPointsPerTenthMm = 72.0 / 254.0;
    m_surface = cairo_pdf_surface_create(Cp932::ToUtf8(path.view()).c_str(), widthTenthMm * kPointsPerTenthMm,
                                         heightTenthMm * kPointsPerTenthMm);
    if (cairo_surface_status(m_surface) != CAIRO_STATUS_SUCCESS) {
        cairo_surface_destroy(m_surface);
        m_surface = nullptr;
        return false;
    }
    m_cr = cairo_create(m_surface);
    cairo_scale(m_cr, 72.0 / kDotsPerInch, 72.0 / kDotsPerInch);
    m_pageSize = CSize(static_cast<int>(std::lround(widthTenthMm * kDotsPerInch / 254.0)),
                       static_cast<int>(std::lround(heightTenthMm * kDotsPerInch / 254.0)));
    return true;
}

void PdfDocument::NextPage()
{
    if (m_cr != nullptr) {
        cairo_show_page(m_cr);
    }
}

bool PdfDocument::Close()
{
    if (m_surface == nullptr) {
        return false;
    }
    bool ok = cairo_status(m_cr) == CAIRO_STATUS_SUCCESS;
    cairo_destroy(m_cr);
    m_cr = nullptr;
    cairo_surface_finish(m_surface);
    ok = ok && cairo_surface_status(m_surface) == CAIRO_STATUS_SUCCESS;
    cairo_surface_destroy(m_surface);
    m_surface = nullptr;
    return ok;
}
