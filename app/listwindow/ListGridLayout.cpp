#include "app/listwindow/ListGridLayout.h"

#include "list/ZantobyDoc.h"

#include <algorithm>

CListGridLayout::CListGridLayout(const CZantobyDoc& doc, int charWidth)
{
    const int dataColumns = std::clamp(doc.columnCount, 0, kMaxColumns);
    const int photoColumns = std::clamp(doc.photoColumns, 0, kMaxPhotosPerRow);
    for (int j = 0; j < dataColumns; ++j) {
        if (!doc.GetColumn(j).subName.IsEmpty()) {
            m_headingRows = 2;
        }
    }
    for (int j = 0; j < dataColumns; ++j) {
        const ColumnRecord& record = doc.GetColumn(j);
        Column column;
        column.upper = record.name;
        column.lower = record.subName;
        column.width = record.width * charWidth + kMargin;
        if (record.type == kTypeYesNo) {
            column.typeIndex = kTypeCheckBox;
            column.typeStyle = kStyleCheckBox;
        } else {
            column.align = kAlignCodes[std::clamp(record.align, 0, 2)];
            if (record.dropType != 0) {
                column.typeIndex = kTypeDropList;
                column.typeStyle = kStyleDropList;
                column.labels = DropLabels(record.dropEntries);
            }
            if (record.type == kTypeText && record.multiLine) {
                column.typeStyle |= kStyleMultiLine;
            }
        }
        m_columns.push_back(std::move(column));
    }
    if (m_headingRows == 2) {
        for (int j = 0; j < dataColumns;) {
            int last = j;
            while (last + 1 < dataColumns && doc.GetColumn(last + 1).name == doc.GetColumn(j).name) {
                ++last;
            }
            if (last > j) {
                m_joins.push_back({j, -2, last, -2});
            } else if (doc.GetColumn(j).subName.IsEmpty()) {
                m_joins.push_back({j, -2, j, -1});
            }
            j = last + 1;
        }
    }
    for (int k = 0; k < photoColumns; ++k) {
        Column column;
        column.upper = PhotoHeading(k);
        column.width = PhotoColumnWidth(doc.photoSizes.thumbnailSize);
        column.photo = true;
        column.align = 0;
        const int index = static_cast<int>(m_columns.size());
        if (m_headingRows == 2) {
            m_joins.push_back({index, -2, index, -1});
        }
        m_columns.push_back(std::move(column));
    }
}

CString CListGridLayout::PhotoHeading(int k)
{
    CString heading;
    heading.Format("写真%d", k + 1);
    return heading;
}

int CListGridLayout::PhotoColumnWidth(int thumbnailSize)
{
    return thumbnailSize * 3 / 2 + kMargin;
}

CString CListGridLayout::DropLabels(const CStringArray& entries)
{
    CString labels;
    for (int i = 0; i < entries.GetSize(); ++i) {
        labels += entries[i];
        labels += "\n";
    }
    return labels;
}
