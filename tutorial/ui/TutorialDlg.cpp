#include "tutorial/ui/TutorialDlg.h"

#include "tutorial/TutorialPlacement.h"
#include "tutorial/ui/HHCtrl.h"

#include "foundation/ProfileFile.h"
#include "platform/ui/GtkGlue.h"
#include "platform/ui/WxBitmap.h"
#include "platform/ui/WxText.h"
#include "res/images/BitmapArt.h"
#include "res/images/IconPainter.h"

#include <wx/app.h>
#include <wx/checkbox.h>
#include <wx/display.h>
#include <wx/icon.h>
#include <wx/stattext.h>

namespace {

// The shared profile's key of the show-at-start setting.
constexpr char kSection[] = "Auto";
constexpr char kKey[] = "Tutorial";

// Sizes in dialog units.
const wxSize kDialogSize(212, 176);
const wxRect kPaneRect(0, 0, 212, 158);
const wxRect kCheckRect(7, 162, 120, 10);

const DialogItemInfo kItems[] = {
    {CTutorialDlg::IDC_HELP_PANE, DIF_SIZE_RIGHT | DIF_SIZE_BOTTOM, kDefaultColor, kDefaultColor, 0, nullptr},
    {CTutorialDlg::IDC_SHOW_AT_START, DIF_MOVE_BOTTOM, kDefaultColor, kDefaultColor, 0, nullptr},
    {},
};

} // namespace

CTutorialDlg::CTutorialDlg(wxWindow* parent, CProfileFile& profile)
    : CAnchorDialog(parent, kTemplateId, "チュートリアル", wxDefaultSize,
                    wxDEFAULT_DIALOG_STYLE | wxSTAY_ON_TOP),
      m_profile(profile)
{
    SetClientSize(ConvertDialogToPixels(kDialogSize));
    const auto pixels = [this](const wxRect& units) {
        return wxRect(ConvertDialogToPixels(units.GetPosition()), ConvertDialogToPixels(units.GetSize()));
    };
    const wxRect pane = pixels(kPaneRect);
    new wxStaticText(this, IDC_HELP_PANE, wxString(), pane.GetPosition(), pane.GetSize());
    const wxRect check = pixels(kCheckRect);
    new wxCheckBox(this, IDC_SHOW_AT_START, ToWx("起動時に表示する"), check.GetPosition(), check.GetSize());
    Bind(wxEVT_CHECKBOX, &CTutorialDlg::OnShowAtStart, this, IDC_SHOW_AT_START);
    Bind(wxEVT_CLOSE_WINDOW, &CTutorialDlg::OnClose, this);
    // Esc ends the viewer as closing does, rather than hiding a window that nothing shows again.
    Bind(
        wxEVT_BUTTON, [this](wxCommandEvent&) { Close(); }, wxID_CANCEL);
    InitDialog();
}

bool CTutorialDlg::OnInitDialog()
{
    wxIcon icon;
    icon.CopyFromBitmap(ToWxBitmap(CBitmapArt::DrawIcon(32), CIconPainter::kTransparent));
    SetIcon(icon);
    SetAnchorTable(kItems, true);
    CreatePane();
    SetItemCheck(IDC_SHOW_AT_START, m_profile.GetProfileBool(kSection, kKey, true), true);
    Place();
    return true;
}

void CTutorialDlg::CreatePane()
{
    auto* pane = new CHHCtrl();
    // Without the help file the window still opens, with its check box.
    if (!pane->SetHelpFile(kHelpFileName) ||
        !pane->CreateFromControl(this, IDC_HELP_PANE,
                                 CHHCtrl::kHomeButton | CHHCtrl::kBackButton | CHHCtrl::kForwardButton,
                                 CString(), kStartTopic, false)) {
        delete pane;
        return;
    }
    m_pane = pane;
    m_pane->LoadTopicMap(kStartTopic);
}

void CTutorialDlg::Place()
{
    const wxRect window = GetRect();
    const wxRect work = wxDisplay(0u).GetClientArea();
    const CRect placed =
        CTutorialPlacement::Place(CRect(window.x, window.y, window.GetRight() + 1, window.GetBottom() + 1),
                                  CRect(work.x, work.y, work.GetRight() + 1, work.GetBottom() + 1));
    SetSize(placed.left, placed.top, placed.Width(), placed.Height());
}

void CTutorialDlg::ShowTopic(int topic)
{
    if (IsIconized()) {
        Restore();
    }
    if (IsShown()) {
        TakeKeyboard();
        Raise();
    } else {
        // Started beside the program, the viewer leaves the keyboard, and the top of the windows
        // above the others, to the window the user works in, such as a dialog waiting for an
        // answer; the desktop gives it the keyboard only once the user clicks into it.
        m_refusesKeyboard = true;
        GtkGlue::SetTakesKeyboard(*this, false);
        GtkGlue::LowerWhenMapped(*this);
        GtkGlue::AllocateBeforeFirstShow(*this);
        ShowWithoutActivating();
    }
    if (topic != 0 && m_pane != nullptr) {
        m_pane->LoadTopicMap(topic);
    }
}

void CTutorialDlg::TakeKeyboard()
{
    if (!m_refusesKeyboard) {
        return;
    }
    m_refusesKeyboard = false;
    GtkGlue::SetTakesKeyboard(*this, true);
    Raise();
}

void CTutorialDlg::OnShowAtStart(wxCommandEvent&)
{
    m_profile.WriteProfileBool(kSection, kKey, IsItemChecked(IDC_SHOW_AT_START));
}

void CTutorialDlg::OnClose(wxCloseEvent&)
{
    // The last window stays on screen until the next idle time deletes it and ends the
    // viewer; a close request from the main program brings no event that would start one.
    Destroy();
    wxWakeUpIdle();
}
