#pragma once

#include "platform/CString.h"

// The panes of the main window's status bar as the status texts see them: 0 messages, 1 row or
// pointer position, 2 zoom.
class IStatusBarSink
{
  public:
    virtual ~IStatusBarSink() = default;

    // The text pane 0 falls back to when menus close; it replaces the framework's idle prompt.
    virtual void SetIdleMessage(const CString& text) = 0;
    // Shows the text in the pane; it is drawn with the window's next paint.
    virtual void SetPaneText(int pane, const CString& text) = 0;
    // Draws the panes at once, for a long operation that keeps the window from painting.
    virtual void DrawPanesNow() = 0;
};
