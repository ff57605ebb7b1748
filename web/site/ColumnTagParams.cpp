#include "web/site/ColumnTagParams.h"

#include "list/ZantobyDoc.h"
#include "web/site/WebTagScope.h"

bool CColumnTagParams::Parse(const CString& tagText, const CZantobyDoc& doc)
{
    return ForEachParam(
        tagText, [&](const CString& key, const CString& value) { return TakeColumnKey(key, value, doc); });
}

bool CColumnTagParams::TakeColumnKey(const CString& key, const CString& value, const CZantobyDoc& doc)
{
    if (key == "no") {
        no = ToInt(value);
    } else if (key == "name") {
        return doc.FindColumnByName(value, no);
    } else if (key == "def") {
        def = value;
    } else {
        return false;
    }
    return true;
}

const char* CColumnTagParams::Emit(const CWebTagScope& scope, bool subName, CString& out) const
{
    if (!scope.ColumnInWindow(no)) {
        return CWebTagScope::kNumberOutOfRange;
    }
    const CZantobyDoc& doc = scope.Doc();
    int column = scope.Window().firstColumn + no;
    CString text;
    if (column >= 0 && column < doc.columnCount && column < kMaxColumns) {
        text = subName ? doc.GetColumn(column).subName : doc.GetColumn(column).name;
    }
    out = CWebTagScope::NameText(text, def);
    return nullptr;
}
