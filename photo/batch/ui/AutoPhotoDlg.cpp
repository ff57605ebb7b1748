#include "photo/batch/ui/AutoPhotoDlg.h"

#include "foundation/TypedEditFormats.h"
#include "foundation/ui/MessagePump.h"
#include "list/IListHost.h"
#include "list/ZantobyDoc.h"
#include "photo/batch/AutoPhotoBuilder.h"
#include "photo/batch/ui/PhotoFrame.h"
#include "platform/ui/WxText.h"

#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/radiobut.h>
#include <wx/stattext.h>
#include <wx/utils.h>

#include <algorithm>
#include <exception>

namespace {

enum : int
{
    idCancel = 2,
    idFolder = 1000,
    idPicture = 1006,
    idSubFolders = 1065,
    idStart = 1104,
    idPerRow = 1203,
    idCount = 1380,
    idPath = 1381,
    idTime = 1382,
    idByName = 1412,
    idByDate = 1413,
};

constexpr unsigned kFocusKeys = DIF_UP_PREVIOUS | DIF_DOWN_NEXT | DIF_ENTER_NEXT;
constexpr const char* kSourceName = "AutoPhotoDlg";

const IntegerFormat kPerRowFormat{NF_MAXIMUM | NF_MINIMUM, kMaxPhotosPerRow, 1};

const DialogItemInfo kItems[] = {
    {idFolder, kFocusKeys, kDefaultColor, kDefaultColor, 0, nullptr},
    {idSubFolders, kFocusKeys, kDefaultColor, kDefaultColor, 0, nullptr},
    {idPerRow, kFocusKeys | DIF_ALIGN_CENTER, kDefaultColor, kDefaultColor, 0, nullptr},
    {idStart, 0, kDefaultColor, kDefaultColor, 0, "写真の取り込みを開始します"},
    {idCancel, 0, kDefaultColor, kDefaultColor, 0, "写真の取り込みを中止します"},
    {0, 0, kDefaultColor, kDefaultColor, 0, nullptr},
};

} // namespace

CAutoPhotoDlg::CAutoPhotoDlg(wxWindow* parent, CZantobyDoc& doc)
    : CListDialog(parent, 503, "一発写真整理"), m_doc(doc)
{
    SetHelpTopic(kSourceName);
    SetClientSize(wxSize(560, 330));
    new wxStaticText(this, wxID_ANY, ToWx("整理したい写真があるフォルダ"), wxPoint(12, 12));
    new wxWindow(this, idFolder, wxPoint(12, 34), wxSize(536, 26));
    new wxCheckBox(this, idSubFolders, ToWx("サブフォルダの写真もまとめて整理する"), wxPoint(12, 70));
    new wxRadioButton(this, idByName, ToWx("名前順に取り込む"), wxPoint(12, 98), wxDefaultSize, wxRB_GROUP);
    new wxRadioButton(this, idByDate, ToWx("日付順に取り込む"), wxPoint(180, 98));
    new wxStaticText(this, wxID_ANY, ToWx("1行あたりの写真枚数"), wxPoint(12, 132));
    new wxWindow(this, idPerRow, wxPoint(160, 128), wxSize(70, 24));
    new wxStaticText(this, wxID_ANY, ToWx("枚"), wxPoint(236, 132));
    m_frame = new CPhotoFrame(this, idPicture, wxPoint(12, 164), wxSize(180, 150), CPhotoFrame::Fit::Centre);
    new wxStaticText(this, idCount, wxEmptyString, wxPoint(204, 170), wxSize(344, 20), wxST_NO_AUTORESIZE);
    new wxStaticText(this, idPath, wxEmptyString, wxPoint(204, 196), wxSize(344, 20),
                     wxST_NO_AUTORESIZE | wxST_ELLIPSIZE_START);
    new wxStaticText(this, idTime, wxEmptyString, wxPoint(204, 222), wxSize(344, 20), wxST_NO_AUTORESIZE);
    new wxButton(this, idStart, ToWx("取込開始(&G)"), wxPoint(338, 284), wxSize(100, 30));
    new wxButton(this, idCancel, ToWx("取消(Esc)"), wxPoint(448, 284), wxSize(100, 30));
    Bind(
        wxEVT_BUTTON, [this](wxCommandEvent&) { RunBuild(); }, idStart);
    Bind(
        wxEVT_BUTTON, [this](wxCommandEvent&) { OnCancelRequest(); }, idCancel);
}

bool CAutoPhotoDlg::OnInitDialog()
{
    SetAnchorTable(kItems, false);
    m_folder.AttachToDialogItem(this, idFolder, FindItemInfo(idFolder));
    m_folder.SetFolderMode(false);
    m_perRow.AttachToDialogItem(this, idPerRow, FindItemInfo(idPerRow));
    m_perRow.SetIntegerFormat(&kPerRowFormat, 1);
    m_perRow.GetEdit().SetInteger(kMaxPhotosPerRow);
    SetItemCheck(idSubFolders, true, true);
    SetItemCheck(idByName, true, true);
    return true;
}

void CAutoPhotoDlg::RunBuild()
{
    if (m_running || !AcceptFieldTexts()) {
        return;
    }
    const CString folder = m_folder.GetPath();
    if (folder.IsEmpty()) {
        m_doc.Host().ShowWarningMessage(31700, 0);
        return;
    }
    const bool subFolders = IsItemChecked(idSubFolders);
    const int perRow = std::clamp(m_perRow.GetEdit().GetInteger(), 1, kMaxPhotosPerRow);
    m_running = true;
    m_cancelled = false;
    EnableItem(idStart, false);
    SetItemText(idCancel, "中断(Esc)");
    bool built = false;
    try {
        wxBusyCursor wait;
        CAutoPhotoBuilder builder(m_doc, *this);
        built = builder.Build(folder, subFolders, perRow);
    } catch (const std::exception&) {
        m_doc.Host().ReportError(nullptr, kSourceName, __LINE__);
        m_doc.SwitchUndoOn();
        m_doc.DeleteWorkFolders();
    }
    EndBuild();
    if (built) {
        Finish(wxID_OK);
    }
}

void CAutoPhotoDlg::EndBuild()
{
    m_frame->SetPicture(nullptr);
    m_preview.Clear();
    m_running = false;
    EnableItem(idStart, true);
    SetItemText(idCancel, "取消(Esc)");
}

void CAutoPhotoDlg::ShowSearching()
{
    SetItemText(idCount, "写真を検索しています ...");
    Update();
}

void CAutoPhotoDlg::ShowPhotoReading(const CString& path)
{
    SetItemText(idPath, path);
    SetItemText(idTime, CString());
}

void CAutoPhotoDlg::ShowPhotoDone(int done, int total, const CString& path, const CString& time, int slot)
{
    CString count;
    count.Format("%d / %d", done, total);
    SetItemText(idCount, count);
    SetItemText(idPath, path);
    SetItemText(idTime, time);
    m_frame->SetPicture(nullptr);
    m_preview.Clear();
    if (slot >= 0 && m_preview.LoadJpeg(m_doc.GetThumbnailPath(slot))) {
        m_frame->SetPicture(&m_preview);
        m_frame->Update();
    }
}

bool CAutoPhotoDlg::IsBuildCancelled()
{
    PumpMessages();
    return m_cancelled;
}

void CAutoPhotoDlg::OnCancelRequest()
{
    if (m_running) {
        m_cancelled = true;
        return;
    }
    Finish(wxID_CANCEL);
}
