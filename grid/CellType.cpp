#include "grid/CellType.h"

#include "grid/CellGridCore.h"
#include "grid/CellRecord.h"
#include "platform/Bitmap.h"
#include "platform/SystemColors.h"
#include "platform/canvas/Canvas.h"

#include <cairo.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>

bool CCellType::AllowsOverflow(const CCellRecord& record) const
{
    if (m_overflowAllowed != 1) {
        return false;
    }
    if (record.TestMaskBits(CellMask::Align)) {
        return (record.GetAlignFlags() & 0x1) != 0 && (record.GetTypeStyle() & kCellStyleMultiLine) == 0;
    }
    return record.GetTypeStyle() == 0 && !record.TestMaskBits(CellMask::Join);
}

void CCellType::GetBestSize(const TextMeasurer& dc, CSize& size, const CCellRecord& record)
{
    int bitmapPart = 0;
    const Bitmap* picture = record.GetPicture();
    if (picture != nullptr && picture->Width() > 0 && picture->Height() > 0) {
        bitmapPart = 7 * picture->Width() / picture->Height() + 6;
    }
    CSize text = record.GetText().IsEmpty() ? CSize(3, 3) : record.MeasureText(dc);
    size.cx = bitmapPart + text.cx + 6;
    size.cy = text.cy + 2;
}

CSize CCellType::FitBitmap(CSize bitmap, CSize room)
{
    if (bitmap.cx <= 0 || bitmap.cy <= 0 || room.cx <= 0 || room.cy <= 0) {
        return CSize(0, 0);
    }
    if (bitmap.cx <= room.cx && bitmap.cy <= room.cy) {
        return bitmap;
    }
    // Per ten thousand, as the drawing code compares the two directions.
    const std::int64_t byWidth = 10000LL * room.cx / bitmap.cx;
    const std::int64_t byHeight = 10000LL * room.cy / bitmap.cy;
    const std::int64_t scale = std::min(byWidth, byHeight);
    return CSize(static_cast<int>(std::max<std::int64_t>(1, bitmap.cx * scale / 10000)),
                 static_cast<int>(std::max<std::int64_t>(1, bitmap.cy * scale / 10000)));
}

bool CCellType::IsPrinting(const Canvas& dc)
{
    if (dc.Context() == nullptr) {
        return false;
    }
    const cairo_surface_type_t type = cairo_surface_get_type(cairo_get_target(dc.Context()));
    return type == CAIRO_SURFACE_TYPE_PDF || type == CAIRO_SURFACE_TYPE_PS;
}

bool CCellType::IsSpace(unsigned int character)
{
    constexpr unsigned int kFullWidthSpace = 0x8140;
    return character == ' ' || character == kFullWidthSpace;
}

const CString& CCellType::DisplayText(const CCellRecord& record) const
{
    if (m_drawLabel || (record.GetTypeStyle() & kCellStyleShowLabel) != 0) {
        return record.GetLabel();
    }
    return record.GetText();
}

int CCellType::ScaledMargin() const
{
    const int margin = m_grid != nullptr ? m_grid->CurrentSheet()->textMargin : 4;
    return static_cast<int>(margin * m_scale);
}

void CCellType::SelectCellFont(Canvas& dc, const CCellRecord& record) const
{
    const LogFont* font = record.GetFont();
    if (font == nullptr && m_grid != nullptr) {
        font = m_grid->CurrentSheet()->defaultFont;
    }
    if (font != nullptr) {
        dc.SelectFont(*font);
    }
}

void CCellType::GetColors(const CCellRecord& record, int selected, int current, COLORREF& text,
                          COLORREF& back) const
{
    const bool highlightCurrent = m_grid != nullptr && (m_grid->CurrentSheet()->optionBits & 0x2) != 0;
    if (selected || (current && highlightCurrent)) {
        text = record.GetSelectedForeColor();
        back = record.GetSelectedFillColor();
    } else {
        text = record.GetForeColor();
        back = record.GetFillColor();
    }
}

void CCellType::Draw(Canvas& dc, const CRect& rect, int column, int row, CCellRecord& record, int selected,
                     int current)
{
    if (IsPrinting(dc)) {
        DrawPrinted(dc, rect, column, row, record, selected, current);
        return;
    }
    if (DrawOverflowFromLeft(dc, rect, column, row, record, selected, current)) {
        return;
    }
    const CRect inner = DrawBorders(dc, rect, record);
    DrawCellText(dc, inner, 0, record, selected, current);
}

