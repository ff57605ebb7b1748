#include "photo/batch/ui/OutputPhotoDlg.h"

#include "app/ProfileSettings.h"
#include "foundation/TypedEditFormats.h"
#include "foundation/ui/MessagePump.h"
#include "list/IListHost.h"
#include "list/ZantobyDoc.h"
#include "photo/batch/PhotoOutput.h"
#include "photo/batch/ui/OutputPhotoGrid.h"
#include "platform/MessageBox.h"
#include "platform/ui/WxText.h"

#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/radiobut.h>
#include <wx/statbox.h>
#include <wx/stattext.h>
#include <wx/utils.h>

#include <exception>

namespace {

enum : int
{
    idFolder = 1000,
    idLength = 1003,
    idGrid = 1033,
    idStatus = 1034,
    idHelp = 1091,
    idOutput = 1104,
    idClose = 1100,
    idOriginal = 1162,
    idStandard = 1163,
    idThumbnail = 1164,
    idCheckSize = 1250,
    idByHeight = 1284,
    idShortSide = 1290,
    idFree = 1288,
};

constexpr int kMinimumLength = 100;
constexpr int kMaximumLength = 2560;
constexpr int kPauseMs = 500;
constexpr const char* kHelpTopic = "OutputPhotoDlg";

const IntegerFormat kLengthFormat{NF_SHOW_ZERO | NF_MAXIMUM | NF_MINIMUM, kMaximumLength, kMinimumLength};
const RadioGroupItem kBaseItems[] = {{idByHeight, 0}, {idShortSide, 1}, {0, 0}};

const DialogItemInfo kItems[] = {
    {idGrid, 0, kDefaultColor, kDefaultColor, 0, nullptr},
    {idOriginal, 0, kDefaultColor, kDefaultColor, 0, nullptr},
    {idStandard, 0, kDefaultColor, kDefaultColor, 0, nullptr},
    {idThumbnail, 0, kDefaultColor, kDefaultColor, 0, nullptr},
    {idFree, 0, kDefaultColor, kDefaultColor, 0, nullptr},
    {idLength, DIF_ALIGN_RIGHT, kDefaultColor, kDefaultColor, 0, nullptr},
    {idFolder, 0, kDefaultColor, kDefaultColor, 0, "出力先のﾌｫﾙﾀﾞ"},
    {idStatus, 0, kDefaultColor, kDefaultColor, 0, nullptr},
    {0, 0, kDefaultColor, kDefaultColor, 0, nullptr},
};

// The buttons and boxes that rest while photos are written; the close button stays to stop.
const int kLockedItems[] = {idOriginal, idStandard,  idThumbnail, idFree,  idCheckSize,
                            idByHeight, idShortSide, idHelp,      idOutput};

} // namespace

COutputPhotoDlg::COutputPhotoDlg(wxWindow* parent, CZantobyDoc& doc, const std::vector<int>& slots,
                                 CProfileSettings& profile)
    : CListDialog(parent, 228, "写真ﾌｧｲﾙ出力"), m_doc(doc), m_slots(slots), m_profile(profile),
      m_grid(new COutputPhotoGrid)
{
    m_profile.LoadPhotoOutputSettings(m_settings);
    SetHelpTopic(kHelpTopic);
    SetClientSize(wxSize(620, 420));
    new wxWindow(this, idGrid, wxPoint(10, 10), wxSize(380, 352));
    new wxStaticBox(this, wxID_ANY, ToWx("出力ｻｲｽﾞ"), wxPoint(400, 6), wxSize(210, 130));
    new wxCheckBox(this, idOriginal, ToWx("原寸(未加工)"), wxPoint(412, 28));
    new wxCheckBox(this, idStandard, ToWx("標準(写真ﾋﾞｭｰ)"), wxPoint(412, 54));
    new wxCheckBox(this, idThumbnail, ToWx("ｻﾑﾈｰﾙ"), wxPoint(412, 80));
    new wxCheckBox(this, idFree, ToWx("ﾌﾘｰｻｲｽﾞ"), wxPoint(412, 106));
    new wxStaticBox(this, wxID_ANY, ToWx("ﾌﾘｰｻｲｽﾞの指定"), wxPoint(400, 142), wxSize(210, 120));
    new wxWindow(this, idLength, wxPoint(412, 166), wxSize(80, 24));
    new wxStaticText(this, wxID_ANY, "dot", wxPoint(498, 170));
    new wxButton(this, idCheckSize, "...", wxPoint(540, 164), wxSize(40, 28));
    new wxRadioButton(this, idByHeight, ToWx("高さを基準にする"), wxPoint(412, 202), wxDefaultSize,
                      wxRB_GROUP);
    new wxRadioButton(this, idShortSide, ToWx("短辺を基準にする"), wxPoint(412, 230));
    new wxStaticText(this, wxID_ANY, ToWx("出力先"), wxPoint(400, 276));
    new wxWindow(this, idFolder, wxPoint(400, 298), wxSize(210, 26));
    new wxStaticText(this, idStatus, wxEmptyString, wxPoint(10, 372), wxSize(380, 20),
                     wxST_NO_AUTORESIZE | wxST_ELLIPSIZE_MIDDLE);
    new wxButton(this, idHelp, ToWx("ﾍﾙﾌﾟ(&H)"), wxPoint(290, 380), wxSize(100, 30));
    new wxButton(this, idOutput, ToWx("出力(&G)"), wxPoint(400, 380), wxSize(100, 30));
    new wxButton(this, idClose, ToWx("閉じる(&C)"), wxPoint(510, 380), wxSize(100, 30));

    Bind(
        wxEVT_BUTTON, [this](wxCommandEvent&) { RunOutput(); }, idOutput);
    Bind(
        wxEVT_BUTTON, [this](wxCommandEvent&) { OnCancelRequest(); }, idClose);
    Bind(
        wxEVT_BUTTON, [this](wxCommandEvent&) { CheckSize(); }, idCheckSize);
    Bind(
        wxEVT_BUTTON, [this](wxCommandEvent&) { m_doc.Host().ShowHelpPage(kHelpTopic); }, idHelp);
}

