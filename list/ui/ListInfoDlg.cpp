#include "list/ui/ListInfoDlg.h"

#include "list/IListHost.h"
#include "list/ZantobyDoc.h"
#include "list/ui/ColumnDetailDialogs.h"
#include "list/ui/FieldModified.h"
#include "list/ui/ListInfoGrid.h"
#include "platform/MessageBox.h"
#include "platform/ui/WxText.h"

#include <wx/button.h>
#include <wx/radiobut.h>
#include <wx/statbox.h>
#include <wx/stattext.h>
#include <wx/utils.h>

#include <algorithm>
#include <exception>

namespace {

constexpr int kTemplateId = 201;
const wxSize kClientSize(664, 446);

enum : int
{
    idCancel = 2,
    idTitle = 1015,
    idLockedColumns = 1016,
    idGrid = 1033,
    idStatus = 1034,
    idDetails = 1064,
    idMoveUp = 1081,
    idMoveDown = 1083,
    idInsert = 1085,
    idDelete = 1087,
    idHelp = 1091,
    idThumbnailSize = 1095,
    idSet = 1104,
    idStandardSize = 1205,
    idByHeight = 1206,
    idByShortSide = 1207,
    idStandardPercent = 1208,
    idCheckStandard = 1249,
    idCheckThumbnail = 1252,
};

constexpr DialogItemInfo Item(int id, const char* tip)
{
    return {id, 0, kDefaultColor, kDefaultColor, 0, tip};
}

const DialogItemInfo kItems[] = {
    Item(idTitle, "ﾘｽﾄのﾀｲﾄﾙを入力します"),
    Item(idLockedColumns, "一覧の固定列数を指定します"),
    Item(idGrid, nullptr),
    Item(idInsert, "ｶｰｿﾙ位置に新しい項目を挿入します"),
    Item(idDelete, "ｶｰｿﾙ位置の項目を削除します"),
    Item(idMoveUp, "ｶｰｿﾙ位置の項目を上に移動します"),
    Item(idMoveDown, "ｶｰｿﾙ位置の項目を下に移動します"),
    Item(idDetails, "ｶｰｿﾙ位置の詳細情報を設定します"),
    Item(idByHeight, "写真の高さを基準に縮小します"),
    Item(idByShortSide, "写真の短辺を基準に縮小します"),
    Item(idStandardSize, "写真ﾋﾞｭｰに表示する写真のｻｲｽﾞを指定します"),
    Item(idCheckStandard, "写真ﾋﾞｭｰに表示する写真のｻｲｽﾞを確認します"),
    Item(idStandardPercent, "写真ﾋﾞｭｰに表示する写真の縮小率を指定します"),
    Item(idThumbnailSize, "ｻﾑﾈｰﾙ写真のｻｲｽﾞを指定します"),
    Item(idCheckThumbnail, "ｻﾑﾈｰﾙ写真のｻｲｽﾞを確認します"),
    Item(idStatus, nullptr),
    Item(idHelp, "ﾍﾙﾌﾟを表示します"),
    Item(idSet, "入力した内容を設定して、このﾀﾞｲｱﾛｸﾞを閉じます"),
    Item(idCancel, "入力した内容を取り消して、このﾀﾞｲｱﾛｸﾞを閉じます"),
    Item(0, nullptr),
};

const TextFormat kTitleFormat{TF_DIGITS | TF_UPPER | TF_LOWER | TF_HALF_KANA | TF_SYMBOLS | TF_DOUBLE_BYTE, 0,
                              0, 0};
const IntegerFormat kLockedFormat{NF_SHOW_ZERO | NF_MAXIMUM | NF_MINIMUM, kMaxColumns, 0};
const IntegerFormat kStandardFormat{NF_SHOW_ZERO | NF_MAXIMUM | NF_MINIMUM, 1280, 100};
const IntegerFormat kPercentFormat{NF_SHOW_ZERO | NF_MAXIMUM | NF_MINIMUM, 100, 0};
const IntegerFormat kThumbnailFormat{NF_SHOW_ZERO | NF_MAXIMUM | NF_MINIMUM, 120, 20};
const RadioGroupItem kSizeBasis[] = {{idByHeight, 0}, {idByShortSide, 1}, {0, 0}};

} // namespace

