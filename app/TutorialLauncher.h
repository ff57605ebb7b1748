#pragma once

// The main program's side of the tutorial viewer: starting it (or bringing a running one
// forward) on a page, and closing it when the program ends. The viewer's own launcher
// implements it; the application calls it at start, from its tutorial command and from the
// start navigator.
class ITutorialLauncher
{
  public:
    virtual ~ITutorialLauncher() = default;

    // topic 0 brings the viewer forward without changing its page.
    virtual void Show(int topic) = 0;
    virtual void Close() = 0;
};
