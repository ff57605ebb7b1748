#include "photo/batch/ui/SequencePhotoDlg.h"

#include "foundation/ui/FieldEvents.h"
#include "foundation/ui/ReportList.h"
#include "list/IListHost.h"
#include "photo/batch/IPhotoProfile.h"
#include "photo/batch/ui/PhotoFrame.h"
#include "photo/batch/ui/ZoomPhotoDlg.h"
#include "platform/MessageBox.h"
#include "platform/ui/WxText.h"

#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/stattext.h>
#include <wx/utils.h>

#include <exception>
#include <vector>

namespace {

enum : int
{
    idFolder = 1032,
    idList = 1060,
    idDelete = 1062,
    idClose = 1063,
    idZoom = 1064,
    idSubFolders = 1065,
    idRefresh = 1066,
    idPicture = 1006,
    idSize = 1055,
    idHelp = 1091,
    idTimer = 1,
};

constexpr int kPreviewTicks = 4;
constexpr const char* kSourceName = "SequencePhotoDlg";
constexpr unsigned kButton = DIF_MOVE_RIGHT | DIF_MOVE_BOTTOM;

const DialogItemInfo kItems[] = {
    {idFolder, DIF_SIZE_RIGHT | DIF_UP_PREVIOUS | DIF_DOWN_NEXT | DIF_ENTER_NEXT, kDefaultColor,
     kDefaultColor, 0, "読み込みたい写真が保存してあるﾌｫﾙﾀﾞを指定します"},
    {idSubFolders, DIF_MOVE_RIGHT, kDefaultColor, kDefaultColor, 0, "ｻﾌﾞﾌｫﾙﾀﾞ内の写真も一括して表示します"},
    {idList, DIF_SIZE_RIGHT | DIF_SIZE_BOTTOM, kDefaultColor, kDefaultColor, 0, nullptr},
    {idPicture, DIF_MOVE_RIGHT, kDefaultColor, kDefaultColor, 0, nullptr},
    {idSize, DIF_MOVE_RIGHT, kDefaultColor, kDefaultColor, 0, nullptr},
    {idRefresh, kButton, kDefaultColor, kDefaultColor, 0, "写真ﾌｧｲﾙ一覧の内容を最新情報に更新します"},
    {idZoom, kButton, kDefaultColor, kDefaultColor, 0, "選択位置の写真を拡大して編集します"},
    {idDelete, kButton, kDefaultColor, kDefaultColor, 0, "選択位置の写真を削除します"},
    {idClose, kButton, kDefaultColor, kDefaultColor, 0, "このﾀﾞｲｱﾛｸﾞを閉じます"},
    {idHelp, kButton, kDefaultColor, kDefaultColor, 0, nullptr},
    {0, 0, kDefaultColor, kDefaultColor, 0, nullptr},
};

} // namespace

CSequencePhotoDlg::CSequencePhotoDlg(wxWindow* parent, IListHost& host, IPhotoProfile& settings)
    : CListDialog(parent, 212, "連続取込"), m_host(host), m_settings(settings), m_timer(this, idTimer)
{
    SetHelpTopic(kSourceName);
    SetClientSize(wxSize(640, 400));
    new wxWindow(this, idFolder, wxPoint(10, 10), wxSize(420, 26));
    new wxCheckBox(this, idSubFolders, ToWx("ｻﾌﾞﾌｫﾙﾀﾞの写真も表示"), wxPoint(444, 14));
    m_list = new CReportList(this, idList, wxPoint(10, 44), wxSize(420, 346), wxLC_REPORT);
    m_frame = new CPhotoFrame(this, idPicture, wxPoint(444, 44), wxSize(186, 140), CPhotoFrame::Fit::Preview);
    new wxStaticText(this, idSize, ToWx("X:9999 Y:9999"), wxPoint(444, 190), wxSize(186, 20),
                     wxST_NO_AUTORESIZE);
    const struct
    {
        int id;
        const char* text;
    } buttons[] = {{idRefresh, "更新(&U)"},
                   {idZoom, "拡大表示(&Z)"},
                   {idDelete, "削除(&D)"},
                   {idClose, "閉じる(&C)"},
                   {idHelp, "ﾍﾙﾌﾟ(&H)"}};
    int y = 220;
    for (const auto& button : buttons) {
        new wxButton(this, button.id, ToWx(button.text), wxPoint(530, y), wxSize(100, 30));
        y += 34;
    }

    Bind(
        EVT_FIELD_SELEND_OK, [this](wxCommandEvent&) { Refresh(); }, idFolder);
    Bind(
        wxEVT_CHECKBOX, [this](wxCommandEvent&) { Refresh(); }, idSubFolders);
    Bind(
        wxEVT_BUTTON, [this](wxCommandEvent&) { Refresh(); }, idRefresh);
    Bind(
        wxEVT_BUTTON, [this](wxCommandEvent&) { Zoom(); }, idZoom);
    Bind(
        wxEVT_LIST_ITEM_ACTIVATED, [this](wxListEvent&) { Zoom(); }, idList);
    Bind(
        wxEVT_BUTTON, [this](wxCommandEvent&) { DeleteSelected(); }, idDelete);
    Bind(
        wxEVT_BUTTON, [this](wxCommandEvent&) { Hide(); }, idClose);
    Bind(
        wxEVT_BUTTON, [this](wxCommandEvent&) { m_host.ShowHelpPage(kSourceName); }, idHelp);
    Bind(
        wxEVT_LIST_ITEM_SELECTED, [this](wxListEvent&) { OnSelectionChanged(); }, idList);
    Bind(
        wxEVT_LIST_ITEM_DESELECTED, [this](wxListEvent&) { OnSelectionChanged(); }, idList);
    Bind(
        wxEVT_TIMER, [this](wxTimerEvent&) { OnTick(); }, idTimer);
    m_list->Bind(wxEVT_KEY_DOWN, &CSequencePhotoDlg::OnListKey, this);
}

