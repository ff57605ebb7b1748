#pragma once

#include "photo/ui/IEditorWindowHost.h"

// The photo editor's windows in the running program: the main frame with its toolbars and
// status bar, the application's drawing defaults and its question before changes are dropped.
class CEditorWindowHost : public IEditorWindowHost
{
  public:
    wxMDIParentFrame* GetMainFrame() override;
    bool IsToolbarWanted(Toolbar bar) override;
    void SetToolbarWanted(Toolbar bar, bool wanted) override;
    void ShowEditorBars() override;
    void ShowZoomPercent(int zoom) override;
    void ShowPointerPosition(int x, int y) override;
    const DrawingDefaults& GetDrawingDefaults() override;
    bool AskToSaveChanges(wxDocument& doc, const CString& title) override;
};
