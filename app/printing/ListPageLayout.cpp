#include "app/printing/ListPageLayout.h"

#include "app/printing/PrintPhotoSize.h"
#include "app/printing/PrintRows.h"
#include "app/printing/PrintTextHeightCache.h"
#include "app/printing/PrintTextHeights.h"
#include "list/ZantobyDoc.h"
#include "platform/WorkerPool.h"
#include "platform/canvas/Canvas.h"

#include <cairo.h>

#include <algorithm>
#include <atomic>
#include <climits>
#include <condition_variable>
#include <mutex>
#include <numeric>
#include <vector>

namespace {

// Tenths of a point in 0.1 mm.
int PointsToTenthMm(int tenthPoints)
{
    return MulDiv(tenthPoints, 254, 720);
}

} // namespace

LogFont CListPageLayout::Font() const
{
    LogFont font;
    font.faceName = m_settings.listFont;
    font.height = m_fontHeight;
    font.weight = FW_NORMAL;
    return font;
}

bool CListPageLayout::HasPhotoColumn() const
{
    return m_settings.listPhotos;
}

int CListPageLayout::ColumnLeft(int column) const
{
    return std::accumulate(m_columnWidths.begin(), m_columnWidths.begin() + column, 0);
}

int CListPageLayout::TableWidth() const
{
    return ColumnLeft(static_cast<int>(m_columnWidths.size())) + m_photoColumnWidth;
}

int CListPageLayout::FirstRowOnPage(int page) const
{
    return std::accumulate(m_rowsPerPage.begin(), m_rowsPerPage.begin() + (page - 1), 0);
}

void CListPageLayout::Prepare(Canvas& canvas, const PrintArea& area)
{
    m_subNames = area.subNames;
    m_photoSize = m_settings.listPhotoSize;
    m_fontSize = m_settings.listFontSize;
    m_photosPerLine = std::clamp(m_settings.photosPerLine, 1, kMaxPhotosPerRow);
    // A stored scale outside its range would shrink the table to nothing.
    m_scale = std::clamp(m_settings.listScale, 10, 100);
    MeasureColumns();
    MeasurePhotoColumn();
    if (m_settings.fitToWidth) {
        FitToWidth(area);
    }
    if (m_scale < 100) {
        for (int& width : m_columnWidths) {
            width = MulDiv(width, m_scale, 100);
        }
        m_photoColumnWidth = MulDiv(m_photoColumnWidth, m_scale, 100);
        m_photoSize = MulDiv(m_photoSize, m_scale, 100);
        m_fontSize = MulDiv(m_fontSize, m_scale, 100);
    }
    m_fontHeight = PointsToTenthMm(m_fontSize);
    MeasureRows(canvas);
    Paginate(area);
}

void CListPageLayout::MeasureColumns()
{
    // A character of an automatic column is half the font's height, plus a little room.
    const int character = PointsToTenthMm(m_settings.listFontSize) + 2;
    const int columns = std::clamp(m_doc.columnCount, 0, kMaxColumns);
    m_columnWidths.assign(columns, 0);
    for (int i = 0; i < columns; ++i) {
        const ColumnRecord& column = m_doc.GetColumn(i);
        const int listWidth = m_settings.ColumnEntryOf(column.slot, PrintSettings::kListWidth);
        m_columnWidths[i] = listWidth < 0 ? column.width * character / 2 + 10 : listWidth * 10;
    }
}

void CListPageLayout::MeasurePhotoColumn()
{
    m_photoColumnWidth = 0;
    if (!m_settings.listPhotos) {
        return;
    }
    int widest = 0;
    for (int displayRow = 0; displayRow < m_doc.displayCount; ++displayRow) {
        const int record = CPrintRows::RecordOf(m_doc, displayRow);
        if (record < 0) {
            continue;
        }
        const ProductRecord& row = m_doc.GetRow(record);
        int line = 0;
        for (int i = 0; i < std::min(row.photoCount, kMaxPhotosPerRow); ++i) {
            CSize printed;
            if (CPrintPhotoSize::OfSlot(m_doc, row.photos[i], m_settings.listPhotoSize, printed)) {
                line += printed.cx + 10;
                widest = std::max(widest, line);
            }
            if ((i + 1) % m_photosPerLine == 0) {
                line = 0;
            }
        }
    }
    m_photoColumnWidth = widest > 0 ? widest + 10 : 0;
}

void CListPageLayout::FitToWidth(const PrintArea& area)
{
    const int total = std::accumulate(m_columnWidths.begin(), m_columnWidths.end(), m_photoColumnWidth);
    const int width = area.printableWidth;
    if (width * 10 < total) {
        m_scale = 10;
    } else if (width < total) {
        m_scale = 100 * width / total;
    } else {
        m_scale = 100;
    }
    m_settings.listScale = m_scale;
}