COutputPhotoDlg::~COutputPhotoDlg()
{
    m_profile.SavePhotoOutputSettings(m_settings);
}

bool COutputPhotoDlg::OnInitDialog()
{
    SetAnchorTable(kItems, false);
    m_grid->AttachToDialogItem(this, idGrid);
    m_grid->Fill(m_doc, m_slots);
    m_length.AttachToDialogItem(this, idLength, FindItemInfo(idLength));
    m_length.SetIntegerFormat(&kLengthFormat, 1);
    m_base.Init(this, kBaseItems);
    m_folder.AttachToDialogItem(this, idFolder, FindItemInfo(idFolder));
    m_folder.SetFolderMode(false);
    SetItemCheck(idOriginal, m_settings.sizeOriginal, true);
    SetItemCheck(idStandard, m_settings.sizeStandard, true);
    SetItemCheck(idThumbnail, m_settings.sizeThumbnail, true);
    SetItemCheck(idFree, m_settings.sizeFree, true);
    m_length.GetEdit().SetInteger(m_settings.freeLength);
    m_base.SetValue(m_settings.freeBase);
    m_folder.SetPath(m_settings.folder);
    SetItemText(idStatus, CString());
    return true;
}

PhotoOutputSettings COutputPhotoDlg::ReadSettings()
{
    PhotoOutputSettings settings;
    settings.folder = m_folder.GetPath();
    settings.sizeOriginal = IsItemChecked(idOriginal);
    settings.sizeStandard = IsItemChecked(idStandard);
    settings.sizeThumbnail = IsItemChecked(idThumbnail);
    settings.sizeFree = IsItemChecked(idFree);
    settings.freeLength = m_length.GetEdit().GetInteger();
    settings.freeBase = m_base.GetValue();
    return settings;
}

void COutputPhotoDlg::EnableControls(bool enable)
{
    m_grid->Enable(enable);
    m_length.EnableControl(enable);
    m_folder.EnableControl(enable);
    for (int id : kLockedItems) {
        EnableItem(id, enable);
    }
    SetItemText(idClose, enable ? "閉じる(&C)" : "中止(&C)");
}

void COutputPhotoDlg::RunOutput()
{
    if (m_running || !AcceptFieldTexts()) {
        return;
    }
    m_running = true;
    m_cancelled = false;
    EnableControls(false);
    PumpMessages();
    CPhotoOutput::Result result = CPhotoOutput::Result::NoFolder;
    try {
        const PhotoOutputSettings settings = ReadSettings();
        CPhotoOutput output(m_doc, *this);
        result = output.Run(m_grid->GetRows(), settings);
        if (result != CPhotoOutput::Result::NoFolder) {
            m_settings = settings;
        }
    } catch (const std::exception&) {
        m_doc.Host().ReportError(nullptr, kHelpTopic, __LINE__);
    }
    EnableControls(true);
    SetItemText(idStatus, CString());
    m_running = false;
    if (result == CPhotoOutput::Result::Stopped ||
        (result == CPhotoOutput::Result::Completed && m_cancelled)) {
        m_doc.Host().ShowInfoMessage(10701, 0);
    } else if (result == CPhotoOutput::Result::Completed) {
        m_doc.Host().ShowInfoMessage(10700, 0);
    }
}

void COutputPhotoDlg::ShowOutputProgress(const CString& text)
{
    SetItemText(idStatus, text);
}

bool COutputPhotoDlg::PauseAfterPhoto()
{
    PumpMessagesFor(kPauseMs);
    return m_cancelled;
}

void COutputPhotoDlg::OnCancelRequest()
{
    m_cancelled = true;
    if (!m_running) {
        Finish(wxID_CANCEL);
    }
}

void COutputPhotoDlg::CheckSize()
{
    int length = m_length.GetEdit().GetInteger();
    const wxRect button = GetItem(idCheckSize)->GetScreenRect();
    if (m_doc.Host().RunSizeCheckDialog(length, kMinimumLength, kMaximumLength, button.x,
                                        button.y + button.height + 1) == IDOK) {
        m_length.GetEdit().SetInteger(length);
    }
}