bool CSequencePhotoDlg::OnInitDialog()
{
    SetAnchorTable(kItems, true);
    m_folder.AttachToDialogItem(this, idFolder, FindItemInfo(idFolder));
    m_folder.SetFolderMode(false);
    m_list->SetColumns({{"ﾌｧｲﾙ名", wxLIST_FORMAT_LEFT, 90},
                        {"ﾌｫﾙﾀﾞ名", wxLIST_FORMAT_LEFT, 180},
                        {"作成日", wxLIST_FORMAT_LEFT, 90},
                        {"ｻｲｽﾞ", wxLIST_FORMAT_RIGHT, 60}});
    Move(50, 50);
    SetItemCheck(idSubFolders, m_settings.GetViewSubFolder(), true);
    SetItemText(idSize, CString());
    const CString folder = m_settings.GetPhotoFolder();
    if (!folder.IsEmpty()) {
        m_folder.SetPath(folder);
        Refresh();
    }
    return true;
}

void CSequencePhotoDlg::Refresh()
{
    wxBusyCursor wait;
    const CString folder = m_folder.GetPath();
    m_files.Refresh(folder, IsItemChecked(idSubFolders));
    m_list->DeleteAllItems();
    const auto& items = m_files.Items();
    for (size_t i = 0; i < items.size(); ++i) {
        const int row = m_list->AddItem(CContinuousImportList::ColumnText(items[i], 0), static_cast<long>(i));
        for (int column = 1; column < 4; ++column) {
            m_list->SetText(row, column, CContinuousImportList::ColumnText(items[i], column));
        }
    }
    m_settings.SetPhotoFolder(folder);
    m_settings.SetViewSubFolder(IsItemChecked(idSubFolders));
    // The rows went without a word of their selection: nothing is selected now, and the picture
    // of a file that may be gone goes too.
    m_timer.Stop();
    ShowPreview();
}

bool CSequencePhotoDlg::GetSelectedFiles(CStringArray& paths) const
{
    paths.RemoveAll();
    const auto& items = m_files.Items();
    for (long row = m_list->GetNextItem(-1, wxLIST_NEXT_ALL, wxLIST_STATE_SELECTED); row >= 0;
         row = m_list->GetNextItem(row, wxLIST_NEXT_ALL, wxLIST_STATE_SELECTED)) {
        const auto index = static_cast<size_t>(m_list->GetItemData(row));
        if (index < items.size()) {
            paths.Add(items[index].path);
        }
    }
    return paths.GetSize() > 0;
}

void CSequencePhotoDlg::SelectNext()
{
    const int selected = m_list->GetSelectedItem();
    const int next = CContinuousImportList::NextSelection(selected, m_list->GetItemCount());
    // SelectItem(-1) clears the selection, which is what follows the last row.
    m_list->SelectItem(-1);
    if (next >= 0) {
        m_list->SelectItem(next);
    }
}

void CSequencePhotoDlg::Zoom()
{
    try {
        const int row = m_list->GetSelectedItem();
        if (row >= 0) {
            const auto index = static_cast<size_t>(m_list->GetItemData(row));
            CZoomPhotoDlg::Open(m_files.Items().at(index).path);
        }
    } catch (const std::exception&) {
        m_host.ReportError(nullptr, kSourceName, __LINE__);
    }
}

void CSequencePhotoDlg::DeleteSelected()
{
    if (m_list->GetItemCount() == 0 || m_host.AskMessage(21100, MB_OKCANCEL) != IDOK) {
        return;
    }
    CStringArray selected;
    GetSelectedFiles(selected);
    std::vector<CString> paths;
    for (int i = 0; i < selected.GetSize(); ++i) {
        paths.push_back(selected[i]);
    }
    CString failed;
    if (!CContinuousImportList::DeleteFiles(paths, failed)) {
        CString message;
        message.Format("ﾌｧｲﾙを削除できません\n\n%s", failed.GetString());
        m_host.ReportError(message, kSourceName, __LINE__);
        return;
    }
    Refresh();
}

void CSequencePhotoDlg::OnSelectionChanged()
{
    m_countdown = kPreviewTicks;
    m_timer.Start(100);
}

void CSequencePhotoDlg::OnTick()
{
    if (m_countdown > 0) {
        --m_countdown;
        return;
    }
    m_timer.Stop();
    ShowPreview();
}

void CSequencePhotoDlg::ShowPreview()
{
    m_preview.Clear();
    const int row = m_list->GetSelectedItem();
    if (row >= 0) {
        const auto index = static_cast<size_t>(m_list->GetItemData(row));
        if (index < m_files.Items().size()) {
            m_preview.Load(m_files.Items()[index].path);
        }
    }
    SetItemText(idSize, m_preview.SizeText());
    m_frame->SetPicture(m_preview.IsLoaded() ? &m_preview.Picture() : nullptr);
}

void CSequencePhotoDlg::OnListKey(wxKeyEvent& event)
{
    if (event.GetKeyCode() == 'A' && event.GetModifiers() == wxMOD_CONTROL) {
        for (int row = 0; row < m_list->GetItemCount(); ++row) {
            m_list->SetItemState(row, wxLIST_STATE_SELECTED | wxLIST_STATE_FOCUSED,
                                 wxLIST_STATE_SELECTED | wxLIST_STATE_FOCUSED);
        }
        return;
    }
    event.Skip();
}
