#include "list/ListInfoColumns.h"

#include "foundation/TextHelper.h"
#include "list/CellCodec.h"
#include "list/ZantobyDoc.h"

#include <algorithm>
#include <cstdlib>
#include <utility>
#include <vector>

namespace {

void Join(CString& summary, const CString& part)
{
    if (part.IsEmpty()) {
        return;
    }
    if (!summary.IsEmpty()) {
        summary += ",";
    }
    summary += part;
}

CString AlignmentWord(int align)
{
    switch (align) {
    case 0:
        return "左詰";
    case 1:
        return "中央";
    case 2:
        return "右詰";
    default:
        return CString();
    }
}

CString DropWord(int dropType)
{
    switch (dropType) {
    case 1:
        return "自動ﾄﾞﾛｯﾌﾟﾘｽﾄ";
    case 2:
        return "手動ﾄﾞﾛｯﾌﾟﾘｽﾄ";
    default:
        return CString();
    }
}

CString InputModeWord(int mode)
{
    switch (mode) {
    case 1:
        return "半角入力";
    // 3 is half-width and 4 full-width katakana; the detail dialog stores 4 for "カタカナ".
    case 3:
    case 4:
        return "カタカナ";
    case 5:
        return "ひらがな";
    default:
        return CString();
    }
}

CString DateKindWord(int kind)
{
    switch (kind) {
    case 1:
        return "時刻";
    case 2:
        return "日付と時刻";
    default:
        return "日付";
    }
}

CString LimitText(const char* label, const CString& value)
{
    CString text;
    text.Format("%s(%s)", label, value.GetString());
    return text;
}

// The digits, signs and decimal points of a text, as a number column reads a converted cell.
// Full-width digits and signs count as typing counts them.
CString NumberCharacters(const CString& text)
{
    CTextHelper narrow(text);
    narrow.ToHalfWidthKana();
    CString kept;
    for (int i = 0; i < narrow.GetLength(); ++i) {
        const char c = narrow[i];
        if ((c >= '0' && c <= '9') || c == '+' || c == '-' || c == '.') {
            kept += c;
        }
    }
    return kept;
}

} // namespace

void CListInfoColumns::Load(const CZantobyDoc& doc)
{
    for (int i = 0; i < kMaxColumns; ++i) {
        m_records[static_cast<size_t>(i)] = doc.GetColumn(i);
    }
    m_count = std::clamp(doc.columnCount, 0, kMaxColumns);
    m_changed = false;
    m_freshSlots.fill(false);
    EnsureTrailingRow();
}

CString CListInfoColumns::GetCellText(int row, int column) const
{
    if (!IsRow(row)) {
        return CString();
    }
    const ColumnRecord& record = Record(row);
    switch (column) {
    case kName:
        return record.name;
    case kSubName:
        return record.subName;
    default:
        break;
    }
    if (record.type == kTypeNone) {
        return CString();
    }
    switch (column) {
    case kType:
        return record.GetTypeName();
    case kWidth: {
        CString width;
        if (record.width >= 1) {
            width.Format("%d", record.width);
        }
        return width;
    }
    case kSummary:
        return Summary(record);
    default:
        return CString();
    }
}