void CListPageLayout::MeasureRows(Canvas& canvas)
{
    const int rows = CPrintRows::CountListRows(m_doc);
    m_rowHeights.assign(rows, 0);
    // A full list's cells take seconds to lay out one by one: blocks of rows are taken in turn by
    // the canvas and by threads of their own, one a core, each on a context of the same surface
    // with the same transformation and font options, where text measures as on the canvas.
    constexpr int kRowsPerBlock = 256;
    const int blocks = (rows + kRowsPerBlock - 1) / kRowsPerBlock;
    const int threads = std::clamp(blocks - 1, 0, WorkerPool::CoreCount() - 1);
    std::atomic<int> nextBlock = 0;
    CPrintTextHeightCache laidOut;
    const auto measureBlocks = [this, rows, blocks, &nextBlock, &laidOut](Canvas& on) {
        const int saved = on.SaveDC();
        on.SelectFont(Font());
        CPrintTextHeights heights(on, laidOut);
        for (int block = nextBlock++; block < blocks; block = nextBlock++) {
            MeasureRowRange(heights, block * kRowsPerBlock, std::min(rows, (block + 1) * kRowsPerBlock));
        }
        on.RestoreDC(saved);
    };
    if (threads == 0) {
        measureBlocks(canvas);
        return;
    }
    cairo_t* shared = canvas.Context();
    cairo_matrix_t matrix;
    cairo_get_matrix(shared, &matrix);
    cairo_font_options_t* options = cairo_font_options_create();
    cairo_get_font_options(shared, options);
    std::mutex guard;
    std::condition_variable finished;
    int running = threads;
    {
        WorkerPool pool(threads);
        for (int i = 0; i < threads; ++i) {
            cairo_t* own = cairo_create(cairo_get_target(shared));
            cairo_set_matrix(own, &matrix);
            cairo_set_font_options(own, options);
            pool.Submit([own, &canvas, &measureBlocks, &guard, &finished, &running] {
                {
                    Canvas worker(own);
                    worker.SetResolution(canvas.GetResolution());
                    worker.SetMapMode(canvas.GetMapMode());
                    measureBlocks(worker);
                }
                cairo_destroy(own);
                const std::lock_guard<std::mutex> lock(guard);
                --running;
                finished.notify_one();
            });
        }
        measureBlocks(canvas);
        std::unique_lock<std::mutex> lock(guard);
        finished.wait(lock, [&] { return running == 0; });
    }
    cairo_font_options_destroy(options);
}

void CListPageLayout::MeasureRowRange(CPrintTextHeights& heights, int first, int last)
{
    for (int displayRow = first; displayRow < last; ++displayRow) {
        const int record = CPrintRows::RecordOf(m_doc, displayRow);
        if (record < 0) {
            m_rowHeights[displayRow] = MulDiv(m_settings.listPhotoSize + 20, m_scale, 100);
            continue;
        }
        int height = MeasureTextHeight(heights, displayRow) + m_scale / 5;
        if (m_settings.listPhotos) {
            height = std::max(height, MeasurePhotoBlock(record));
        }
        m_rowHeights[displayRow] = height;
    }
}

int CListPageLayout::MeasureTextHeight(CPrintTextHeights& heights, int displayRow) const
{
    // The row is as tall as its tallest cell. Most cells' characters show that they are no taller
    // than another; only those that may be taller are laid out, the likely tallest first.
    struct Uncertain
    {
        CString text;
        int width;
        int atMost;
    };
    std::vector<Uncertain> uncertain;
    int height = m_fontHeight;
    for (int column = 0; column < static_cast<int>(m_columnWidths.size()); ++column) {
        if (m_columnWidths[column] <= 0) {
            continue;
        }
        CString text = m_doc.GetCellTextAt(column, displayRow, kOutputPrint);
        const int width = m_columnWidths[column] - 2 * (m_scale / 20);
        const CPrintTextHeights::Bounds bounds = heights.BoundsOf(text, width);
        height = std::max(height, bounds.atLeast);
        if (bounds.atMost < 0 || bounds.atMost > height) {
            uncertain.push_back({std::move(text), width, bounds.atMost < 0 ? INT_MAX : bounds.atMost});
        }
    }
    std::sort(uncertain.begin(), uncertain.end(),
              [](const Uncertain& a, const Uncertain& b) { return a.atMost > b.atMost; });
    for (const Uncertain& cell : uncertain) {
        if (cell.atMost > height) {
            height = std::max(height, heights.LaidOut(cell.text, cell.width));
        }
    }
    return height;
}

int CListPageLayout::MeasurePhotoBlock(int record) const
{
    const ProductRecord& row = m_doc.GetRow(record);
    int block = 0;
    int tallest = 0;
    bool firstLine = true;
    for (int i = 0; i < std::min(row.photoCount, kMaxPhotosPerRow); ++i) {
        CSize printed;
        if (CPrintPhotoSize::OfSlot(m_doc, row.photos[i], m_settings.listPhotoSize, printed)) {
            tallest = std::max(tallest, printed.cy);
        }
        if ((i + 1) % m_photosPerLine == 0) {
            block = firstLine ? tallest : block + 10 + tallest;
            firstLine = false;
            tallest = 0;
        }
    }
    return MulDiv(block + tallest + 20, m_scale, 100);
}

void CListPageLayout::Paginate(const PrintArea& area)
{
    m_rowsPerPage.clear();
    int available = area.printableHeight - HeadingHeight();
    if (m_settings.listHeader.shown) {
        available -= m_settings.margins[PrintSettings::kHeaderHeight];
    }
    if (m_settings.listFooter.shown) {
        available -= m_settings.margins[PrintSettings::kFooterHeight];
    }
    int height = 0;
    int count = 0;
    for (int rowHeight : m_rowHeights) {
        height += rowHeight;
        if (height < available) {
            ++count;
        } else if (count > 0) {
            m_rowsPerPage.push_back(count);
            count = 1;
            height = rowHeight;
        } else {
            // A row taller than the page gets a page of its own.
            m_rowsPerPage.push_back(1);
            height = 0;
        }
    }
    if (count > 0) {
        m_rowsPerPage.push_back(count);
    }
}