bool CCellType::DrawOverflowFromLeft(Canvas& dc, const CRect& rect, int column, int row,
                                     const CCellRecord& record, int selected, int current)
{
    if (m_grid == nullptr || column <= 0 || row < 0 || !m_grid->CurrentSheet()->textOverflow ||
        !AllowsOverflow(record) || !record.GetText().IsEmpty()) {
        return false;
    }
    const int source = m_grid->FindTextBefore(column, row);
    if (source < 0 || source >= column) {
        return false;
    }
    CCellRecord found;
    m_grid->ReadCellForDisplay(source, row, found);
    CCellType* type = m_grid->GetCellType(found.GetTypeIndex());
    if (!type->AllowsOverflow(found)) {
        return false;
    }
    const int saved = dc.SaveDC();
    type->SelectCellFont(dc, found);
    const int width = found.MeasureText(dc).cx + ScaledMargin();
    dc.RestoreDC(saved);
    if (width <= m_grid->GetColumnWidth(source)) {
        return false;
    }
    int sum = 0;
    for (int c = source; c < column; ++c) {
        sum += m_grid->GetColumnWidth(c);
        if (sum > width) {
            return false;
        }
    }
    const CRect inner = DrawBorders(dc, rect, record);
    type->DrawCellText(dc, inner, -sum, found, selected, current);
    return true;
}

CRect CCellType::DrawBorders(Canvas& dc, const CRect& rect, const CCellRecord& record) const
{
    const unsigned short style = record.GetBorderStyle();
    CRect inner = rect;
    if (rect.IsRectEmpty()) {
        return inner;
    }
    if (style & (CellBorder::Sunken | CellBorder::Raised)) {
        const int frame = m_grid != nullptr ? m_grid->CurrentSheet()->frame3dWidth : 1;
        const COLORREF shadow = GetSysColor(COLOR_BTNSHADOW);
        const COLORREF light = GetSysColor(COLOR_BTNHIGHLIGHT);
        const COLORREF first = (style & CellBorder::Sunken) ? shadow : light;
        const COLORREF second = (style & CellBorder::Sunken) ? light : shadow;
        for (int i = 0; i < frame; ++i) {
            dc.FillRect(CRect(rect.left + i, rect.top + i, rect.left + i + 1, rect.bottom - i), first);
            dc.FillRect(CRect(rect.left + i, rect.top + i, rect.right - i, rect.top + i + 1), first);
            dc.FillRect(CRect(rect.right - 1 - i, rect.top + i, rect.right - i, rect.bottom - i), second);
            dc.FillRect(CRect(rect.left + i, rect.bottom - 1 - i, rect.right - i, rect.bottom - i), second);
        }
        inner.DeflateRect(frame, frame);
        return inner;
    }

    auto sideWidth = [style](unsigned short one) {
        if (style & (one << 8)) {
            return 3;
        }
        if (style & (one << 4)) {
            return 2;
        }
        return (style & one) ? 1 : 0;
    };
    const CGridSheetInfo* sheet = m_grid != nullptr ? m_grid->CurrentSheet() : nullptr;
    const bool gridLines = sheet != nullptr && sheet->gridLines;
    const COLORREF gridColor = sheet != nullptr ? sheet->gridLineColor : RGB(192, 192, 192);
    const Canvas::Pen* pen = record.GetBorderPen();
    const COLORREF penColor = pen != nullptr ? pen->color : gridColor;
    const bool solid = pen == nullptr || pen->style == PS_SOLID;

    const int left = sideWidth(CellBorder::Left);
    const int top = sideWidth(CellBorder::Top);
    const int right = sideWidth(CellBorder::Right);
    const int bottom = sideWidth(CellBorder::Bottom);
    // A side the style names takes the cell's pen; a grid line the sheet's colour.
    auto line = [&](int x1, int y1, int x2, int y2, bool own) {
        if (!own || solid) {
            dc.FillRect(CRect(x1, y1, x2, y2), own ? penColor : gridColor);
            return;
        }
        const Canvas::Pen old = dc.SelectPen(Canvas::Pen{pen->style, 0, pen->color});
        if (x2 - x1 == 1) {
            dc.MoveTo(x1, y1);
            dc.LineTo(x1, y2);
        } else {
            dc.MoveTo(x1, y1);
            dc.LineTo(x2, y1);
        }
        dc.SelectPen(old);
    };
    for (int i = 0; i < left; ++i) {
        line(rect.left + i, rect.top, rect.left + i + 1, rect.bottom, true);
    }
    for (int i = 0; i < top; ++i) {
        line(rect.left, rect.top + i, rect.right, rect.top + i + 1, true);
    }
    const int rightLines = std::max(right, gridLines ? 1 : 0);
    for (int i = 0; i < rightLines; ++i) {
        line(rect.right - 1 - i, rect.top, rect.right - i, rect.bottom, i < right);
    }
    const int bottomLines = std::max(bottom, gridLines ? 1 : 0);
    for (int i = 0; i < bottomLines; ++i) {
        line(rect.left, rect.bottom - 1 - i, rect.right, rect.bottom - i, i < bottom);
    }
    inner = CRect(inner.left + left, inner.top + top, inner.right - rightLines, inner.bottom - bottomLines);
    return inner;
}

