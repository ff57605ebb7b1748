#include "list/ui/ListInfoDateDlg.h"

#include "foundation/ui/FieldEvents.h"
#include "list/CellCodec.h"
#include "list/ColumnDetail.h"
#include "list/IListHost.h"
#include "list/ui/FieldModified.h"
#include "platform/ui/WxText.h"

#include <wx/radiobut.h>
#include <wx/stattext.h>

#include <exception>

namespace {

enum : int
{
    idDate = 1009,
    idTime = 1010,
    idDateTime = 1011,
    idDisplayFormat = 1024,
    idWebFormat = 1026,
    idPrintFormat = 1027,
    idHasMinimum = 1050,
    idHasMaximum = 1051,
    idMinimum = 1052,
    idMaximum = 1053,
    idDisplayPreview = 1168,
    idWebPreview = 1169,
    idPrintPreview = 1170,
};

const RadioGroupItem kKinds[] = {{idDate, 0}, {idTime, 1}, {idDateTime, 2}, {0, 0}};
// The limits are typed with date and time whatever the column's kind.
constexpr char kLimitPattern[] = "YYYY/MM/DD HH:NN:SS";

CDateEx ParseLimit(const CString& text)
{
    CDateEx date;
    date.ParseDateTime(text.view());
    return date;
}

} // namespace

CListInfoDateDlg::CListInfoDateDlg(wxWindow* parent, IListHost& host, ColumnRecord& record)
    : CListInfoDetailDlg(parent, host, record, 205, "日付時刻項目の詳細設定", 190)
{
    AddItem(idDate, "日付の入力型式を設定します 例)2019/12/31");
    AddItem(idTime, "時刻の入力型式を設定します 例)12:34");
    AddItem(idDateTime, "日付時刻の入力型式を設定します 例)2019/12/31 12:34");
    Label("型式", 12, kTypeTop + 3);
    new wxRadioButton(this, idDate, ToWx("日付"), wxPoint(100, kTypeTop), wxDefaultSize, wxRB_GROUP);
    new wxRadioButton(this, idTime, ToWx("時刻"), wxPoint(170, kTypeTop));
    new wxRadioButton(this, idDateTime, ToWx("日付時刻"), wxPoint(240, kTypeTop));

    const struct
    {
        int id;
        int previewId;
        const char* label;
        const char* tooltip;
    } formats[] = {
        {idDisplayFormat, idDisplayPreview, "表示ﾌｫｰﾏｯﾄ", "入力時の表示ﾌｫｰﾏｯﾄを指定します"},
        {idWebFormat, idWebPreview, "Webﾌｫｰﾏｯﾄ", "Web出力時のﾌｫｰﾏｯﾄを指定します"},
        {idPrintFormat, idPrintPreview, "印刷ﾌｫｰﾏｯﾄ", "印刷時のﾌｫｰﾏｯﾄを指定します"},
    };
    int y = kTypeTop + 30;
    for (const auto& format : formats) {
        AddItem(format.id, format.tooltip);
        Label(format.label, 12, y + 5);
        Placeholder(format.id, 100, y, 180);
        new wxStaticText(this, format.previewId, wxString(), wxPoint(290, y + 5), wxSize(168, 20),
                         wxST_NO_AUTORESIZE);
        Bind(
            EVT_FIELD_CHANGE, [this](wxCommandEvent&) { UpdatePreviews(GetFocusItemId()); }, format.id);
        y += 30;
    }

    AddCheckBox(idHasMinimum, "最小値ﾁｪｯｸ", 12, y + 7, "最小値のﾁｪｯｸの有無を指定します");
    AddItem(idMinimum, "最小値を指定します");
    Placeholder(idMinimum, 130, y + 2, 180);
    AddCheckBox(idHasMaximum, "最大値ﾁｪｯｸ", 12, y + 37, "最大値のﾁｪｯｸの有無を指定します");
    AddItem(idMaximum, "最大値を指定します");
    Placeholder(idMaximum, 130, y + 32, 180);

    Bind(wxEVT_RADIOBUTTON, &CListInfoDateDlg::OnKind, this, idDate, idDateTime);
}

void CListInfoDateDlg::InitTypeFields()
{
    m_kind.Init(this, kKinds);
    m_kind.SetValue(m_record.dateKind);
    const std::pair<CEditField*, int> formats[] = {
        {&m_displayFormat, idDisplayFormat}, {&m_webFormat, idWebFormat}, {&m_printFormat, idPrintFormat}};
    for (const auto& [field, id] : formats) {
        field->CreateOverDialogItem(this, id, FindItemInfo(id));
        field->SetTextFormat(&kAnyText);
    }
    m_displayFormat.SetText(m_record.datePattern);
    m_webFormat.SetText(m_record.dateHtmlPattern);
    m_printFormat.SetText(m_record.datePrintPattern);
    for (const auto& [field, id, date] : {std::tuple{&m_minimum, idMinimum, &m_record.minDate},
                                          std::tuple{&m_maximum, idMaximum, &m_record.maxDate}}) {
        field->CreateOverDialogItem(this, id, FindItemInfo(id));
        field->GetEdit().SetDateFormat(kLimitPattern);
        field->SetText(date->IsValid() ? date->FormatDate(kLimitPattern) : CString());
    }
    SetItemCheck(idHasMinimum, m_record.hasMinDate, true);
    SetItemCheck(idHasMaximum, m_record.hasMaxDate, true);
    UpdatePreviews(0);
}

void CListInfoDateDlg::OnKind(wxCommandEvent& event)
{
    event.Skip();
    m_displayFormat.SetText(CCellCodec::DefaultDatePattern(m_kind.GetValue()));
    UpdatePreviews(0);
}

void CListInfoDateDlg::UpdatePreviews(int focusId)
{
    try {
        const CDateEx now(COleDateTime::GetCurrentTime());
        const CString display = m_displayFormat.GetText();
        const CString web = CColumnDetail::PreviewText(now, m_webFormat.GetText(), display);
        const CString print = CColumnDetail::PreviewText(now, m_printFormat.GetText(), display);
        switch (focusId) {
        case idWebFormat:
            SetItemText(idWebPreview, web);
            break;
        case idPrintFormat:
            SetItemText(idPrintPreview, print);
            break;
        default:
            SetItemText(idDisplayPreview, now.FormatDate(display));
            SetItemText(idWebPreview, web);
            SetItemText(idPrintPreview, print);
            break;
        }
    } catch (const std::exception&) {
        m_host.ReportError(nullptr, "ListInfoDateDlg", __LINE__);
    }
}

void CListInfoDateDlg::ReadTypeFields(ColumnRecord& form)
{
    form.dateKind = m_kind.GetValue();
    form.datePattern = m_displayFormat.GetText();
    form.dateHtmlPattern = m_webFormat.GetText();
    form.datePrintPattern = m_printFormat.GetText();
    form.hasMinDate = IsItemChecked(idHasMinimum);
    form.hasMaxDate = IsItemChecked(idHasMaximum);
    form.minDate = ParseLimit(m_minimum.GetText());
    form.maxDate = ParseLimit(m_maximum.GetText());
}

bool CListInfoDateDlg::IsTypeModified()
{
    return m_kind.IsModified() || IsFieldModified(m_displayFormat) || IsFieldModified(m_webFormat) ||
           IsFieldModified(m_printFormat) || IsFieldModified(m_minimum) || IsFieldModified(m_maximum);
}