CListInfoDlg::CListInfoDlg(wxWindow* parent, CZantobyDoc& doc)
    : CListDialog(parent, kTemplateId, "ﾘｽﾄ情報設定"), m_doc(doc), m_host(doc.Host()),
      m_grid(new CListInfoGrid(m_columns)), m_watch(*this, idStatus)
{
    SetClientSize(kClientSize);
    SetHelpTopic("ListInfoDlg");
    auto label = [this](const char* text, int x, int y) {
        new wxStaticText(this, wxID_ANY, ToWx(text), wxPoint(x, y));
    };
    auto button = [this](int id, const char* text, int x, int y, int width) {
        new wxButton(this, id, ToWx(text), wxPoint(x, y), wxSize(width, 28));
    };

    label("ﾀｲﾄﾙ", 12, 15);
    new wxWindow(this, idTitle, wxPoint(80, 10), wxSize(400, 24));
    label("固定列数", 500, 15);
    new wxWindow(this, idLockedColumns, wxPoint(570, 10), wxSize(82, 24));

    new wxWindow(this, idGrid, wxPoint(12, 44), wxSize(560, 252));
    button(idInsert, "挿入", 584, 44, 68);
    button(idDelete, "削除", 584, 76, 68);
    button(idMoveUp, "上へ", 584, 116, 68);
    button(idMoveDown, "下へ", 584, 148, 68);
    button(idDetails, "詳細...", 584, 188, 68);

    new wxStaticBox(this, wxID_ANY, ToWx("写真ｻｲｽﾞ"), wxPoint(12, 304), wxSize(640, 86));
    new wxRadioButton(this, idByHeight, ToWx("高さを基準にする"), wxPoint(24, 326), wxDefaultSize,
                      wxRB_GROUP);
    new wxRadioButton(this, idByShortSide, ToWx("短辺を基準にする"), wxPoint(200, 326));
    label("標準ｻｲｽﾞ", 24, 359);
    new wxWindow(this, idStandardSize, wxPoint(96, 354), wxSize(70, 24));
    button(idCheckStandard, "...", 168, 352, 36);
    label("ﾋﾟｸｾﾙ", 208, 359);
    label("縮小率", 268, 359);
    new wxWindow(this, idStandardPercent, wxPoint(316, 354), wxSize(60, 24));
    label("%", 380, 359);
    label("ｻﾑﾈｰﾙｻｲｽﾞ", 404, 359);
    new wxWindow(this, idThumbnailSize, wxPoint(490, 354), wxSize(60, 24));
    button(idCheckThumbnail, "...", 552, 352, 36);
    label("ﾋﾟｸｾﾙ", 592, 359);

    new wxStaticText(this, idStatus, wxString(), wxPoint(12, 412), wxSize(320, 20), wxST_NO_AUTORESIZE);
    button(idHelp, "ﾍﾙﾌﾟ(&H)", 384, 406, 84);
    button(idSet, "設定(&G)", 476, 406, 84);
    button(idCancel, "取消(&C)", 568, 406, 84);

    // Enter sets nothing; Esc, the close box and 取消 all cancel.

    Bind(
        wxEVT_BUTTON, [this](wxCommandEvent&) { ApplyListInfo(); }, idSet);
    Bind(
        wxEVT_BUTTON, [this](wxCommandEvent&) { CancelListInfo(); }, idCancel);
    Bind(
        wxEVT_BUTTON, [this](wxCommandEvent&) { m_host.ShowHelpPage(GetHelpTopic()); }, idHelp);
    Bind(
        wxEVT_BUTTON, [this](wxCommandEvent&) { OnInsertColumn(); }, idInsert);
    Bind(
        wxEVT_BUTTON, [this](wxCommandEvent&) { OnDeleteColumn(); }, idDelete);
    Bind(
        wxEVT_BUTTON, [this](wxCommandEvent&) { OnMoveColumnUp(); }, idMoveUp);
    Bind(
        wxEVT_BUTTON, [this](wxCommandEvent&) { OnMoveColumnDown(); }, idMoveDown);
    Bind(
        wxEVT_BUTTON, [this](wxCommandEvent&) { OpenColumnDetailDlg(m_grid->CurrentRow()); }, idDetails);
    Bind(
        wxEVT_BUTTON, [this](wxCommandEvent&) { CheckStandardSize(); }, idCheckStandard);
    Bind(
        wxEVT_BUTTON, [this](wxCommandEvent&) { CheckThumbnailSize(); }, idCheckThumbnail);
    for (int id : {idInsert, idDelete, idMoveUp, idMoveDown, idDetails}) {
        Bind(wxEVT_UPDATE_UI, &CListInfoDlg::OnUpdateButton, this, id);
    }
}

