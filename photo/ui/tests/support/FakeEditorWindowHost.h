#pragma once

#include "photo/DrawingDefaults.h"
#include "photo/ui/IEditorWindowHost.h"

#include <vector>

#include <wx/docview.h>

// A recording main window for the editor's window tests: a plain MDI frame as the parent, the
// toolbars the editor asked for, what it showed in the status bar and how it answered the
// question before changes were dropped.
class FakeEditorWindowHost : public IEditorWindowHost
{
  public:
    wxMDIParentFrame* GetMainFrame() override { return frame; }
    bool IsToolbarWanted(Toolbar bar) override { return frame != nullptr && wanted[Index(bar)]; }
    void SetToolbarWanted(Toolbar bar, bool on) override { wanted[Index(bar)] = on; }
    void ShowEditorBars() override { ++barsShown; }
    void ShowZoomPercent(int zoom) override { zooms.push_back(zoom); }
    void ShowPointerPosition(int x, int y) override { pointers.push_back({x, y}); }
    const DrawingDefaults& GetDrawingDefaults() override { return defaults; }
    // Asks only about a modified document, as the program does.
    bool AskToSaveChanges(wxDocument& doc, const CString& title) override
    {
        if (!doc.IsModified()) {
            return true;
        }
        questions.push_back(title);
        return closeAnswer;
    }

    wxMDIParentFrame* frame = nullptr;
    bool wanted[2] = {true, true};
    int barsShown = 0;
    std::vector<int> zooms;
    std::vector<CPoint> pointers;
    DrawingDefaults defaults;
    std::vector<CString> questions;
    bool closeAnswer = true;

  private:
    static int Index(Toolbar bar) { return bar == Toolbar::kFormat ? 1 : 0; }
};