CString CListInfoColumns::Summary(const ColumnRecord& column)
{
    CString summary;
    Join(summary, AlignmentWord(column.align));
    Join(summary, DropWord(column.dropType));
    switch (column.type) {
    case kTypeYesNo: {
        CString texts;
        texts.Format("'%s','%s','%s','%s'", column.yesHtml.GetString(), column.noHtml.GetString(),
                     column.yesPrint.GetString(), column.noPrint.GetString());
        Join(summary, texts);
        break;
    }
    case kTypeText:
        Join(summary, InputModeWord(column.inputMode));
        break;
    case kTypeNumber:
        if (column.showZero) {
            Join(summary, "ｾﾞﾛ表示");
        }
        if (column.thousands) {
            Join(summary, "ｶﾝﾏ表示");
        }
        if (column.decimals > 0) {
            CString decimals;
            decimals.Format("小数点%d桁", column.decimals);
            Join(summary, decimals);
        }
        if (column.hasMax) {
            Join(summary,
                 LimitText("最大値ﾁｪｯｸ", column.maxValue.Format(column.thousands, column.decimals, true)));
        }
        if (column.hasMin) {
            Join(summary,
                 LimitText("最小値ﾁｪｯｸ", column.minValue.Format(column.thousands, column.decimals, true)));
        }
        break;
    case kTypeDate: {
        Join(summary, DateKindWord(column.dateKind));
        const char* pattern = CCellCodec::DefaultStrftimePattern(column.dateKind);
        if (column.hasMaxDate) {
            Join(summary, LimitText("最大値ﾁｪｯｸ", column.maxDate.Format(pattern)));
        }
        if (column.hasMinDate) {
            Join(summary, LimitText("最小値ﾁｪｯｸ", column.minDate.Format(pattern)));
        }
        break;
    }
    default:
        break;
    }
    return summary;
}

void CListInfoColumns::ResetRecordAt(int index)
{
    ColumnRecord& record = m_records[static_cast<size_t>(index)];
    record.Reset();
    if (record.slot >= 0 && record.slot < kMaxColumns) {
        m_freshSlots[static_cast<size_t>(record.slot)] = true;
    }
}

bool CListInfoColumns::EnsureTrailingRow()
{
    if (m_count >= kMaxColumns) {
        return false;
    }
    if (m_count > 0 && Record(m_count - 1).name.IsEmpty() && Record(m_count - 1).subName.IsEmpty()) {
        return false;
    }
    ResetRecordAt(m_count);
    ++m_count;
    return true;
}

void CListInfoColumns::SetCellText(int row, int column, const CString& text)
{
    if (!IsRow(row)) {
        return;
    }
    ColumnRecord& record = Record(row);
    switch (column) {
    case kName:
        record.name = text;
        break;
    case kSubName:
        record.subName = text;
        break;
    case kWidth:
        record.width = std::max(std::atoi(text), 0);
        break;
    default:
        return;
    }
    m_changed = true;
    EnsureTrailingRow();
}

void CListInfoColumns::SetTypeByName(int row, const CString& typeName)
{
    if (!IsRow(row)) {
        return;
    }
    Record(row).SetTypeByName(typeName);
    m_changed = true;
    EnsureTrailingRow();
}

bool CListInfoColumns::ClearCell(int row, int column)
{
    if (!IsRow(row)) {
        return false;
    }
    ColumnRecord& record = Record(row);
    switch (column) {
    case kName:
        record.name.Empty();
        break;
    case kSubName:
        record.subName.Empty();
        break;
    case kType:
        record.type = kTypeNone;
        break;
    default:
        return false;
    }
    m_changed = true;
    return true;
}

bool CListInfoColumns::CopyFromAbove(int row, int column)
{
    if (!IsRow(row) || row < 1) {
        return false;
    }
    const ColumnRecord& above = Record(row - 1);
    switch (column) {
    case kName:
        Record(row).name = above.name;
        break;
    case kType:
        Record(row).type = above.type;
        break;
    default:
        return false;
    }
    m_changed = true;
    return true;
}

bool CListInfoColumns::Insert(int row)
{
    if (m_count >= kMaxColumns || !IsRow(row)) {
        return false;
    }
    ResetRecordAt(kMaxColumns - 1);
    std::rotate(m_records.begin() + row, m_records.end() - 1, m_records.end());
    ++m_count;
    m_changed = true;
    EnsureTrailingRow();
    return true;
}

bool CListInfoColumns::Delete(int row)
{
    if (m_count < 1 || !IsRow(row)) {
        return false;
    }
    ResetRecordAt(row);
    Record(row).type = kTypeNone;
    std::rotate(m_records.begin() + row, m_records.begin() + row + 1, m_records.end());
    --m_count;
    m_changed = true;
    EnsureTrailingRow();
    return true;
}