bool CListInfoDlg::OnInitDialog()
{
    SetAnchorTable(kItems, false);
    m_title.CreateOverDialogItem(this, idTitle, FindItemInfo(idTitle));
    m_title.SetTextFormat(&kTitleFormat);
    m_title.SetText(m_doc.title);
    m_lockedColumns.AttachToDialogItem(this, idLockedColumns, FindItemInfo(idLockedColumns));
    m_lockedColumns.SetIntegerFormat(&kLockedFormat, 1);
    m_lockedColumns.GetEdit().SetInteger(m_doc.lockedColumns);

    m_grid->AttachToDialogItem(this, idGrid);
    m_grid->SetupTable();
    m_grid->SetDetailOpener([this](int row) { OpenColumnDetailDlg(row); });
    m_columns.Load(m_doc);
    m_grid->FillAllRows();

    const PhotoSizeSettings& sizes = m_doc.photoSizes;
    m_sizeBasis.Init(this, kSizeBasis);
    m_sizeBasis.SetValue(sizes.shortSide ? 1 : 0);
    m_standardSize.AttachToDialogItem(this, idStandardSize, FindItemInfo(idStandardSize));
    m_standardSize.SetIntegerFormat(&kStandardFormat, 1);
    m_standardSize.GetEdit().SetInteger(sizes.standardSize);
    m_standardPercent.AttachToDialogItem(this, idStandardPercent, FindItemInfo(idStandardPercent));
    m_standardPercent.SetIntegerFormat(&kPercentFormat, 1);
    m_standardPercent.GetEdit().SetInteger(sizes.standardPercent);
    m_thumbnailSize.AttachToDialogItem(this, idThumbnailSize, FindItemInfo(idThumbnailSize));
    m_thumbnailSize.SetIntegerFormat(&kThumbnailFormat, 1);
    m_thumbnailSize.GetEdit().SetInteger(sizes.thumbnailSize);
    m_busy = false;
    m_watch.Reset();
    return true;
}

bool CListInfoDlg::IsInfoModified()
{
    return m_columns.IsChanged() || IsFieldModified(m_title) || IsFieldModified(m_lockedColumns) ||
           IsFieldModified(m_standardSize) || IsFieldModified(m_standardPercent) ||
           IsFieldModified(m_thumbnailSize) || m_sizeBasis.IsModified();
}

void CListInfoDlg::ApplyListInfo()
{
    if (m_busy || !AcceptFieldTexts()) {
        return;
    }
    m_busy = true;
    m_watch.Reset();
    m_grid->EnableGrid(0);
    CListInfoApply::Input input;
    input.title = m_title.GetText();
    input.lockedColumns = m_lockedColumns.GetEdit().GetInteger();
    input.photoSizes.standardSize = m_standardSize.GetEdit().GetInteger();
    input.photoSizes.standardPercent = m_standardPercent.GetEdit().GetInteger();
    input.photoSizes.thumbnailSize = m_thumbnailSize.GetEdit().GetInteger();
    input.photoSizes.shortSide = m_sizeBasis.GetValue() == 1;
    input.modified = IsInfoModified();

    CListInfoApply apply(m_doc, m_columns, m_watch);
    CListInfoApply::Outcome outcome;
    {
        wxBusyCursor wait;
        outcome = apply.Run(input);
    }
    m_changedDocument = m_changedDocument || apply.ChangedDocument();
    m_busy = false;
    m_watch.Reset();
    m_grid->EnableGrid(1);
    switch (outcome) {
    case CListInfoApply::Outcome::CloseOk:
        Finish(IDOK);
        break;
    case CListInfoApply::Outcome::CloseCancel:
        Finish(m_changedDocument ? IDOK : IDCANCEL);
        break;
    case CListInfoApply::Outcome::StayOpen:
        // The list may hold new columns already; the grid shows what the list now holds.
        m_grid->FillAllRows();
        break;
    }
}

