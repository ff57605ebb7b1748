#include "list/RowExtractor.h"

#include "foundation/TextHelper.h"
#include "list/CellCodec.h"
#include "list/KeywordMatcher.h"
#include "list/ZantobyDoc.h"

namespace {

CString Cased(const CString& text, bool caseSensitive)
{
    CString cased(text);
    if (!caseSensitive) {
        cased.MakeUpper();
    }
    return cased;
}

int CompareNatural(const CString& a, const CString& b)
{
    return CTextHelper(a).CompareNatural(b);
}

// Lower and upper bound tests of ordered values; a bound that is not used always holds.
template <class Compare> bool WithinBounds(const ColumnCondition& condition, Compare compareWith)
{
    if (condition.useFrom && compareWith(condition.fromValue) < 0) {
        return false;
    }
    return !condition.useTo || compareWith(condition.toValue) <= 0;
}

} // namespace

std::vector<int> CRowExtractor::ByKeywords(const CStringArray& keywords, bool anyMatch, bool wholeText,
                                           bool caseSensitive) const
{
    std::vector<int> rows;
    CKeywordMatcher matcher(keywords, anyMatch, wholeText, caseSensitive);
    if (!matcher.HasKeywords()) {
        return rows;
    }
    std::vector<int> singleByteColumns;
    for (int row = 0; row < m_doc.RowReach(); ++row) {
        const ProductRecord& record = m_doc.GetRow(row);
        if (!record.inUse) {
            continue;
        }
        matcher.BeginRow();
        // Texts that may hold double-byte characters go first; numbers, Yes/No and dates in their
        // default patterns are single-byte texts, formatted only when a keyword may lie in them.
        for (int i = 0; i < record.photoCount && i < kMaxPhotosPerRow; ++i) {
            int photo = record.photos[i];
            if (photo >= 0 && photo < kMaxPhotos) {
                matcher.AddText(m_doc.GetPhoto(photo).name.view());
            }
        }
        singleByteColumns.clear();
        for (int column = 0; column < kMaxColumns; ++column) {
            const ColumnRecord& definition = m_doc.GetColumn(column);
            if (definition.type == kTypeNone || definition.slot < 0 || definition.slot >= kMaxColumns) {
                continue;
            }
            if (definition.type == kTypeText || definition.type == kTypeMark) {
                // The grid text of text and mark cells is the text itself; taking it as it
                // stands spares a copy of every cell of the list.
                matcher.AddText(record.Cells().Text(definition.slot));
            } else if (definition.type == kTypeDate && !definition.datePattern.IsEmpty()) {
                matcher.AddText(
                    CCellCodec::Format(definition, record.GetCell(definition.slot), kOutputGrid).view());
            } else {
                singleByteColumns.push_back(column);
            }
        }
        CKeywordMatcher::Verdict verdict = matcher.TestRow();
        if (verdict == CKeywordMatcher::Verdict::NeedsSingleByteTexts) {
            for (int column : singleByteColumns) {
                const ColumnRecord& definition = m_doc.GetColumn(column);
                matcher.AddText(
                    CCellCodec::Format(definition, record.GetCell(definition.slot), kOutputGrid).view());
            }
            verdict =
                matcher.FinishRow() ? CKeywordMatcher::Verdict::Matches : CKeywordMatcher::Verdict::Fails;
        }
        if (verdict == CKeywordMatcher::Verdict::Matches) {
            rows.push_back(row);
        }
    }
    return rows;
}

bool CRowExtractor::ConditionMet(const ColumnRecord& column, const ColumnCondition& condition,
                                 const CellRecord& cell, const ExtractConditions& conditions)
{
    bool caseSensitive = conditions.caseSensitive;
    switch (column.type) {
    case kTypeYesNo:
        return !condition.useFrom || cell.yesNo == condition.fromValue.yesNo;
    case kTypeText: {
        CString text = Cased(cell.text, caseSensitive);
        CString wanted = condition.useFrom ? Cased(condition.fromValue.text, caseSensitive) : CString();
        return conditions.wholeText ? text == wanted : text.Find(wanted) >= 0;
    }
    case kTypeMark: {
        CString text = Cased(cell.text, caseSensitive);
        return WithinBounds(condition, [&](const CellValue& bound) {
            return CompareNatural(text, Cased(bound.text, caseSensitive));
        });
    }
    case kTypeNumber:
        return WithinBounds(condition, [&](const CellValue& bound) {
            auto order = cell.number.GetValue().GetUnits() <=> bound.number.GetValue().GetUnits();
            return order < 0 ? -1 : (order > 0 ? 1 : 0);
        });
    case kTypeDate:
        // A cell without a date lies within no bound.
        return cell.date.IsValid() && WithinBounds(condition, [&](const CellValue& bound) {
                   auto order = cell.date.GetValue() <=> bound.date.GetValue();
                   return order < 0 ? -1 : (order > 0 ? 1 : 0);
               });
    default:
        return true;
    }
}

bool CRowExtractor::RowMeetsConditions(int row, const ExtractConditions& conditions) const
{
    const ProductRecord& record = m_doc.GetRow(row);
    bool anyActive = false;
    bool lastMet = false;
    for (int column = 0; column < m_doc.columnCount && column < kMaxColumns; ++column) {
        const ColumnCondition& condition = conditions.columns[column];
        if (!condition.useFrom && !condition.useTo) {
            continue;
        }
        const ColumnRecord& definition = m_doc.GetColumn(column);
        anyActive = true;
        bool hasSlot = definition.slot >= 0 && definition.slot < kMaxColumns;
        lastMet =
            !hasSlot || ConditionMet(definition, condition, record.GetCell(definition.slot), conditions);
        if (conditions.anyMatch == 0 && !lastMet) {
            return false;
        }
        if (conditions.anyMatch != 0 && lastMet) {
            return true;
        }
    }
    return lastMet || !anyActive;
}

std::vector<int> CRowExtractor::ByColumnConditions(const ExtractConditions& conditions) const
{
    std::vector<int> rows;
    for (int row = 0; row < m_doc.RowReach(); ++row) {
        if (m_doc.GetRow(row).inUse && RowMeetsConditions(row, conditions)) {
            rows.push_back(row);
        }
    }
    return rows;
}
