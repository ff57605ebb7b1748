#include "list/ui/ListInfoChoiceDlg.h"

#include "list/ui/DropChoiceGrid.h"
#include "platform/ui/WxText.h"

#include <wx/button.h>
#include <wx/radiobut.h>

namespace {

enum : int
{
    idNoList = 1012,
    idAutomatic = 1013,
    idManual = 1014,
    idGrid = 1033,
    idMoveDown = 1083,
    idMoveUp = 1081,
    idAdd = 1084,
    idInsert = 1085,
    idDelete = 1087,
};

const RadioGroupItem kDropKinds[] = {{idNoList, 0}, {idAutomatic, 1}, {idManual, 2}, {0, 0}};

} // namespace

CListInfoChoiceDlg::CListInfoChoiceDlg(wxWindow* parent, IListHost& host, ColumnRecord& record,
                                       int templateId, const char* title, int top)
    : CListInfoDetailDlg(parent, host, record, templateId, title, top - kTypeTop + kChoiceAreaHeight),
      m_grid(new CDropChoiceGrid(m_choices, [this] { return m_dropKind.GetValue() == 2; }))
{
    AddItem(idNoList, "入力方法を直接入力のみとします");
    AddItem(idAutomatic, "入力方法を直接入力と既存の入力ﾃﾞｰﾀ一覧からの選択にします");
    AddItem(idManual, "入力方法を直接入力と右のﾄﾞﾛｯﾌﾟﾘｽﾄ一覧からの選択にします");
    Label("ﾄﾞﾛｯﾌﾟﾘｽﾄ", 12, top + 3);
    new wxRadioButton(this, idNoList, ToWx("なし"), wxPoint(100, top), wxDefaultSize, wxRB_GROUP);
    new wxRadioButton(this, idAutomatic, ToWx("自動"), wxPoint(170, top));
    new wxRadioButton(this, idManual, ToWx("手動"), wxPoint(240, top));

    new wxWindow(this, idGrid, wxPoint(100, top + 30), wxSize(264, 150));
    const struct
    {
        int id;
        const char* text;
        const char* tooltip;
        int y;
    } buttons[] = {
        {idAdd, "追加", "新しいﾄﾞﾛｯﾌﾟﾃﾞｰﾀを追加します", 30},
        {idInsert, "挿入", "ｶｰｿﾙ位置に新しいﾄﾞﾛｯﾌﾟﾃﾞｰﾀを追加します", 60},
        {idDelete, "削除", "ｶｰｿﾙ位置のﾄﾞﾛｯﾌﾟﾃﾞｰﾀを削除します", 90},
        {idMoveUp, "上へ", "ｶｰｿﾙ位置のﾄﾞﾛｯﾌﾟﾃﾞｰﾀを上に移動します", 120},
        {idMoveDown, "下へ", "ｶｰｿﾙ位置のﾄﾞﾛｯﾌﾟﾃﾞｰﾀを下に移動します", 150},
    };
    for (const auto& button : buttons) {
        AddItem(button.id, button.tooltip);
        new wxButton(this, button.id, ToWx(button.text), wxPoint(376, top + button.y), wxSize(80, 26));
    }
    Bind(
        wxEVT_BUTTON, [this](wxCommandEvent&) { OnAddChoice(); }, idAdd);
    Bind(
        wxEVT_BUTTON, [this](wxCommandEvent&) { OnInsertChoice(); }, idInsert);
    Bind(
        wxEVT_BUTTON, [this](wxCommandEvent&) { OnDeleteChoice(); }, idDelete);
    Bind(
        wxEVT_BUTTON, [this](wxCommandEvent&) { OnMoveChoiceUp(); }, idMoveUp);
    Bind(
        wxEVT_BUTTON, [this](wxCommandEvent&) { OnMoveChoiceDown(); }, idMoveDown);
}

void CListInfoChoiceDlg::InitTypeFields()
{
    m_dropKind.Init(this, kDropKinds);
    m_dropKind.SetValue(m_record.dropType);
    m_grid->AttachToDialogItem(this, idGrid);
    m_grid->SetupTable();
    m_choices.Load(m_record.dropEntries);
    m_grid->FillAllRows();
}

void CListInfoChoiceDlg::ReadTypeFields(ColumnRecord& form)
{
    form.dropType = m_dropKind.GetValue();
    m_choices.Store(form.dropEntries);
}

bool CListInfoChoiceDlg::IsTypeModified()
{
    return m_dropKind.IsModified() || m_choices.IsChanged();
}

bool CListInfoChoiceDlg::IsEditingInPlace() const
{
    return m_grid->IsEditing();
}

void CListInfoChoiceDlg::AfterChoiceEdit(int row)
{
    if (row < 0) {
        return;
    }
    m_changed = true;
    m_grid->FillAllRows();
    if (m_choices.IsRow(row)) {
        m_grid->MoveToCell(0, row);
    }
    m_grid->SetFocus();
}

void CListInfoChoiceDlg::OnAddChoice()
{
    AfterChoiceEdit(m_choices.Add());
}

void CListInfoChoiceDlg::OnInsertChoice()
{
    AfterChoiceEdit(m_choices.Insert(m_grid->CurrentRow()));
}

void CListInfoChoiceDlg::OnDeleteChoice()
{
    AfterChoiceEdit(m_choices.Delete(m_grid->CurrentRow()));
}

void CListInfoChoiceDlg::OnMoveChoiceUp()
{
    AfterChoiceEdit(m_choices.MoveUp(m_grid->CurrentRow()));
}

void CListInfoChoiceDlg::OnMoveChoiceDown()
{
    AfterChoiceEdit(m_choices.MoveDown(m_grid->CurrentRow()));
}
