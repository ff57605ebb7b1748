#pragma once

#include "app/printing/PrintArea.h"
#include "platform/canvas/LogFont.h"

#include <vector>

class Canvas;
class CPrintTextHeights;
class CZantobyDoc;
struct PrintSettings;

// Lays out list pages: the printed columns' widths, the photo column, the scale that fits the
// table to the page, every row's height and how many rows each page takes.
class CListPageLayout
{
  public:
    // Fitting to the width stores the scale it finds back into the settings.
    CListPageLayout(const CZantobyDoc& doc, PrintSettings& settings) : m_doc(doc), m_settings(settings) {}

    // Measures the rows' texts on the canvas, which must be in MM_LOMETRIC.
    void Prepare(Canvas& canvas, const PrintArea& area);

    int Scale() const { return m_scale; }
    // The list font at the scaled size, and its height in 0.1 mm.
    LogFont Font() const;
    int FontHeight() const { return m_fontHeight; }
    // Height of a printed photo at the scale.
    int PhotoSize() const { return m_photoSize; }
    int PhotosPerLine() const { return m_photosPerLine; }
    bool HasPhotoColumn() const;
    int PhotoColumnWidth() const { return m_photoColumnWidth; }
    // Width of each column at its display position; 0 for a column that is not printed.
    const std::vector<int>& ColumnWidths() const { return m_columnWidths; }
    int ColumnLeft(int column) const;
    int TableWidth() const;
    // Some printed column has a sub-name, which takes a line of its own under the names.
    bool SubNames() const { return m_subNames; }
    // Two font heights of names, two more for sub-names.
    int HeadingHeight() const { return (m_subNames ? 4 : 2) * m_fontHeight; }

    // Rows are display rows from 0.
    int RowCount() const { return static_cast<int>(m_rowHeights.size()); }
    int RowHeight(int row) const { return m_rowHeights[row]; }
    int PageCount() const { return static_cast<int>(m_rowsPerPage.size()); }
    // Pages from 1.
    int RowsOnPage(int page) const { return m_rowsPerPage[page - 1]; }
    int FirstRowOnPage(int page) const;

  private:
    void MeasureColumns();
    void MeasurePhotoColumn();
    void FitToWidth(const PrintArea& area);
    void MeasureRows(Canvas& canvas);
    // Rows first to last (excluded), their texts measured on a canvas in MM_LOMETRIC.
    void MeasureRowRange(CPrintTextHeights& heights, int first, int last);
    int MeasureTextHeight(CPrintTextHeights& heights, int displayRow) const;
    int MeasurePhotoBlock(int record) const;
    void Paginate(const PrintArea& area);

    const CZantobyDoc& m_doc;
    PrintSettings& m_settings;
    bool m_subNames = false;
    int m_scale = 100;
    int m_fontSize = 0; // tenths of a point, scaled
    int m_fontHeight = 0;
    int m_photoSize = 0;
    int m_photosPerLine = 1;
    int m_photoColumnWidth = 0;
    std::vector<int> m_columnWidths;
    std::vector<int> m_rowHeights;
    std::vector<int> m_rowsPerPage;
};
