#include "app/settings/ui/AboutDlg.h"

#include "app/settings/VersionInfo.h"
#include "app/startup/ui/ZantobyApp.h"
#include "foundation/ui/SystemServices.h"
#include "platform/ShowCommands.h"
#include "platform/ui/WxText.h"
#include "res/images/BitmapArt.h"
#include "shell/ui/ResourceBitmaps.h"

#include <wx/button.h>
#include <wx/statbmp.h>
#include <wx/stattext.h>

namespace {

constexpr int IDC_GREETING = 1049;
constexpr int IDC_VERSION = 1067;
constexpr int IDC_PICTURE = 1349;
constexpr int IDC_HOME_PAGE = 1350;
constexpr int IDC_OK = 1;

constexpr char kHomePage[] = "https://www.zantoby.example/";

CString Title()
{
    CString title;
    title.Format("%sのｱﾌﾟﾘｹｰｼｮﾝ情報", kProductName);
    return title;
}

} // namespace

CAboutDlg::CAboutDlg(wxWindow* parent) : CAnchorDialog(parent, 200, Title(), wxDefaultSize)
{
    SetClientSize(430, 230);
    SetHelpTopic("AboutDlg");
    SetIcons(CResourceBitmaps::GetProgramIcons());
    new wxStaticText(this, IDC_GREETING, ToWx("Zantobyをご利用いただき、ありがとうございます。"),
                     wxPoint(10, 12), wxSize(410, 24), wxALIGN_CENTRE_HORIZONTAL);
    new wxStaticBitmap(this, IDC_PICTURE, CResourceBitmaps::GetBitmap(CBitmapArt::kAboutPicture),
                       wxPoint(92, 44));
    new wxStaticText(this, IDC_VERSION, wxString(), wxPoint(10, 178), wxSize(200, -1));
    new wxButton(this, IDC_HOME_PAGE, ToWx("Zantoby ホームページ(&W)"), wxPoint(10, 196), wxSize(180, 28));
    auto* ok = new wxButton(this, IDC_OK, ToWx("OK(Enter)"), wxPoint(250, 196), wxSize(84, 28));
    new wxButton(this, kHelpButtonId, ToWx("ﾍﾙﾌﾟ(&H)"), wxPoint(338, 196), wxSize(84, 28));
    ok->SetDefault();
    SetAffirmativeId(IDC_OK);
    SetEscapeId(IDC_OK);
    Bind(wxEVT_BUTTON, &CAboutDlg::OnHomePage, this, IDC_HOME_PAGE);
    Bind(
        wxEVT_BUTTON, [this](wxCommandEvent&) { EndModal(IDC_OK); }, IDC_OK);
}

bool CAboutDlg::OnInitDialog()
{
    // 10.5 points, bold.
    if (m_greetingFont.Create("ＭＳ ゴシック", -14, 0, 700, false)) {
        SetItemFont(IDC_GREETING, &m_greetingFont.GetFont());
    }
    CString version;
    version.Format("version %s", wxGetApp().GetVersionString().GetString());
    SetItemText(IDC_VERSION, version);
    return true;
}

void CAboutDlg::OnHomePage(wxCommandEvent&)
{
    const CString reason = OpenWithShell(this, "open", kHomePage, CString(), CString(), SW_SHOWMAXIMIZED);
    if (!reason.IsEmpty()) {
        wxGetApp().ShowWarningMessage(30001, 0, kHomePage, reason.GetString());
    }
}
