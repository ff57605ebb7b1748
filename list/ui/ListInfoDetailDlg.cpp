#include "list/ui/ListInfoDetailDlg.h"

#include "list/ColumnDetail.h"
#include "list/IListHost.h"
#include "list/ui/FieldModified.h"
#include "platform/MessageBox.h"
#include "platform/ui/WxText.h"

#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/radiobut.h>
#include <wx/stattext.h>

namespace {

const IntegerFormat kWidthFormat{NF_SHOW_ZERO | NF_MAXIMUM | NF_MINIMUM, kMaxColumns, 0};

} // namespace

const TextFormat CListInfoDetailDlg::kAnyText{
    TF_DIGITS | TF_UPPER | TF_LOWER | TF_HALF_KANA | TF_SYMBOLS | TF_DOUBLE_BYTE, 0, 0, 0};

CListInfoDetailDlg::CListInfoDetailDlg(wxWindow* parent, IListHost& host, ColumnRecord& record,
                                       int templateId, const char* title, int typeHeight)
    : CListDialog(parent, templateId, title), m_host(host), m_record(record),
      m_hasRules(record.type != kTypeYesNo)
{
    const int height = kTypeTop + typeHeight + 48;
    SetClientSize(wxSize(kClientWidth, height));
    SetHelpTopic("ListInfoDlg");

    AddItem(idName, "項目名を入力します");
    AddItem(idSubName, "補助項目名を入力します");
    AddItem(idRemark, "説明を入力します");
    Label("項目名", 12, 15);
    Placeholder(idName, 100, 10, 356);
    Label("補助項目名", 12, 45);
    Placeholder(idSubName, 100, 40, 356);
    Label("説明", 12, 75);
    Placeholder(idRemark, 100, 70, 356);

    AddItem(idLeft, "表示を左寄せにします");
    AddItem(idCentre, "表示を中央寄せにします");
    AddItem(idRight, "表示を右寄せにします");
    Label("表示位置", 12, 106);
    new wxRadioButton(this, idLeft, ToWx("左"), wxPoint(100, 104), wxDefaultSize, wxRB_GROUP);
    new wxRadioButton(this, idCentre, ToWx("中央"), wxPoint(160, 104));
    new wxRadioButton(this, idRight, ToWx("右"), wxPoint(230, 104));

    AddItem(idWidth, "入力幅を文字単位で指定します");
    Label("入力幅", 12, 137);
    Placeholder(idWidth, 100, 132, 70);
    Label("文字", 176, 137);
    if (m_hasRules) {
        AddCheckBox(idRequired, "必須入力", 240, 135, "[ﾘｽﾄ入力内容ﾁｪｯｸ]での必須入力のﾁｪｯｸ対象にします");
        AddCheckBox(idUnique, "重複値禁止", 340, 135, "[ﾘｽﾄ入力内容ﾁｪｯｸ]での重複入力のﾁｪｯｸ対象にします");
    }

    const int buttonTop = height - 40;
    AddItem(idHelp, "ﾍﾙﾌﾟを表示します");
    AddItem(idSet, "入力した内容を設定して、このﾀﾞｲｱﾛｸﾞを閉じます");
    AddItem(idCancel, "入力した内容を取り消して、このﾀﾞｲｱﾛｸﾞを閉じます");
    new wxButton(this, idHelp, ToWx("ﾍﾙﾌﾟ(&H)"), wxPoint(12, buttonTop), wxSize(84, 28));
    new wxButton(this, idSet, ToWx("設定(&G)"), wxPoint(kClientWidth - 188, buttonTop), wxSize(84, 28));
    new wxButton(this, idCancel, ToWx("取消(&C)"), wxPoint(kClientWidth - 96, buttonTop), wxSize(84, 28));

    // Esc asks first; the 取消 button closes at once; Enter sets nothing.
    Bind(
        wxEVT_BUTTON, [this](wxCommandEvent&) { ApplyColumnDetail(); }, idSet);
    Bind(
        wxEVT_BUTTON, [this](wxCommandEvent&) { Finish(IDCANCEL); }, idCancel);
    Bind(
        wxEVT_BUTTON, [this](wxCommandEvent&) { m_host.ShowHelpPage(GetHelpTopic()); }, idHelp);
    Bind(wxEVT_RADIOBUTTON, [this](wxCommandEvent& event) {
        m_changed = true;
        event.Skip();
    });
    Bind(wxEVT_CHECKBOX, [this](wxCommandEvent& event) {
        m_changed = true;
        event.Skip();
    });
}

