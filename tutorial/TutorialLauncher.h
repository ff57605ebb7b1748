#pragma once

#include "platform/CString.h"

#include <string>

// The main program's side of the tutorial viewer: starts the viewer program that stands beside
// the main program, has it show a topic, and closes it, through the viewer's single-instance
// channel. Needs no display, and never waits for the viewer to start.
class CTutorialLauncher
{
  public:
    // programPath: the main program's own file.
    explicit CTutorialLauncher(const CString& programPath);

    // Brings the running viewer forward showing the topic (0: its page stays), or starts the
    // viewer, which then shows the topic. "" when done, else the reason the viewer could not be
    // started, in Japanese.
    CString Show(int topic);
    // Asks the running viewer to close. False when no viewer runs.
    bool Close();

    const CString& GetViewerPath() const { return m_viewer; }
    // The viewer program "zantoby-tutorial" beside the main program (installed), else in the
    // folder "tutorial" beside the main program's folder (the build tree). Empty when neither
    // is there.
    static CString FindViewer(const CString& programPath);

  private:
    bool Send(const std::string& request) const;
    CString Start(int topic) const;

    CString m_viewer;
};
