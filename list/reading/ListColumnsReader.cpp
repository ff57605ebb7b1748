#include "list/reading/ListColumnsReader.h"

#include "list/ListFileFormat.h"
#include "list/ZantobyDoc.h"
#include "list/reading/ListFileLine.h"

#include <algorithm>

void CListColumnsReader::ReadInformation()
{
    static const char* const patterns[] = {"title*", "sample*"};
    switch (m_line.MatchKey(patterns)) {
    case 0:
        m_doc.title = m_line.Text(0);
        break;
    case 1:
        m_doc.sample = m_line.Bool(0);
        break;
    default:
        break;
    }
}

void CListColumnsReader::ReadColumns()
{
    static const char* const patterns[] = {"locks*", "c#*", "m#*"};
    int match = m_line.MatchKey(patterns);
    if (match == 0) {
        m_doc.lockedColumns = m_line.Int(0);
        return;
    }
    int index = m_line.KeyNumber(1);
    if (match < 0 || index < 0 || index >= kMaxColumns) {
        return;
    }
    if (match == 1) {
        ReadColumnLine(index);
        return;
    }
    ColumnRecord& column = m_doc.GetColumn(index);
    if (column.dropType != 2) {
        return;
    }
    for (int i = 0; i < m_line.FieldCount(); ++i) {
        column.dropEntries.Add(m_line.Text(i));
    }
}

void CListColumnsReader::ReadColumnLine(int index)
{
    ColumnRecord& column = m_doc.GetColumn(index);
    column.slot = m_line.Int(1);
    // Where the type's own fields start, by layout.
    int first;
    if (m_line.version >= CListFileFormat::kVersionSubNames) {
        first = 10;
    } else if (m_line.version >= CListFileFormat::kVersionRequiredFlag) {
        first = 9;
    } else if (m_line.version >= CListFileFormat::kVersionRemarks) {
        first = 8;
    } else {
        first = 6;
    }
    if (m_line.FieldCount() < 3) {
        column.name = ColumnRecord::DefaultName(index);
        column.align = 0;
        column.width = 0;
        column.dropType = 0;
    } else {
        int next = 2;
        column.name = m_line.Text(next++);
        if (m_line.version >= CListFileFormat::kVersionSubNames) {
            column.subName = m_line.Text(next++);
        }
        if (m_line.version >= CListFileFormat::kVersionRemarks) {
            column.remark = m_line.Text(next++);
            column.unique = m_line.Bool(next++);
            if (m_line.version >= CListFileFormat::kVersionRequiredFlag) {
                column.required = m_line.Bool(next++);
            }
        }
        column.align = CListFileFormat::ParseAlignment(m_line.FieldView(next++));
        column.width = m_line.Int(next++);
        column.dropType = CListFileFormat::ParseDropKind(m_line.FieldView(next++));
    }
    int type = CTextHelper::FindInList(m_line.FieldView(0), CListFileFormat::kTypeWords, 6);
    if (type == kTypeYesNo && m_line.version < CListFileFormat::kVersionRemarks) {
        type = -1; // the oldest layout has no Yes/No columns
    }
    column.type = type < 0 ? kTypeNone : type;
    if (column.type == kTypeNone) {
        // A column given again as unused no longer counts: the list ends at its last column
        // in use, as it will when the list is read again.
        while (m_doc.columnCount > 0 && m_doc.GetColumn(m_doc.columnCount - 1).type == kTypeNone) {
            --m_doc.columnCount;
        }
        return;
    }
    ReadColumnTypeFields(column, first);
    if (index >= m_doc.columnCount) {
        m_doc.columnCount = index + 1;
    }
}

void CListColumnsReader::ReadColumnTypeFields(ColumnRecord& column, int first)
{
    bool current = m_line.version >= CListFileFormat::kVersionRequiredFlag;
    int next = first;
    switch (column.type) {
    case kTypeYesNo:
        column.yesHtml = m_line.Text(next++);
        column.noHtml = m_line.Text(next++);
        column.yesPrint = m_line.Text(next++);
        column.noPrint = m_line.Text(next++);
        break;
    case kTypeText:
        if (current) {
            column.multiLine = m_line.Bool(next++);
        }
        CListFileFormat::ParseImeMode(m_line.FieldView(next++), column.inputMode);
        break;
    case kTypeNumber:
        column.showZero = m_line.Bool(next++);
        column.thousands = m_line.Bool(next++);
        column.decimals = std::clamp(m_line.Int(next++), 0, 4);
        column.hasMax = m_line.Bool(next++);
        column.maxValue = CListFileLine::ParseNumber(m_line.FieldView(next++));
        column.hasMin = m_line.Bool(next++);
        column.minValue = CListFileLine::ParseNumber(m_line.FieldView(next++));
        if (current) {
            column.serialStep = CListFileLine::ParseNumber(m_line.FieldView(next++));
            column.nextSerial = CListFileLine::ParseNumber(m_line.FieldView(next++));
        }
        break;
    case kTypeDate:
        column.dateKind = CListFileFormat::ParseDateKind(m_line.FieldView(next++));
        column.datePattern = m_line.Text(next++);
        if (m_line.version >= CListFileFormat::kVersionThreeDateTexts) {
            column.dateHtmlPattern = m_line.Text(next++);
            column.datePrintPattern = m_line.Text(next++);
        }
        column.hasMaxDate = m_line.Bool(next++);
        column.maxDate = CListFileLine::ParseDate(m_line.FieldView(next++));
        column.hasMinDate = m_line.Bool(next++);
        column.minDate = CListFileLine::ParseDate(m_line.FieldView(next++));
        break;
    default:
        break;
    }
}
