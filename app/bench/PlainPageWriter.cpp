#include "app/bench/PlainPageWriter.h"

#include "list/ZantobyDoc.h"
#include "platform/Cp932.h"
#include "platform/canvas/FontMapper.h"

#include <algorithm>

#include <cairo-pdf.h>
#include <pango/pangocairo.h>

namespace {

constexpr double kPageWidth = 595.0; // A4 in points
constexpr double kPageHeight = 842.0;
constexpr double kMargin = 36.0;

void ShowCell(cairo_t* cr, PangoLayout* layout, const std::string& text, double x, double y, double width,
              double height)
{
    cairo_save(cr);
    cairo_rectangle(cr, x, y, width, height);
    cairo_clip(cr);
    pango_layout_set_text(layout, text.data(), static_cast<int>(text.size()));
    cairo_move_to(cr, x + 2, y + 2);
    pango_cairo_show_layout(cr, layout);
    cairo_restore(cr);
}

} // namespace

int CPlainPageWriter::Write(const CZantobyDoc& doc, const std::string& path, int columns, int rowsPerPage)
{
    cairo_surface_t* surface = cairo_pdf_surface_create(path.c_str(), kPageWidth, kPageHeight);
    cairo_t* cr = cairo_create(surface);
    PangoLayout* layout = pango_cairo_create_layout(cr);
    PangoFontDescription* font = pango_font_description_from_string(FontMapper::FamilyFor(doc.print.listFont).c_str());
    pango_font_description_set_size(font, doc.print.listFontSize * PANGO_SCALE / 10);
    pango_layout_set_font_description(layout, font);
    const double cellWidth = (kPageWidth - 2 * kMargin) / columns;
    const double rowHeight = (kPageHeight - 2 * kMargin) / (rowsPerPage + 1);
    const int rows = doc.displayCount;
    int pages = 0;
    for (int first = 0; first < rows; first += rowsPerPage, ++pages) {
        const int count = std::min(rowsPerPage, rows - first);
        cairo_set_source_rgb(cr, 0, 0, 0);
        for (int column = 0; column < columns; ++column) {
            const double x = kMargin + column * cellWidth;
            ShowCell(cr, layout, Cp932::ToUtf8(doc.GetColumn(column).name.view()), x, kMargin, cellWidth, rowHeight);
            for (int i = 0; i < count; ++i) {
                ShowCell(cr, layout, Cp932::ToUtf8(doc.GetCellTextAt(column, first + i, kOutputPrint).view()), x,
                         kMargin + (i + 1) * rowHeight, cellWidth, rowHeight);
            }
        }
        cairo_set_line_width(cr, 0.5);
        for (int line = 0; line <= count + 1; ++line) {
            cairo_move_to(cr, kMargin, kMargin + line * rowHeight);
            cairo_line_to(cr, kPageWidth - kMargin, kMargin + line * rowHeight);
        }
        for (int column = 0; column <= columns; ++column) {
            cairo_move_to(cr, kMargin + column * cellWidth, kMargin);
            cairo_line_to(cr, kMargin + column * cellWidth, kMargin + (count + 1) * rowHeight);
        }
        cairo_stroke(cr);
        cairo_show_page(cr);
    }
    pango_font_description_free(font);
    g_object_unref(layout);
    cairo_destroy(cr);
    cairo_surface_finish(surface);
    const bool written = cairo_surface_status(surface) == CAIRO_STATUS_SUCCESS;
    cairo_surface_destroy(surface);
    return written ? pages : 0;
}
