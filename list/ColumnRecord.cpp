#include "list/ColumnRecord.h"

#include "foundation/TextHelper.h"

namespace {

const char* const kTypeNames[] = {"", "Yes/No", "文字", "記号", "数値", "日付"};
constexpr int kTypeNameCount = 6;

} // namespace

ColumnRecord::ColumnRecord() : maxValue(0), minValue(0), serialStep(0), nextSerial(0)
{
    Reset();
}

void ColumnRecord::Reset()
{
    type = kTypeText;
    name.Empty();
    subName.Empty();
    align = 0;
    width = 10;
    unique = false;
    required = false;
    dropType = 0;
    multiLine = false;
    inputMode = 0;
    showZero = false;
    thousands = false;
    decimals = 0;
    hasMax = false;
    maxValue = CNumber(0);
    hasMin = false;
    minValue = CNumber(0);
    serialStep = CNumber(0);
    nextSerial = CNumber(0);
    dateKind = 0;
    datePattern.Empty();
    hasMaxDate = false;
    maxDate.SetDate(0, 0, 0);
    hasMinDate = false;
    minDate.SetDate(0, 0, 0);
}

CString ColumnRecord::DefaultName(int displayColumn)
{
    // Without a format call: a list may read a hundred of them each time it opens.
    CString name("項目");
    CTextHelper::AppendInt(name.str(), displayColumn + 1);
    return name;
}

CString ColumnRecord::GetTypeName(int typeCode) const
{
    if (typeCode == -1) {
        typeCode = type;
    }
    if (typeCode < 0 || typeCode >= kTypeNameCount) {
        return CString();
    }
    return kTypeNames[typeCode];
}

void ColumnRecord::SetTypeByName(const CString& typeName)
{
    type = kTypeNone;
    for (int i = 0; i < kTypeNameCount; ++i) {
        if (typeName == kTypeNames[i]) {
            type = i;
            return;
        }
    }
}
