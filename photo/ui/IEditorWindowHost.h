#pragma once

#include "platform/CString.h"

struct DrawingDefaults;
class wxDocument;
class wxMDIParentFrame;

// What the photo editor's windows need of the main window around them: the parent of their
// frames, the editor's two toolbars, the zoom and pointer position in the status bar, the
// drawing defaults of the format toolbar and the question before changes are dropped. The
// application implements it; tests use a recording fake.
class IEditorWindowHost
{
  public:
    enum class Toolbar
    {
        kEditor,
        kFormat,
    };

    virtual ~IEditorWindowHost() = default;

    // The main window, parent of every editor frame; null before it is made and after it closed.
    virtual wxMDIParentFrame* GetMainFrame() = 0;
    // False when there is no main window.
    virtual bool IsToolbarWanted(Toolbar bar) = 0;
    virtual void SetToolbarWanted(Toolbar bar, bool wanted) = 0;
    // Shows the main window's bars for an active editor window.
    virtual void ShowEditorBars() = 0;
    virtual void ShowZoomPercent(int zoom) = 0;
    virtual void ShowPointerPosition(int x, int y) = 0;
    virtual const DrawingDefaults& GetDrawingDefaults() = 0;
    // Asks whether to save doc, shown as title, before it closes, and saves or drops its changes.
    // True when it may close: unmodified, saved, or its changes dropped.
    virtual bool AskToSaveChanges(wxDocument& doc, const CString& title) = 0;
};
