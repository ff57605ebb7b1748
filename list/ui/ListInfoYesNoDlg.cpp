#include "list/ui/ListInfoYesNoDlg.h"

#include "list/ui/FieldModified.h"

namespace {

enum : int
{
    idYesHtml = 1157,
    idNoHtml = 1054,
    idYesPrint = 1056,
    idNoPrint = 1057,
};

const TextFormat kScrollingText{
    TF_DIGITS | TF_UPPER | TF_LOWER | TF_HALF_KANA | TF_SYMBOLS | TF_DOUBLE_BYTE | TF_AUTO_HSCROLL, 0, 0, 0};

} // namespace

CListInfoYesNoDlg::CListInfoYesNoDlg(wxWindow* parent, IListHost& host, ColumnRecord& record)
    : CListInfoDetailDlg(parent, host, record, 227, "Yes/No項目の詳細設定", 70)
{
    AddItem(idYesHtml, "Yesの時のWeb出力文字列を入力します");
    AddItem(idNoHtml, "Noの時のWeb出力文字列を入力します");
    AddItem(idYesPrint, "Yesの時のﾌﾟﾘﾝﾀ出力文字列を入力します");
    AddItem(idNoPrint, "Noの時のﾌﾟﾘﾝﾀ出力文字列を入力します");
    Label("Web出力", 12, kTypeTop + 5);
    Label("Yes文字列", 100, kTypeTop + 5);
    Placeholder(idYesHtml, 168, kTypeTop, 110);
    Label("No文字列", 290, kTypeTop + 5);
    Placeholder(idNoHtml, 350, kTypeTop, 106);
    Label("ﾌﾟﾘﾝﾀ出力", 12, kTypeTop + 35);
    Label("Yes文字列", 100, kTypeTop + 35);
    Placeholder(idYesPrint, 168, kTypeTop + 30, 110);
    Label("No文字列", 290, kTypeTop + 35);
    Placeholder(idNoPrint, 350, kTypeTop + 30, 106);
}

void CListInfoYesNoDlg::InitTypeFields()
{
    const std::pair<CEditField*, int> fields[] = {
        {&m_yesHtml, idYesHtml}, {&m_noHtml, idNoHtml}, {&m_yesPrint, idYesPrint}, {&m_noPrint, idNoPrint}};
    for (const auto& [field, id] : fields) {
        field->CreateOverDialogItem(this, id, FindItemInfo(id));
        field->SetTextFormat(&kScrollingText);
    }
    m_yesHtml.SetText(m_record.yesHtml);
    m_noHtml.SetText(m_record.noHtml);
    m_yesPrint.SetText(m_record.yesPrint);
    m_noPrint.SetText(m_record.noPrint);
}

void CListInfoYesNoDlg::ReadTypeFields(ColumnRecord& form)
{
    form.yesHtml = m_yesHtml.GetText();
    form.noHtml = m_noHtml.GetText();
    form.yesPrint = m_yesPrint.GetText();
    form.noPrint = m_noPrint.GetText();
}

bool CListInfoYesNoDlg::IsTypeModified()
{
    return IsFieldModified(m_yesHtml) || IsFieldModified(m_noHtml) || IsFieldModified(m_yesPrint) ||
           IsFieldModified(m_noPrint);
}