int CCellType::DrawCellBitmap(Canvas& dc, const CRect& inner, const CCellRecord& record, COLORREF back) const
{
    const Bitmap* picture = record.GetPicture();
    if (picture == nullptr || picture->IsEmpty()) {
        return 0;
    }
    const int gap = static_cast<int>(2 * m_scale);
    const CSize own(static_cast<int>(picture->Width() * m_scale),
                    static_cast<int>(picture->Height() * m_scale));
    const CSize size = FitBitmap(own, CSize(inner.Width() - 2 * gap, inner.Height() - 2 * gap));
    if (size.cx <= 0 || size.cy <= 0) {
        return 0;
    }
    dc.FillRect(
        CRect(inner.left, inner.top, std::min(inner.left + 2 * gap + size.cx, inner.right), inner.bottom),
        back);
    const int x = inner.left + gap;
    const int y = inner.top + (inner.Height() - size.cy) / 2;
    if (size.cx == picture->Width() && size.cy == picture->Height()) {
        dc.DrawBitmap(*picture, x, y);
    } else {
        const int mode = dc.SetStretchBltMode(HALFTONE);
        dc.StretchBitmap(*picture, CRect(x, y, x + size.cx, y + size.cy),
                         CRect(0, 0, picture->Width(), picture->Height()));
        dc.SetStretchBltMode(mode);
    }
    return 2 * gap + size.cx;
}

void CCellType::DrawCellText(Canvas& dc, CRect inner, int offset, const CCellRecord& record, int selected,
                             int current) const
{
    if (inner.IsRectEmpty()) {
        return;
    }
    COLORREF textColor, back;
    GetColors(record, selected, current, textColor, back);
    SelectCellFont(dc, record);
    inner.left += DrawCellBitmap(dc, inner, record, back);
    if (inner.IsRectEmpty()) {
        return;
    }
    const CString& text = DisplayText(record);
    const int margin = ScaledMargin();
    const std::uint32_t style = record.GetTypeStyle();
    const unsigned short align = record.GetAlignFlags();
    const bool vertical = (align & (CellAlign::Bottom | CellAlign::VCenter)) != 0;
    if (offset < 0) {
        // Overflowing text also covers the grid line it crosses.
        inner.left -= 1;
        offset += 1;
    }
    dc.SetTextColor(textColor);
    dc.SetBkColor(back);

    if ((style & (kCellStyleMultiLine | kCellStyleEllipsis)) == 0) {
        if (text.IsEmpty()) {
            dc.FillRect(inner, back);
            return;
        }
        // Shaping text is the dearest part of painting: measure only when the place needs it.
        const bool placed =
            (align & (CellAlign::Center | CellAlign::Right | CellAlign::Bottom | CellAlign::VCenter)) != 0;
        const CSize extent = placed ? dc.GetTextExtent(text) : CSize();
        int x = inner.left + margin + offset;
        if (align & CellAlign::Center) {
            x = inner.left + (inner.Width() - extent.cx) / 2;
        } else if (align & CellAlign::Right) {
            x = inner.right - margin - extent.cx;
        }
        int y = inner.top + 1 + 3;
        if (align & CellAlign::VCenter) {
            y = inner.top + (inner.Height() - extent.cy) / 2;
        } else if (align & CellAlign::Bottom) {
            y = inner.bottom - extent.cy - 1;
        }
        // The whole inner rectangle takes the back colour; the text box needs no fill of its own.
        dc.SetBkMode(TRANSPARENT);
        dc.SetTextAlign(TA_LEFT | TA_TOP);
        dc.ExtTextOut(x, y, ETO_OPAQUE | ETO_CLIPPED, &inner, text);
        return;
    }

    dc.FillRect(inner, back);
    if (text.IsEmpty()) {
        return;
    }
    dc.SetBkMode(TRANSPARENT);
    const int saved = dc.SaveDC();
    dc.IntersectClipRect(inner);
    CRect area = inner;
    unsigned format = DT_NOPREFIX;
    if (style & kCellStyleMultiLine) {
        area.top += 3;
        format |= DT_WORDBREAK;
        if (align & CellAlign::Center) {
            format |= DT_CENTER;
        } else if (align & CellAlign::Right) {
            area.right -= margin + offset;
            format |= DT_RIGHT;
        } else {
            area.left += margin + offset;
        }
    } else {
        area.left += 3;
        if (!vertical) {
            area.top += 3;
        }
        format |= DT_SINGLELINE | DT_END_ELLIPSIS;
        format |= (align & CellAlign::Center) ? DT_CENTER : ((align & CellAlign::Right) ? DT_RIGHT : DT_LEFT);
        format |=
            (align & CellAlign::VCenter) ? DT_VCENTER : ((align & CellAlign::Bottom) ? DT_BOTTOM : DT_TOP);
    }
    if (!area.IsRectEmpty()) {
        dc.DrawText(text, area, format);
    }
    dc.RestoreDC(saved);
}

