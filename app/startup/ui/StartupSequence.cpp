#include "app/startup/ui/StartupSequence.h"

#include "app/frame/ui/MainFrame.h"
#include "app/settings/VersionInfo.h"
#include "app/startup/NavigatorModel.h"
#include "app/startup/StartupPlan.h"
#include "app/startup/ui/OutsideLogs.h"
#include "app/startup/ui/SplashDlg.h"
#include "app/startup/ui/ZantobyApp.h"
#include "platform/MessageBox.h"
#include "platform/ShowCommands.h"
#include "platform/ui/GtkGlue.h"

#include <wx/display.h>
#include <wx/utils.h>

#include <vector>

namespace {

// The tutorial's first page, shown at start.
constexpr int kTutorialStartTopic = 1003;

} // namespace

void CStartupSequence::Run(const std::vector<std::string>& arguments)
{
    auto* splash = new CSplashDlg(nullptr);
    splash->Show();
    splash->Refresh();
    splash->Update();
    COutsideLogs::SplashShown();

    const bool fileNamed = ProcessCommandLine(arguments);

    // The splash's timer runs only while events are processed.
    while (!splash->HasEnded()) {
        m_app.PumpMessages();
        wxMilliSleep(10);
    }
    splash->Destroy();

    ShowMainWindow();
    m_app.Opening().EndStart();

    if (m_app.Settings().GetAutoTutorial()) {
        m_app.ShowTutorial(kTutorialStartTopic);
    }
    if (!fileNamed && m_app.Settings().GetAutoNavigate()) {
        // The recent lists when there are any, else the samples; once the main loop runs.
        int recent = 0;
        for (int i = 0; i < m_app.GetRecentFiles().GetCount(); ++i) {
            recent += m_app.GetRecentFiles().GetPath(i).IsEmpty() ? 0 : 1;
        }
        m_startNavigatorTab = recent > 0 ? CNavigatorModel::kRecentTab : CNavigatorModel::kSampleTab;
        if (m_mainFrameOnScreen) {
            m_app.CallAfter([this] { OpenStartNavigator(); });
        }
    }
}

void CStartupSequence::OnMainFrameShown(wxShowEvent& event)
{
    event.Skip();
    m_mainFrameOnScreen = event.IsShown();
    if (m_mainFrameOnScreen && m_startNavigatorTab >= 0) {
        m_app.CallAfter([this] { OpenStartNavigator(); });
    }
}

void CStartupSequence::OpenStartNavigator()
{
    const int tab = m_startNavigatorTab;
    m_startNavigatorTab = -1;
    if (tab >= 0) {
        m_app.RunOpenNavigator(tab);
    }
}

bool CStartupSequence::ProcessCommandLine(const std::vector<std::string>& arguments)
{
    const CString unheld = CStartupPlan::DescribeUnheldArgument(arguments);
    if (!unheld.IsEmpty()) {
        ShowMessageBox(unheld, kProductName, MB_OK | MB_ICONEXCLAMATION);
        return false;
    }
    if (m_app.Opening().OpenFileArgument(CStartupPlan::FindFileArgument(arguments))) {
        return true;
    }
    const CString& last = m_app.GetLastDocument();
    if (CStartupPlan::ShouldOpenLastDocument(m_app.Settings().GetAutoNavigate(), wxGetKeyState(WXK_SHIFT),
                                             m_app.Settings().GetAutoOpen(), last)) {
        m_app.Opening().OpenNow(last);
    }
    return false;
}

void CStartupSequence::ShowMainWindow()
{
    CMainFrame& main = *m_app.GetMainFrame();
    const CRect saved = m_app.Settings().GetMainFrameRect();
    std::vector<CRect> screens;
    for (unsigned index = 0; index < wxDisplay::GetCount(); ++index) {
        const wxRect area = wxDisplay(index).GetClientArea();
        screens.emplace_back(area.x, area.y, area.x + area.width, area.y + area.height);
    }
    CRect placed;
    if (CStartupPlan::PlaceSavedRect(saved, screens, placed)) {
        main.SetSize(placed.left, placed.top, placed.Width(), placed.Height());
        GtkGlue::MoveTopLevel(main, wxPoint(placed.left, placed.top));
    }
    GtkGlue::AllocateBeforeFirstShow(main);
    main.Show();
    if (m_app.Settings().GetMainFrameShow() == SW_SHOWMAXIMIZED) {
        main.Maximize();
    }
    main.Update();
}
