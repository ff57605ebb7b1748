#include "web/site/TextTagParams.h"

#include "list/IListHost.h"
#include "list/ZantobyDoc.h"
#include "web/site/WebTagScope.h"

bool CTextTagParams::Parse(const CString& tagText, const CZantobyDoc& doc)
{
    return ForEachParam(tagText, [&](const CString& key, const CString& value) {
        if (key == "rec") {
            rec = ToInt(value);
            return true;
        }
        return TakeColumnKey(key, value, doc);
    });
}

const char* CTextTagParams::Emit(const CWebTagScope& scope, CString& out) const
{
    if (!scope.RowInWindow(rec)) {
        return CWebTagScope::kRecordOutOfRange;
    }
    if (!scope.ColumnInWindow(no)) {
        return CWebTagScope::kNumberOutOfRange;
    }
    const CZantobyDoc& doc = scope.Doc();
    int position = scope.Window().firstRow + rec;
    CString text;
    if (position < scope.Page().RowCount()) {
        int record = scope.RecordAt(position);
        int column = scope.Window().firstColumn + no;
        if (record < 0 || record >= kMaxRows) {
            doc.Host().Beep();
        } else if (const ProductRecord* row = scope.RowInUse(record);
                   row != nullptr && column >= 0 && column < kMaxColumns &&
                   doc.GetColumn(column).type != kTypeNone) {
            const ColumnRecord& definition = doc.GetColumn(column);
            if (definition.slot >= 0 && definition.slot < kMaxColumns) {
                text = doc.FormatCellForOutput(column, row->GetCell(definition.slot), kOutputWeb);
            }
        }
    }
    out = CWebTagScope::DataText(text, def);
    return nullptr;
}
