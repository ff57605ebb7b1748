#pragma once

#include "tutorial/TopicMap.h"

#include "platform/CString.h"

#include <wx/panel.h>

class wxHtmlWindow;
class wxToolBar;

// The help pane: shows the pages of a compiled help file in an HTML view under a small button
// bar (home, back, forward, print, close), and finds the page of a topic id through the help
// file's own topic tables.
class CHHCtrl : public wxPanel
{
  public:
    // Buttons of the bar, by their bit in the button mask; a button's command is
    // kFirstCommand + its position.
    enum Button : unsigned
    {
        kHomeButton = 0x01,
        kBackButton = 0x02,
        kForwardButton = 0x04,
        kPrintButton = 0x08,
        kCloseButton = 0x10,
    };
    static constexpr int kFirstCommand = 65280;
    static constexpr int kLastCommand = 65284;
    // The print command of the program's menus, which the pane also takes.
    static constexpr int kPrintCommand = 57607;

    // Two-step: the help file may be set before the pane is created.
    CHHCtrl() = default;

    // Builds the bar and the HTML view in rect of parent. The home is homePage (a page path in
    // the help file, or a full address when it holds ":"), else the page of homeTopic (0: no
    // home). labels: button texts under the images.
    bool Create(wxWindow* parent, int id, const wxRect& rect, unsigned buttons, const CString& homePage,
                int homeTopic, bool labels);
    // Takes the place of a control of parent: its rectangle and its id; the control is destroyed.
    bool CreateFromControl(wxWindow* parent, int controlId, unsigned buttons, const CString& homePage,
                           int homeTopic, bool labels);

    // Locates the help file (FindHelpFile, from the installed program's data folder, else the
    // running program's folder). When it is
    // nowhere, shows that it cannot be found and returns false.
    bool SetHelpFile(const CString& name);
    const CString& GetHelpFile() const { return m_helpFile; }

    // Shows an address ("its:..." or any address the view can open). The page shown now is
    // not loaded again. False when it cannot be opened.
    bool Navigate(const CString& address);
    // Shows a page of the help file; false when there is no help file or no such page.
    bool MakeItsUrl(const CString& page);
    // Shows the page of a topic id; false, with the page left as it is, when it does not show.
    // A help file that does not map the topic says nothing; one that cannot be read says so.
    bool LoadTopicMap(int topic);

    // The button actions, by command.
    void OnToolbarCommand(int id);

    wxHtmlWindow* GetBrowser() const { return m_browser; }
    wxToolBar* GetToolBar() const { return m_toolbar; }
    // The address of the page shown; empty before the first.
    CString GetOpenedPage() const;

  private:
    // The box that tells of the help file: format holds one %s, the file's name.
    static void ShowFileMessage(const char* format, const CString& name);
    void CreateToolBar(unsigned buttons, bool labels);
    void LayoutChildren();
    void GoHome();
    void Print();

    wxHtmlWindow* m_browser = nullptr;
    wxToolBar* m_toolbar = nullptr;
    CString m_helpFile;
    CTopicMap m_topics;
    CString m_homePage;
    int m_homeTopic = 0;
};
