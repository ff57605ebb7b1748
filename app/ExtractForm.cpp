#include "app/ExtractForm.h"

#include "app/KeywordInput.h"
#include "app/ListGridLayout.h"
#include "list/ZantobyDoc.h"

namespace {

ExtractConditions& ConditionsOf(CZantobyDoc& doc)
{
    if (!doc.extractConditions) {
        doc.ResetExtractConditions();
    }
    return *doc.extractConditions;
}

} // namespace

CExtractForm::CExtractForm(CZantobyDoc& doc) : m_doc(doc), m_conditions(ConditionsOf(doc))
{
    mode = m_conditions.mode;
    combine = m_conditions.anyMatch != 0 ? 1 : 0;
    wholeText = m_conditions.wholeText;
    caseSensitive = m_conditions.caseSensitive;
    if (!m_conditions.keywordHistory.IsEmpty()) {
        keywordText = m_conditions.keywordHistory[0];
    }
    for (int column = 0; column < doc.columnCount && column < kMaxColumns; ++column) {
        const ColumnRecord& definition = doc.GetColumn(column);
        const ColumnCondition& condition = m_conditions.columns[column];
        Row row;
        row.column = column;
        row.name = definition.name;
        row.kind = definition.type == kTypeYesNo  ? kYesNoRow
                   : definition.type == kTypeText ? kTextRow
                                                  : kBoundsRow;
        row.align = definition.type == kTypeNumber ? 2 : definition.type == kTypeDate ? 1 : 0;
        if (definition.dropType != 0 && !definition.dropEntries.IsEmpty()) {
            row.choices = CListGridLayout::DropLabels(definition.dropEntries);
        }
        if (row.kind == kYesNoRow) {
            row.checkState = condition.useFrom ? (condition.fromValue.yesNo ? 1 : 0) : kNoCondition;
        } else {
            if (condition.useFrom) {
                row.lower = doc.FormatCellForOutput(column, condition.fromValue, kOutputFind);
            }
            if (condition.useTo && row.kind == kBoundsRow) {
                row.upper = doc.FormatCellForOutput(column, condition.toValue, kOutputFind);
            }
        }
        rows.push_back(row);
    }
}

const CStringArray& CExtractForm::GetHistory() const
{
    return m_conditions.keywordHistory;
}

CString CExtractForm::Normalise(int row, const CString& text, CString* refusal) const
{
    CellValue value;
    return m_doc.ParseCellText(rows[static_cast<size_t>(row)].column, value, text, kOutputFind, refusal);
}

void CExtractForm::Store()
{
    m_conditions.mode = mode;
    m_conditions.anyMatch = combine;
    m_conditions.wholeText = wholeText;
    m_conditions.caseSensitive = caseSensitive;
    CKeywordInput::SplitKeywords(keywordText, m_conditions.keywords);
    CKeywordInput::AddToTop(m_conditions.keywordHistory, keywordText);
    for (ColumnCondition& condition : m_conditions.columns) {
        condition.Reset();
    }
    for (const Row& row : rows) {
        ColumnCondition& condition = m_conditions.columns[static_cast<size_t>(row.column)];
        if (row.kind == kYesNoRow) {
            condition.useFrom = row.checkState != kNoCondition;
            condition.fromValue.yesNo = row.checkState == 1;
            continue;
        }
        if (!row.lower.IsEmpty()) {
            condition.useFrom = true;
            m_doc.ParseCellText(row.column, condition.fromValue, row.lower, kOutputFind);
        }
        if (row.kind == kBoundsRow && !row.upper.IsEmpty()) {
            condition.useTo = true;
            m_doc.ParseCellText(row.column, condition.toValue, row.upper, kOutputFind);
        }
    }
}
