#include "list/reading/ListRowsReader.h"

#include "list/ListFileFormat.h"
#include "list/ZantobyDoc.h"
#include "list/reading/ListFileLine.h"

#include <algorithm>
#include <string_view>
#include <vector>

void CListRowsReader::BeginRows()
{
    m_doc.BuildColumnMap();
    m_typedSlots = m_doc.TypedSlots();
}

void CListRowsReader::Read()
{
    if (!CTextHelper::MatchPattern(m_line.key.view(), "r####*")) {
        return;
    }
    int row = m_line.KeyNumber(1);
    if (row >= 0 && row < kMaxRows) {
        ReadRow(row);
    }
}

void CListRowsReader::ReadRow(int row)
{
    int cellCount;
    int colourCount = 0;
    bool unescape;
    if (m_line.version >= CListFileFormat::kVersionSubNames) {
        cellCount = kMaxColumns;
        colourCount = kMaxColumns;
        unescape = true;
    } else if (m_line.version >= CListFileFormat::kVersionTwentyCells) {
        cellCount = 20;
        colourCount = m_line.version >= CListFileFormat::kVersionRowColours ? 20 : 0;
        unescape = m_line.version >= CListFileFormat::kVersionRequiredFlag;
    } else {
        cellCount = 10;
        unescape = false;
    }

    const std::vector<std::string_view>& fields = m_line.fields;
    // A row that stands twice is the later line's.
    ProductRecord& record = m_doc.GetRow(row);
    record.Reset();
    // The row's cells grow once: their values are at most its filled fields, and its texts at
    // most the bytes of those fields.
    // Each slot's value is the field of its number; the slots are in order.
    const int cells = std::min(cellCount, m_line.FieldCount());
    const auto typedEnd = std::lower_bound(m_typedSlots.begin(), m_typedSlots.end(), cells);
    int values = 0;
    size_t textBytes = 0;
    for (auto slot = m_typedSlots.begin(); slot != typedEnd; ++slot) {
        if (!fields[*slot].empty()) {
            const int type = m_doc.GetColumnOfSlot(*slot).type;
            ++values;
            textBytes += (type == kTypeText || type == kTypeMark) ? fields[*slot].size() : 0;
        }
    }
    if (values > 0) {
        record.EditCells().Reserve(values, textBytes);
    }
    for (auto typed = m_typedSlots.begin(); typed != typedEnd; ++typed) {
        const int slot = *typed;
        const ColumnRecord& column = m_doc.GetColumnOfSlot(slot);
        const std::string_view field = fields[slot];
        if (field.empty()) {
            continue;
        }
        RowCells& cells = record.EditCells();
        switch (column.type) {
        case kTypeYesNo:
            cells.SetYesNo(slot, CTextHelper::ToBool(field));
            break;
        case kTypeNumber:
            cells.SetNumber(slot, CListFileLine::ParseNumber(field).GetValue());
            break;
        case kTypeDate:
            cells.SetDate(slot, CListFileLine::ParseDate(field).GetValue());
            break;
        default: {
            if (unescape) {
                CTextHelper text(field);
                text.UnescapeBackslash();
                cells.SetText(slot, text.view());
            } else {
                cells.SetText(slot, field);
            }
            break;
        }
        }
    }
    int next = cellCount;
    for (int slot = 0; slot < colourCount; ++slot, ++next) {
        if (next >= m_line.FieldCount() || fields[next].empty()) {
            continue;
        }
        COLORREF text = kDefaultColor;
        COLORREF back = kDefaultColor;
        CListFileFormat::ParseColourField(fields[next], text, back);
        if (text != kDefaultColor || back != kDefaultColor) {
            record.EditCells().SetColors(slot, text, back);
        }
    }
    record.lastChange = CListFileLine::ParseDate(m_line.FieldView(next++));
    record.photoCount = 0;
    for (; next < m_line.FieldCount() && record.photoCount < kMaxPhotosPerRow; ++next) {
        const std::string_view field = fields[next];
        if (field.empty()) {
            continue;
        }
        const int photo = CTextHelper::ToInt(field);
        if (photo >= 0 && photo < kMaxPhotos) {
            record.photos[record.photoCount++] = photo;
        }
    }
    m_doc.photoColumns = std::min(std::max(m_doc.photoColumns, record.photoCount + 1), kMaxPhotosPerRow);
    record.inUse = true;
}