bool CListInfoColumns::MoveUp(int row)
{
    if (row < 1 || row >= m_count) {
        return false;
    }
    std::swap(Record(row - 1), Record(row));
    m_changed = true;
    EnsureTrailingRow();
    return true;
}

bool CListInfoColumns::MoveDown(int row)
{
    if (row < 0 || row >= m_count - 1) {
        return false;
    }
    std::swap(Record(row), Record(row + 1));
    m_changed = true;
    EnsureTrailingRow();
    return true;
}

int CListInfoColumns::Validate(int& number, CString& text) const
{
    for (int i = 0; i < m_count; ++i) {
        const ColumnRecord& record = Record(i);
        if (record.name.IsEmpty() && !record.subName.IsEmpty()) {
            number = i + 1;
            text.Empty();
            return 31301;
        }
        if (record.name.Find("::") >= 0 || record.subName.Find("::") >= 0) {
            number = i + 1;
            text = "::";
            return 31302;
        }
    }
    return 0;
}

bool CListInfoColumns::ConvertCell(const ColumnRecord& from, const ColumnRecord& to, CellRecord& cell)
{
    // A number is read by its value, as it would be typed: its shown text may hold separators
    // (20,240,324) that no date reads. Texts keep what the cell showed.
    const bool byValue = from.type == kTypeNumber && to.type != kTypeText && to.type != kTypeMark;
    const CString text = CCellCodec::Format(from, cell, byValue ? kOutputCgi : kOutputGrid);
    // An empty cell, or a Yes/No cell that holds no, has nothing to lose.
    bool kept = text.IsEmpty() || (from.type == kTypeYesNo && !cell.yesNo);
    switch (to.type) {
    case kTypeYesNo:
        cell.yesNo = std::atoi(text) != 0 || text.CompareNoCase("true") == 0;
        cell.text = text;
        kept = kept || CCellCodec::PasteRefusal(to, text).IsEmpty();
        break;
    case kTypeText:
    case kTypeMark:
        cell.text = text;
        kept = true;
        break;
    case kTypeNumber: {
        const CString digits = NumberCharacters(text);
        CNumber number(0);
        number.ParseExpression(digits);
        const bool read =
            !digits.IsEmpty() && number.IsValid() && number.GetErrorCode() == CNumber::errorNone;
        cell.number = read ? number : CNumber(0);
        kept = kept || read;
        break;
    }
    case kTypeDate: {
        CDateEx date;
        kept = date.ParseDateTime(text.view(), to.dateKind == 1) || kept;
        cell.date = date;
        break;
    }
    default:
        kept = true;
        break;
    }
    return kept;
}

bool CListInfoColumns::ConvertsCells(const CZantobyDoc& doc, int index) const
{
    const ColumnRecord& working = Record(index);
    if (index >= m_count || working.name.IsEmpty() || working.type == kTypeNone || working.slot < 0 ||
        working.slot >= kMaxColumns || m_freshSlots[static_cast<size_t>(working.slot)]) {
        return false;
    }
    return doc.GetColumnOfSlot(working.slot).type != working.type;
}

CString CListInfoColumns::LostValues(CZantobyDoc& doc) const
{
    doc.BuildColumnMap();
    CString lost;
    for (int i = 0; i < kMaxColumns; ++i) {
        if (!ConvertsCells(doc, i)) {
            continue;
        }
        const ColumnRecord& working = Record(i);
        const ColumnRecord& before = doc.GetColumnOfSlot(working.slot);
        int count = 0;
        CString first;
        for (int row = 0; row < doc.RowReach(); ++row) {
            const ProductRecord& record = doc.GetRow(row);
            if (!record.inUse) {
                continue;
            }
            CellRecord cell = record.GetCell(working.slot);
            const CString shown = CCellCodec::Format(before, cell, kOutputGrid);
            if (!ConvertCell(before, working, cell) && count++ == 0) {
                first = shown;
            }
        }
        if (count > 0) {
            CString line;
            line.Format("[%s] %d 個 (例 : %s)\n", working.name.GetString(), count, first.GetString());
            lost += line;
        }
    }
    return lost;
}

