#include "photo/batch/ui/LumpPhotoDlg.h"

#include "foundation/ui/FieldEvents.h"
#include "foundation/ui/MessagePump.h"
#include "list/IListHost.h"
#include "photo/batch/IPhotoProfile.h"
#include "photo/batch/ui/LumpPhotoGrid.h"
#include "platform/MessageBox.h"
#include "platform/ui/WxText.h"

#include <wx/button.h>
#include <wx/stattext.h>
#include <wx/utils.h>

#include <exception>

namespace {

enum : int
{
    idFolder = 1032,
    idGrid = 1033,
    idStatus = 1034,
    idCount = 1035,
    idPosition = 1038,
    idZoom = 1044,
    idDeleteCells = 1062,
    idDeleteRows = 1087,
    idHelp = 1091,
    idCancel = 1100,
    idOk = 1104,
    idBreakRow = 1105,
};

constexpr const char* kSourceName = "LumpPhotoDlg";
constexpr unsigned kFocusKeys = DIF_UP_PREVIOUS | DIF_DOWN_NEXT | DIF_ENTER_NEXT;
constexpr unsigned kCorner = DIF_MOVE_BOTTOM | DIF_MOVE_RIGHT;

const DialogItemInfo kItems[] = {
    {idFolder, DIF_ENTER_NEXT | DIF_SIZE_RIGHT, kDefaultColor, kDefaultColor, 0,
     "読み込みたい写真が保存してあるﾌｫﾙﾀﾞを指定します"},
    {idGrid, DIF_SIZE_RIGHT | DIF_SIZE_BOTTOM, kDefaultColor, kDefaultColor, 0, nullptr},
    {idStatus, DIF_MOVE_BOTTOM | DIF_SIZE_RIGHT, kDefaultColor, kDefaultColor, 0, nullptr},
    {idCount, kCorner, kDefaultColor, kDefaultColor, 0, "読み込む写真の枚数を表示します"},
    {idPosition, kCorner, kDefaultColor, kDefaultColor, 0, "選択位置を表示します"},
    {idBreakRow, DIF_MOVE_BOTTOM | kFocusKeys, kDefaultColor, kDefaultColor, 0, "選択位置で行を折り返します"},
    {idDeleteRows, DIF_MOVE_BOTTOM | kFocusKeys, kDefaultColor, kDefaultColor, 0, "選択位置の行を消去します"},
    {idDeleteCells, DIF_MOVE_BOTTOM | kFocusKeys, kDefaultColor, kDefaultColor, 0,
     "選択位置の写真を消去します"},
    {idZoom, DIF_MOVE_BOTTOM | kFocusKeys, kDefaultColor, kDefaultColor, 0, "選択位置の写真を拡大表示します"},
    {idHelp, kCorner | kFocusKeys, kDefaultColor, kDefaultColor, 0, "ﾍﾙﾌﾟを表示します"},
    {idOk, kCorner | kFocusKeys, kDefaultColor, kDefaultColor, 0, "写真の読み込みを実行します"},
    {idCancel, kCorner | kFocusKeys, kDefaultColor, kDefaultColor, 0, "写真の読み込みを中止します"},
    {0, 0, kDefaultColor, kDefaultColor, 0, nullptr},
};

// The controls that rest while a folder is read; cancel stays to stop it.
const int kLockedItems[] = {idBreakRow, idDeleteRows, idDeleteCells, idZoom, idOk};

} // namespace

CLumpPhotoDlg::CLumpPhotoDlg(wxWindow* parent, IListHost& host, IPhotoProfile& settings)
    : CListDialog(parent, 208, "新規写真の一括追加"), m_host(host), m_settings(settings),
      m_grid(new CLumpPhotoGrid(*this))
{
    SetHelpTopic(kSourceName);
    SetClientSize(wxSize(760, 520));
    new wxWindow(this, idFolder, wxPoint(10, 10), wxSize(740, 26));
    new wxWindow(this, idGrid, wxPoint(10, 44), wxSize(740, 370));
    new wxStaticText(this, idStatus, "status", wxPoint(10, 422), wxSize(520, 20),
                     wxST_NO_AUTORESIZE | wxST_ELLIPSIZE_START);
    new wxStaticText(this, idCount, ToWx("999/999枚"), wxPoint(540, 422), wxSize(100, 20),
                     wxST_NO_AUTORESIZE | wxALIGN_RIGHT);
    new wxStaticText(this, idPosition, "X:999 Y:99", wxPoint(650, 422), wxSize(100, 20),
                     wxST_NO_AUTORESIZE | wxALIGN_RIGHT);
    const struct
    {
        int id;
        const char* text;
        int x;
    } buttons[] = {{idBreakRow, "改行(&R)", 10},     {idDeleteRows, "行削除(&L)", 106},
                   {idDeleteCells, "削除(&D)", 202}, {idZoom, "拡大(&D)", 298},
                   {idHelp, "ﾍﾙﾌﾟ(&H)", 430},        {idOk, "実行(&G)", 540},
                   {idCancel, "取消(&C)", 650}};
    for (const auto& button : buttons) {
        new wxButton(this, button.id, ToWx(button.text), wxPoint(button.x, 480),
                     wxSize(button.x < 400 ? 90 : 100, 30));
    }

    Bind(
        EVT_FIELD_SELEND_OK,
        [this](wxCommandEvent&) {
            if (!m_loading) {
                ShowFolder(m_folder.GetPath());
            }
        },
        idFolder);
    Bind(
        wxEVT_BUTTON, [this](wxCommandEvent&) { OnGridButton([this] { m_grid->BreakRow(); }); }, idBreakRow);
    Bind(
        wxEVT_BUTTON, [this](wxCommandEvent&) { OnGridButton([this] { m_grid->DeleteRows(); }); },
        idDeleteRows);
    Bind(
        wxEVT_BUTTON, [this](wxCommandEvent&) { OnGridButton([this] { m_grid->DeleteCells(); }); },
        idDeleteCells);
    Bind(
        wxEVT_BUTTON, [this](wxCommandEvent&) { OnGridButton([this] { m_grid->Zoom(); }); }, idZoom);
    Bind(
        wxEVT_BUTTON, [this](wxCommandEvent&) { m_host.ShowHelpPage(kSourceName); }, idHelp);
    Bind(
        wxEVT_BUTTON, [this](wxCommandEvent&) { OnOk(); }, idOk);
    Bind(
        wxEVT_BUTTON, [this](wxCommandEvent&) { OnCancelRequest(); }, idCancel);
}

