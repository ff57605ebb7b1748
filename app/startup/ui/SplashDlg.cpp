#include "app/startup/ui/SplashDlg.h"

#include "res/images/BitmapArt.h"
#include "shell/ui/ResourceBitmaps.h"

#include <wx/statbmp.h>

namespace {

constexpr int kTemplateId = 232;
constexpr int IDC_PICTURE = 1355;

const DialogItemInfo kItems[] = {
    {IDC_PICTURE, 0, kDefaultColor, kDefaultColor, 0, nullptr},
    {},
};

} // namespace

CSplashDlg::CSplashDlg(wxWindow* parent)
    : CAnchorDialog(parent, kTemplateId, CString(), wxDefaultSize, wxBORDER_SIMPLE | wxSTAY_ON_TOP)
{
    const wxBitmap picture = CResourceBitmaps::GetBitmap(CBitmapArt::kSplash);
    SetClientSize(picture.GetSize());
    new wxStaticBitmap(this, IDC_PICTURE, picture, wxPoint(0, 0), picture.GetSize());
    m_timer.SetOwner(this);
    Bind(wxEVT_TIMER, &CSplashDlg::OnTimer, this);
    CentreOnScreen();
    InitDialog();
}

bool CSplashDlg::OnInitDialog()
{
    SetAnchorTable(kItems, false);
    m_timer.StartOnce(kShowMilliseconds);
    return true;
}

void CSplashDlg::OnTimer(wxTimerEvent&)
{
    m_ended = true;
    Hide();
}