void CListInfoColumns::ApplyTo(CZantobyDoc& doc, const CString& title, int lockedColumns)
{
    doc.BuildColumnMap();
    // Columns without a name leave the list; records past the count were never in it.
    for (int i = 0; i < kMaxColumns; ++i) {
        if (i >= m_count || Record(i).name.IsEmpty()) {
            Record(i).type = kTypeNone;
        }
    }
    std::vector<int> order;
    for (int pass = 0; pass < 2; ++pass) {
        for (int i = 0; i < kMaxColumns; ++i) {
            if ((Record(i).type != kTypeNone) == (pass == 0)) {
                order.push_back(i);
            }
        }
    }

    // Cells are converted by slot, under the definition the slot had before.
    for (int i = 0; i < kMaxColumns; ++i) {
        const ColumnRecord& working = Record(i);
        if (working.slot < 0 || working.slot >= kMaxColumns || working.type == kTypeNone) {
            continue;
        }
        const ColumnRecord& before = doc.GetColumnOfSlot(working.slot);
        const bool fresh = m_freshSlots[static_cast<size_t>(working.slot)];
        if (!fresh && !ConvertsCells(doc, i)) {
            continue;
        }
        for (int row = 0; row < doc.RowReach(); ++row) {
            ProductRecord& record = doc.GetRow(row);
            if (!record.inUse) {
                continue;
            }
            if (fresh) {
                if (record.HasCells()) {
                    record.EditCells().Clear(working.slot);
                }
            } else {
                CellRecord cell = record.GetCell(working.slot);
                ConvertCell(before, working, cell);
                record.SetCell(working.slot, working.type, cell);
            }
        }
    }

    // Sort keys name display columns; each keeps naming the column of its slot.
    std::array<int, kMaxColumns> newIndexOfSlot;
    newIndexOfSlot.fill(-1);
    for (int position = 0; position < kMaxColumns; ++position) {
        const int slot = Record(order[static_cast<size_t>(position)]).slot;
        if (slot >= 0 && slot < kMaxColumns) {
            newIndexOfSlot[static_cast<size_t>(slot)] = position;
        }
    }
    auto follow = [&doc, &newIndexOfSlot](int& column) {
        if (column < 0 || column >= kMaxColumns) {
            return;
        }
        const int slot = doc.GetColumn(column).slot;
        if (slot >= 0 && slot < kMaxColumns && newIndexOfSlot[static_cast<size_t>(slot)] >= 0) {
            column = newIndexOfSlot[static_cast<size_t>(slot)];
        }
    };
    for (SortKeyEntry& key : doc.sortKeys) {
        follow(key.column);
    }
    for (OutputSortEntry& entry : doc.web.sortEntries) {
        follow(entry.column);
    }

    for (int position = 0; position < kMaxColumns; ++position) {
        doc.GetColumn(position) = Record(order[static_cast<size_t>(position)]);
    }
    int count = 0;
    while (count < kMaxColumns && doc.GetColumn(count).type != kTypeNone) {
        ++count;
    }
    for (int i = 0; i < kMaxColumns; ++i) {
        ColumnRecord& column = doc.GetColumn(i);
        if (column.type != kTypeText && column.type != kTypeMark) {
            column.dropType = 0;
        } else if (column.dropType == 1) {
            doc.RebuildAutoDropList(i);
        }
    }
    doc.columnCount = count;
    doc.BuildColumnMap();
    doc.lockedColumns = std::clamp(lockedColumns, 0, count);
    doc.title = title;
}