bool CLumpPhotoDlg::OnInitDialog()
{
    SetAnchorTable(kItems, true);
    m_folder.AttachToDialogItem(this, idFolder, FindItemInfo(idFolder));
    m_folder.SetFolderMode(false);
    m_grid->AttachToDialogItem(this, idGrid);
    Move(50, 50);
    SetItemText(idCount, CString());
    SetItemText(idStatus, CString());
    SetItemText(idPosition, CString());
    const CString folder = m_settings.GetPhotoFolder();
    if (!folder.IsEmpty()) {
        m_folder.SetPath(folder);
        // The dialog shows first, so that the reading can be followed and stopped.
        CallAfter([this, folder] { ShowFolder(folder); });
    }
    return true;
}

template <typename Command> void CLumpPhotoDlg::OnGridButton(Command command)
{
    try {
        command();
    } catch (const std::exception&) {
        m_host.ReportError(nullptr, kSourceName, __LINE__);
    }
    m_grid->SetFocus();
}

void CLumpPhotoDlg::EnableControls(bool enable)
{
    m_folder.EnableControl(enable);
    for (int id : kLockedItems) {
        EnableItem(id, enable);
    }
}

void CLumpPhotoDlg::ShowFolder(const CString& folder)
{
    EnableControls(false);
    m_loading = true;
    m_cancelled = false;
    try {
        m_grid->Cells().SetRows(0);
        m_grid->ShowCells();
        {
            wxBusyCursor wait;
            m_grid->Photos().LoadFolder(folder, *this, m_host);
        }
        m_grid->Cells().ShowOnePerRow(m_grid->Photos().GetSize());
        m_grid->ShowCells();
        if (m_grid->Cells().Rows() > 0) {
            m_grid->MoveToCell(0, 0);
        }
        CString count;
        count.Format("%d枚", m_grid->Photos().GetSize());
        SetItemText(idCount, count);
        SetItemText(idStatus, CString());
        m_grid->SetFocus();
    } catch (const std::exception&) {
        m_host.ReportError(nullptr, kSourceName, __LINE__);
    }
    m_loading = false;
    m_cancelled = false;
    EnableControls(true);
}

void CLumpPhotoDlg::ShowLoading(const CString& path, int done, int total)
{
    SetItemText(idStatus, path + " ...読込中");
    CString count;
    count.Format("%d/%d枚", done, total);
    SetItemText(idCount, count);
}

bool CLumpPhotoDlg::AskToGoOnAfter(const CString&)
{
    return m_host.AskMessage(20900, MB_YESNO) == IDYES;
}

bool CLumpPhotoDlg::IsLoadCancelled()
{
    PumpMessages();
    return m_cancelled;
}

void CLumpPhotoDlg::ShowPosition(const CString& text)
{
    SetItemText(idPosition, text);
}

void CLumpPhotoDlg::Leave(int result)
{
    const CString folder = m_folder.GetPath();
    if (!folder.IsEmpty()) {
        m_settings.SetPhotoFolder(folder);
    }
    for (int i = 0; i < m_grid->Photos().GetSize(); ++i) {
        m_grid->Photos().At(i).FreePicture();
    }
    Finish(result);
}

void CLumpPhotoDlg::OnOk()
{
    if (m_loading) {
        return;
    }
    m_grid->Cells().RemoveEmptyRows();
    Leave(wxID_OK);
}

void CLumpPhotoDlg::OnCancelRequest()
{
    if (m_loading) {
        m_cancelled = true;
        return;
    }
    Leave(wxID_CANCEL);
}

void CLumpPhotoDlg::FillLayout(BulkImportLayout& layout)
{
    m_grid->Cells().FillLayout(m_grid->Photos(), layout);
}
