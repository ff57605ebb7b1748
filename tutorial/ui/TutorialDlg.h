#pragma once

#include "foundation/ui/AnchorDialog.h"

class CHHCtrl;
class CProfileFile;

// The tutorial window: the help pane with the tutorial's pages, standing at the bottom right
// of the screen above other windows, and the check box of the show-at-start setting, which it
// keeps in the program's shared profile.
class CTutorialDlg : public CAnchorDialog
{
  public:
    static constexpr int kTemplateId = 102;
    static constexpr int IDC_HELP_PANE = 1373;
    static constexpr int IDC_SHOW_AT_START = 1374;
    // The page the tutorial starts at, and its home.
    static constexpr int kStartTopic = 1003;
    static constexpr char kHelpFileName[] = "Tutorial.chm";

    // profile: the shared profile file that the main program reads the setting from.
    CTutorialDlg(wxWindow* parent, CProfileFile& profile);

    bool OnInitDialog() override;

    // A request of the main program: comes forward and shows the topic; 0, or a topic the help
    // file does not map, leaves the page as it is.
    void ShowTopic(int topic);
    // The user clicked into the window: it takes the keyboard from now on.
    void TakeKeyboard();

    // Null when the help file was not found.
    CHHCtrl* GetHelpPane() const { return m_pane; }

  private:
    void CreatePane();
    void Place();
    void OnShowAtStart(wxCommandEvent& event);
    void OnClose(wxCloseEvent& event);

    CProfileFile& m_profile;
    CHHCtrl* m_pane = nullptr;
    bool m_refusesKeyboard = false;
};
