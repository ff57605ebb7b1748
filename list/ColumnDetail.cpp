#include "list/ColumnDetail.h"

namespace {

struct InputModeChoice
{
    const char* name;
    int mode;
};

const InputModeChoice kInputModes[CColumnDetail::kInputModeRows] = {
    {"ｺﾝﾄﾛｰﾙなし", 0},
    {"off", 1},
    {"ひらがな", 5},
    {"カタカナ", 4},
};

} // namespace

const char* CColumnDetail::InputModeName(int row)
{
    return row >= 0 && row < kInputModeRows ? kInputModes[row].name : "";
}

int CColumnDetail::InputModeRow(int mode)
{
    for (int row = 0; row < kInputModeRows; ++row) {
        if (kInputModes[row].mode == mode) {
            return row;
        }
    }
    return -1;
}

int CColumnDetail::InputModeOfRow(int row, int keptMode)
{
    return row >= 0 && row < kInputModeRows ? kInputModes[row].mode : keptMode;
}

CString CColumnDetail::PreviewText(const CDateEx& moment, const CString& format, const CString& displayFormat)
{
    return moment.FormatDate(format.IsEmpty() ? displayFormat.GetString() : format.GetString());
}

void CColumnDetail::Apply(const ColumnRecord& form, ColumnRecord& record)
{
    record.name = form.name;
    record.subName = form.subName;
    record.remark = form.remark;
    record.align = form.align;
    record.width = form.width;
    if (record.type != kTypeYesNo) {
        record.required = form.required;
        record.unique = form.unique;
    }
    switch (record.type) {
    case kTypeYesNo:
        record.dropType = 0;
        record.yesHtml = form.yesHtml;
        record.noHtml = form.noHtml;
        record.yesPrint = form.yesPrint;
        record.noPrint = form.noPrint;
        break;
    case kTypeText:
        record.multiLine = form.multiLine;
        record.inputMode = form.inputMode;
        [[fallthrough]];
    case kTypeMark:
        record.dropType = form.dropType;
        record.dropEntries.RemoveAll();
        for (int i = 0; i < form.dropEntries.GetSize(); ++i) {
            if (!form.dropEntries[i].IsEmpty()) {
                record.dropEntries.Add(form.dropEntries[i]);
            }
        }
        break;
    case kTypeNumber:
        record.decimals = form.decimals;
        record.serialStep = form.serialStep;
        record.nextSerial = form.nextSerial;
        record.dropType = 0;
        record.showZero = form.showZero;
        record.thousands = form.thousands;
        record.hasMin = form.hasMin;
        record.hasMax = form.hasMax;
        record.minValue = form.minValue;
        record.maxValue = form.maxValue;
        break;
    case kTypeDate:
        record.dropType = 0;
        record.dateKind = form.dateKind;
        record.datePattern = form.datePattern;
        record.dateHtmlPattern = form.dateHtmlPattern;
        record.datePrintPattern = form.datePrintPattern;
        record.hasMinDate = form.hasMinDate;
        record.hasMaxDate = form.hasMaxDate;
        record.minDate = form.minDate;
        record.maxDate = form.maxDate;
        break;
    default:
        break;
    }
}