void CCellType::DrawPrinted(Canvas& dc, const CRect& rect, int column, int row, CCellRecord& record,
                            int selected, int current)
{
    if (m_grid == nullptr) {
        return;
    }
    // Page units per pixel of the grid's column, so that the grid's widths can be laid on the page.
    const double unit = static_cast<double>(rect.Width()) / std::max(m_grid->GetColumnWidth(column), 1);
    auto pageWidth = [&](int c) { return static_cast<int>(m_grid->GetColumnWidth(c) * unit); };
    auto textWidth = [&](CCellType* type, const CCellRecord& cell) {
        const int saved = dc.SaveDC();
        type->SelectCellFont(dc, cell);
        const int width = cell.MeasureText(dc).cx + ScaledMargin();
        dc.RestoreDC(saved);
        return width;
    };
    const bool overflow = column >= 0 && row >= 0 && m_grid->CurrentSheet()->textOverflow;
    // A neighbour's text running into this empty cell was drawn with the neighbour.
    if (overflow && column > 0 && record.GetText().IsEmpty() && AllowsOverflow(record)) {
        const int source = m_grid->FindTextBefore(column, row);
        if (source >= 0 && source < column) {
            CCellRecord found;
            m_grid->ReadCellForDisplay(source, row, found);
            CCellType* type = m_grid->GetCellType(found.GetTypeIndex());
            if (type->AllowsOverflow(found)) {
                const int width = textWidth(type, found);
                int sum = 0;
                for (int c = source; c < column && sum <= width; ++c) {
                    sum += pageWidth(c);
                }
                if (sum <= width) {
                    return;
                }
            }
        }
    }
    CRect textRect = rect;
    if (overflow && AllowsOverflow(record) && !record.GetText().IsEmpty()) {
        const int width = textWidth(this, record);
        for (int next = column + 1; width > textRect.Width() && next < m_grid->GetColCount(); ++next) {
            if (!m_grid->GetCellText(next, row).IsEmpty()) {
                break;
            }
            textRect.right += pageWidth(next);
        }
    }
    const CRect inner = DrawBorders(dc, rect, record);
    CRect textInner = inner;
    textInner.right = std::max(inner.right, textRect.right - (rect.right - inner.right));
    DrawCellText(dc, textInner, 0, record, selected, current);
}

void CCellType::DrawScaled(Canvas& dc, const CRect& target, int column, int row, CCellRecord& record)
{
    if (m_grid == nullptr) {
        return;
    }
    int rowHeight = m_grid->CurrentSheet()->RowHeight(row);
    int first = 0, columns = 0, rows = 0;
    if (record.GetJoin(first, columns, rows) == 0 && first && rows > 0) {
        rowHeight *= rows + 1;
    }
    if (rowHeight <= 0 || target.Height() <= 0) {
        return;
    }
    const double scale = static_cast<double>(target.Height()) / rowHeight;
    const LogFont* font = record.GetFont();
    const bool hadFont = record.TestMaskBits(CellMask::Font) != 0;
    LogFont scaled = font != nullptr ? *font
                                     : (m_grid->CurrentSheet()->defaultFont != nullptr
                                            ? *m_grid->CurrentSheet()->defaultFont
                                            : LogFont{});
    scaled.height = static_cast<int>(scaled.height * scale);
    scaled.width = static_cast<int>(scaled.width * scale);
    record.SetFont(&scaled);
    const double oldScale = m_scale;
    m_scale = scale;
    Draw(dc, target, column, row, record, 0, 0);
    DrawBorders(dc, target, record);
    m_scale = oldScale;
    if (hadFont) {
        record.SetFont(font);
    } else {
        record.SetFont(nullptr);
        record.SetMaskBits(record.GetMaskBits() & ~CellMask::Font);
    }
}