void CListInfoDetailDlg::AddItem(int id, const char* tooltip)
{
    m_items.push_back({id, 0, kDefaultColor, kDefaultColor, 0, tooltip});
}

void CListInfoDetailDlg::Label(const char* text, int x, int y)
{
    new wxStaticText(this, wxID_ANY, ToWx(text), wxPoint(x, y));
}

void CListInfoDetailDlg::Placeholder(int id, int x, int y, int width)
{
    new wxWindow(this, id, wxPoint(x, y), wxSize(width, 24));
}

wxWindow* CListInfoDetailDlg::AddCheckBox(int id, const char* text, int x, int y, const char* tooltip)
{
    AddItem(id, tooltip);
    return new wxCheckBox(this, id, ToWx(text), wxPoint(x, y));
}

bool CListInfoDetailDlg::OnInitDialog()
{
    m_items.push_back({});
    SetAnchorTable(m_items.data(), false);
    m_name.CreateOverDialogItem(this, idName, FindItemInfo(idName));
    m_subName.CreateOverDialogItem(this, idSubName, FindItemInfo(idSubName));
    m_remark.CreateOverDialogItem(this, idRemark, FindItemInfo(idRemark));
    for (CEditField* field : {&m_name, &m_subName, &m_remark}) {
        field->SetTextFormat(&kAnyText);
    }
    m_name.SetText(m_record.name);
    m_subName.SetText(m_record.subName);
    m_remark.SetText(m_record.remark);
    static const RadioGroupItem kAlignments[] = {{idLeft, 0}, {idCentre, 1}, {idRight, 2}, {0, 0}};
    m_align.Init(this, kAlignments);
    m_align.SetValue(m_record.align);
    m_width.AttachToDialogItem(this, idWidth, FindItemInfo(idWidth));
    m_width.SetIntegerFormat(&kWidthFormat, 1);
    m_width.GetEdit().SetInteger(m_record.width);
    if (m_hasRules) {
        SetItemCheck(idRequired, m_record.required, true);
        SetItemCheck(idUnique, m_record.unique, true);
    }
    InitTypeFields();
    m_changed = false;
    return true;
}

bool CListInfoDetailDlg::IsDetailModified()
{
    return m_changed || IsFieldModified(m_name) || IsFieldModified(m_subName) || IsFieldModified(m_remark) ||
           IsFieldModified(m_width) || m_align.IsModified() || IsTypeModified();
}

void CListInfoDetailDlg::ApplyColumnDetail()
{
    if (!AcceptFieldTexts()) {
        return;
    }
    if (!IsDetailModified()) {
        Finish(IDCANCEL);
        return;
    }
    ColumnRecord form = m_record;
    form.name = m_name.GetText();
    form.subName = m_subName.GetText();
    form.remark = m_remark.GetText();
    form.align = m_align.GetValue();
    form.width = m_width.GetEdit().GetInteger();
    if (m_hasRules) {
        form.required = IsItemChecked(idRequired);
        form.unique = IsItemChecked(idUnique);
    }
    ReadTypeFields(form);
    CColumnDetail::Apply(form, m_record);
    Finish(IDOK);
}

void CListInfoDetailDlg::CancelColumnDetail()
{
    if (!IsDetailModified()) {
        Finish(IDCANCEL);
        return;
    }
    switch (m_host.AskMessage(21300, MB_YESNOCANCEL)) {
    case IDYES:
        ApplyColumnDetail();
        break;
    case IDNO:
        Finish(IDCANCEL);
        break;
    default:
        break;
    }
}
