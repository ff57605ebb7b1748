#pragma once

#include "app/frame/StatusBarSink.h"
#include "platform/CString.h"

// Formats the progress, position and zoom texts of the status bar and hands them to its panes.
class CStatusTexts
{
  public:
    // Until a status bar is attached (and after it is detached with null) the texts go nowhere.
    void Attach(IStatusBarSink* sink) { m_sink = sink; }

    // Shows a progress text in pane 0 that stays until replaced or cleared, drawn at once.
    void SetProgressText(const CString& text);
    void ClearProgressText();

    // A notice in pane 0, such as why a typed value was refused, until a menu's help or another
    // text replaces it; an empty notice gives the pane back to the progress text.
    void ShowNotice(const CString& text);

    // "   1 /    5" for the first of five rows; a negative row empties pane 1. Pane 2 is emptied.
    void ShowRowPosition(int current, int count);
    // "12 : 34", the photo editor's pointer in image pixels.
    void ShowPointerPosition(int x, int y);
    // Zoom in 1/10,000: 10,000 shows "100%"; 0 or less empties pane 2.
    void ShowZoomPercent(int zoom);

  private:
    void SetPane(int pane, const CString& text);

    IStatusBarSink* m_sink = nullptr;
    CString m_progressText;
};
