#include "web/exchange/ui/BackupDlg.h"

#include "foundation/ui/FieldEvents.h"
#include "foundation/ui/MessagePump.h"
#include "list/IListHost.h"
#include "list/ZantobyDoc.h"
#include "platform/MessageBox.h"
#include "platform/ui/WxText.h"
#include "web/exchange/BackupEngine.h"

#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/gauge.h>
#include <wx/stattext.h>
#include <wx/utils.h>

#include <exception>

namespace {

enum : int
{
    idRun = 1,
    idCancel = 2,
    idDestination = 1000,
    idStatus = 1034,
    idChangedOnly = 1066,
    idHelp = 1091,
    idSeveralDisks = 1188,
    idProgress = 1191,
};

const DialogItemInfo kItems[] = {
    {idDestination, 0, kDefaultColor, kDefaultColor, 0, "ﾊﾞｯｸｱｯﾌﾟ先のﾌｫﾙﾀﾞ"},
    {idSeveralDisks, 0, kDefaultColor, kDefaultColor, 0, nullptr},
    {idChangedOnly, 0, kDefaultColor, kDefaultColor, 0, nullptr},
    {idStatus, 0, kDefaultColor, kDefaultColor, 0, nullptr},
    {idProgress, 0, kDefaultColor, kDefaultColor, 0, nullptr},
    {0, 0, kDefaultColor, kDefaultColor, 0, nullptr},
};

constexpr const char* kHelpTopic = "BackupDlg";

} // namespace

CBackupDlg::CBackupDlg(wxWindow* parent, CZantobyDoc& doc)
    : CAnchorDialog(parent, 234, "ﾊﾞｯｸｱｯﾌﾟ", wxSize(470, 210)), m_doc(doc)
{
    SetHelpTopic(kHelpTopic);
    new wxStaticText(this, wxID_ANY, ToWx("ﾊﾞｯｸｱｯﾌﾟ先"), wxPoint(14, 18));
    new wxWindow(this, idDestination, wxPoint(110, 14), wxSize(340, 26));
    new wxCheckBox(this, idSeveralDisks, ToWx("複数のﾃﾞｨｽｸにﾊﾞｯｸｱｯﾌﾟする"), wxPoint(110, 48));
    new wxCheckBox(this, idChangedOnly, ToWx("変更箇所のみﾊﾞｯｸｱｯﾌﾟする"), wxPoint(110, 74));
    new wxStaticText(this, idStatus, wxEmptyString, wxPoint(14, 104), wxSize(436, 20),
                     wxST_NO_AUTORESIZE | wxST_ELLIPSIZE_MIDDLE);
    new wxGauge(this, idProgress, CBackupEngine::kProgressEnd, wxPoint(14, 128), wxSize(436, 16));
    new wxButton(this, idHelp, ToWx("ﾍﾙﾌﾟ(&H)"), wxPoint(14, 160), wxSize(100, 30));
    auto* run = new wxButton(this, idRun, ToWx("実行(Enter)"), wxPoint(240, 160), wxSize(100, 30));
    new wxButton(this, idCancel, ToWx("取消(Esc)"), wxPoint(350, 160), wxSize(100, 30));
    run->SetDefault();
    SetEscapeId(idCancel);

    Bind(
        wxEVT_BUTTON, [this](wxCommandEvent&) { RunBackup(); }, idRun);
    Bind(
        wxEVT_BUTTON, [this](wxCommandEvent&) { OnCancel(); }, idCancel);
    Bind(
        wxEVT_BUTTON, [this](wxCommandEvent&) { m_doc.Host().ShowHelpPage(kHelpTopic); }, idHelp);
    Bind(
        EVT_FIELD_UPDATE, [this](wxCommandEvent&) { m_settingsChanged = true; }, idDestination);
    Bind(
        wxEVT_CHECKBOX, [this](wxCommandEvent&) { m_settingsChanged = true; }, idSeveralDisks);
    Bind(
        wxEVT_CHECKBOX, [this](wxCommandEvent&) { m_settingsChanged = true; }, idChangedOnly);
    Bind(wxEVT_CLOSE_WINDOW, &CBackupDlg::OnClose, this);
}

int CBackupDlg::Run(wxWindow* parent, CZantobyDoc& doc)
{
    try {
        CBackupDlg dialog(parent, doc);
        return dialog.DoModal() == IDOK ? IDOK : IDCANCEL;
    } catch (const std::exception&) {
        doc.Host().ReportError(nullptr, kHelpTopic, __LINE__);
    }
    return IDCANCEL;
}

bool CBackupDlg::OnInitDialog()
{
    SetAnchorTable(kItems, false);
    m_destination.AttachToDialogItem(this, idDestination, FindItemInfo(idDestination));
    m_destination.SetFolderMode(false);
    m_destination.SetPath(m_doc.backupFolder);
    SetItemCheck(idSeveralDisks, m_doc.backupOn, true);
    SetItemCheck(idChangedOnly, true, true);
    SetProgressRange(idProgress, 0, CBackupEngine::kProgressEnd);
    SetProgressPos(idProgress, 0);
    m_settingsChanged = false;
    return true;
}

void CBackupDlg::RunBackup()
{
    if (m_running) {
        return;
    }
    m_running = true;
    m_cancelled = false;
    EnableItem(idRun, false);
    CString destination = m_destination.GetPath();
    // Typing alone tells the dialog nothing until the field is left.
    bool settingsChanged = m_settingsChanged || destination != m_doc.backupFolder;
    CBackupEngine::Outcome outcome = CBackupEngine::Outcome::NotStarted;
    try {
        wxBusyCursor wait;
        CBackupEngine engine(m_doc, *this);
        outcome = engine.Run(destination, IsItemChecked(idSeveralDisks), IsItemChecked(idChangedOnly),
                             settingsChanged);
    } catch (const std::exception&) {
        m_doc.Host().ReportError(nullptr, kHelpTopic, __LINE__);
    }
    if (outcome != CBackupEngine::Outcome::NotStarted) {
        // The outcome stays in view a moment before the dialog may close.
        PumpMessagesFor(1000);
    }
    EnableItem(idRun, true);
    m_running = false;
    if (outcome == CBackupEngine::Outcome::Completed) {
        EndModal(IDOK);
    }
}

void CBackupDlg::ShowBackupStatus(const CString& text)
{
    SetItemText(idStatus, text);
}

void CBackupDlg::SetBackupProgress(int position)
{
    SetProgressPos(idProgress, position);
}

bool CBackupDlg::IsBackupCancelled()
{
    PumpMessages();
    return m_cancelled;
}

void CBackupDlg::OnCancel()
{
    if (m_running) {
        m_cancelled = true;
        return;
    }
    EndModal(IDCANCEL);
}

void CBackupDlg::OnClose(wxCloseEvent& event)
{
    if (m_running) {
        m_cancelled = true;
        event.Veto();
        return;
    }
    EndModal(IDCANCEL);
}
