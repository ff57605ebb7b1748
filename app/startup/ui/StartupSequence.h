#pragma once

#include <string>
#include <vector>

class CZantobyApp;
class wxShowEvent;

// The start of the program once its main window is made: the splash while the command line's
// list (or the last one) opens, the main window where it was last, then what waited for the
// start, the tutorial, and the start navigator once the main window is on screen.
class CStartupSequence
{
  public:
    explicit CStartupSequence(CZantobyApp& app) : m_app(app) {}

    // arguments: the command line after the program's name.
    void Run(const std::vector<std::string>& arguments);
    // A window manager maps the main window a while after it is shown; a dialog shown before
    // that would be stacked under it. The start navigator waits until the main window is mapped.
    void OnMainFrameShown(wxShowEvent& event);

  private:
    // True when the command line named a file.
    bool ProcessCommandLine(const std::vector<std::string>& arguments);
    void ShowMainWindow();
    void OpenStartNavigator();

    CZantobyApp& m_app;
    bool m_mainFrameOnScreen = false;
    // The tab the start navigator opens on while it waits for the main window; -1 when none.
    int m_startNavigatorTab = -1;
};