void CListInfoDlg::CancelListInfo()
{
    if (m_busy) {
        m_watch.RequestStop();
        return;
    }
    // A set that stopped part-way changed the list, which the caller must hear of.
    const int cancelled = m_changedDocument ? IDOK : IDCANCEL;
    if (!IsInfoModified()) {
        Finish(cancelled);
        return;
    }
    switch (m_host.AskMessage(21300, MB_YESNOCANCEL)) {
    case IDYES:
        ApplyListInfo();
        break;
    case IDNO:
        Finish(cancelled);
        break;
    default:
        break;
    }
}

bool CListInfoDlg::IsEditingInPlace() const
{
    return m_grid->IsEditing();
}

void CListInfoDlg::AfterColumnEdit(int currentRow)
{
    m_grid->FillAllRows();
    if (m_columns.IsRow(currentRow)) {
        m_grid->MoveToCell(std::max(m_grid->CurrentColumn(), 0), currentRow);
    }
    m_grid->SetFocus();
}

void CListInfoDlg::OnInsertColumn()
{
    const int row = m_grid->CurrentRow();
    if (!m_busy && m_columns.Insert(row)) {
        AfterColumnEdit(row);
    }
}

void CListInfoDlg::OnDeleteColumn()
{
    const int row = m_grid->CurrentRow();
    if (!m_busy && m_columns.Delete(row)) {
        AfterColumnEdit(std::min(row, m_columns.Count() - 1));
    }
}

void CListInfoDlg::OnMoveColumnUp()
{
    const int row = m_grid->CurrentRow();
    if (!m_busy && m_columns.MoveUp(row)) {
        AfterColumnEdit(row - 1);
    }
}

void CListInfoDlg::OnMoveColumnDown()
{
    const int row = m_grid->CurrentRow();
    if (!m_busy && m_columns.MoveDown(row)) {
        AfterColumnEdit(row + 1);
    }
}

void CListInfoDlg::OpenColumnDetailDlg(int row)
{
    if (m_busy || !m_columns.IsRow(row) || m_columns.Record(row).type == kTypeNone) {
        return;
    }
    try {
        if (RunColumnDetailDialog(this, m_host, m_columns.Record(row)) == IDOK) {
            m_columns.SetChanged();
            m_grid->FillRow(row);
            m_grid->RepaintRow(row);
        }
    } catch (const std::exception&) {
        m_host.ReportError(nullptr, "ListInfoDlg", __LINE__);
    }
}

void CListInfoDlg::CheckSize(CSpinEdit& field, int buttonId, int minimum, int maximum)
{
    int value = field.GetEdit().GetInteger();
    const wxRect button = GetItem(buttonId)->GetScreenRect();
    if (m_host.RunSizeCheckDialog(value, minimum, maximum, button.x, button.y + button.height + 1) == IDOK) {
        field.GetEdit().SetInteger(value);
        field.SetChanged(true);
    }
}

void CListInfoDlg::CheckStandardSize()
{
    CheckSize(m_standardSize, idCheckStandard, kStandardFormat.minimum, kStandardFormat.maximum);
}

void CListInfoDlg::CheckThumbnailSize()
{
    CheckSize(m_thumbnailSize, idCheckThumbnail, kThumbnailFormat.minimum, kThumbnailFormat.maximum);
}

void CListInfoDlg::OnUpdateButton(wxUpdateUIEvent& event)
{
    // The buttons act on the grid's current row, so they work while the grid or one of them
    // has the focus.
    bool onGrid = false;
    for (wxWindow* focus = wxWindow::FindFocus(); focus != nullptr && !onGrid; focus = focus->GetParent()) {
        const int id = focus->GetId();
        onGrid = focus == m_grid || id == idInsert || id == idDelete || id == idMoveUp || id == idMoveDown ||
                 id == idDetails;
    }
    const int row = m_grid->CurrentRow();
    const int count = m_columns.Count();
    bool enable = onGrid && !m_busy;
    switch (event.GetId()) {
    case idDelete:
        enable = enable && m_columns.IsRow(row);
        break;
    case idMoveUp:
        enable = enable && row >= 1 && row < count;
        break;
    case idMoveDown:
        enable = enable && row >= 0 && row < count - 1;
        break;
    default:
        break;
    }
    event.Enable(enable);
}
