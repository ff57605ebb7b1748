#include "list/ui/ListInfoNumberDlg.h"

#include "list/ui/FieldModified.h"

namespace {

enum : int
{
    idShowZero = 1007,
    idThousands = 1008,
    idSerialStep = 1022,
    idNextSerial = 1028,
    idDecimals = 1029,
    idHasMinimum = 1050,
    idHasMaximum = 1051,
    idMinimum = 1052,
    idMaximum = 1053,
};

const IntegerFormat kDecimalsFormat{NF_SHOW_ZERO | NF_MAXIMUM | NF_MINIMUM, 4, 0};
const DecimalFormat kValueFormat{NF_SHOW_ZERO, 4, 0, 0, false};
// One step of the serial step's spin, in ten-thousandths.
constexpr int64_t kSerialSpinStep = 10000;

} // namespace

CListInfoNumberDlg::CListInfoNumberDlg(wxWindow* parent, IListHost& host, ColumnRecord& record)
    : CListInfoDetailDlg(parent, host, record, 204, "数値項目の詳細設定", 180)
{
    AddItem(idDecimals, "小数点以下の桁数を指定します(4桁以内)");
    Label("小数点以下桁数", 12, kTypeTop + 5);
    Placeholder(idDecimals, 130, kTypeTop, 60);
    AddCheckBox(idShowZero, "ｾﾞﾛを表示する", 240, kTypeTop + 2, "入力値がゼロでも表示します");
    AddCheckBox(idThousands, "桁区切を表示する", 240, kTypeTop + 28, "3桁毎の桁区切を表示します");

    AddItem(idSerialStep, "自動連番にする場合に加算する数値を指定します");
    Label("連番の加算値", 12, kTypeTop + 65);
    Placeholder(idSerialStep, 130, kTypeTop + 60, 140);
    AddItem(idNextSerial, "自動連番の次の数値を指定します");
    Label("連番の次の値", 12, kTypeTop + 95);
    Placeholder(idNextSerial, 130, kTypeTop + 90, 140);

    AddCheckBox(idHasMinimum, "最小値ﾁｪｯｸ", 12, kTypeTop + 127,
                "最小値のﾁｪｯｸの有無を指定します(最小値より小さい値は入力不可となります)");
    AddItem(idMinimum, "最小値を指定します");
    Placeholder(idMinimum, 130, kTypeTop + 122, 140);
    AddCheckBox(idHasMaximum, "最大値ﾁｪｯｸ", 12, kTypeTop + 157,
                "最大値のﾁｪｯｸの有無を指定します(最大値より大きい値は入力不可となります)");
    AddItem(idMaximum, "最大値を指定します");
    Placeholder(idMaximum, 130, kTypeTop + 152, 140);
}

void CListInfoNumberDlg::InitTypeFields()
{
    m_decimals.AttachToDialogItem(this, idDecimals, FindItemInfo(idDecimals));
    m_decimals.SetIntegerFormat(&kDecimalsFormat, 1);
    m_decimals.GetEdit().SetInteger(m_record.decimals);
    m_serialStep.AttachToDialogItem(this, idSerialStep, FindItemInfo(idSerialStep));
    m_serialStep.SetDecimalFormat(&kValueFormat, kSerialSpinStep);
    m_serialStep.GetEdit().SetDecimal(m_record.serialStep);
    const std::pair<CEditField*, int> values[] = {
        {&m_nextSerial, idNextSerial}, {&m_minimum, idMinimum}, {&m_maximum, idMaximum}};
    for (const auto& [field, id] : values) {
        field->CreateOverDialogItem(this, id, FindItemInfo(id));
        field->GetEdit().SetDecimalFormat(&kValueFormat);
    }
    m_nextSerial.GetEdit().SetDecimal(m_record.nextSerial);
    m_minimum.GetEdit().SetDecimal(m_record.minValue);
    m_maximum.GetEdit().SetDecimal(m_record.maxValue);
    SetItemCheck(idShowZero, m_record.showZero, true);
    SetItemCheck(idThousands, m_record.thousands, true);
    SetItemCheck(idHasMinimum, m_record.hasMin, true);
    SetItemCheck(idHasMaximum, m_record.hasMax, true);
}

void CListInfoNumberDlg::ReadTypeFields(ColumnRecord& form)
{
    form.decimals = m_decimals.GetEdit().GetInteger();
    form.serialStep = m_serialStep.GetEdit().GetDecimal();
    form.nextSerial = m_nextSerial.GetEdit().GetDecimal();
    form.showZero = IsItemChecked(idShowZero);
    form.thousands = IsItemChecked(idThousands);
    form.hasMin = IsItemChecked(idHasMinimum);
    form.hasMax = IsItemChecked(idHasMaximum);
    form.minValue = m_minimum.GetEdit().GetDecimal();
    form.maxValue = m_maximum.GetEdit().GetDecimal();
}

bool CListInfoNumberDlg::IsTypeModified()
{
    return IsFieldModified(m_decimals) || IsFieldModified(m_serialStep) || IsFieldModified(m_nextSerial) ||
           IsFieldModified(m_minimum) || IsFieldModified(m_maximum);
}
