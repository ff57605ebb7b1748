#include "app/startup/ui/EditorWindowHost.h"

#include "app/frame/ui/MainFrame.h"
#include "app/listwindow/ui/SaveChangesPrompt.h"
#include "app/startup/ui/ZantobyApp.h"

namespace {

CToolbarChoice::Bar BarOf(IEditorWindowHost::Toolbar bar)
{
    return bar == IEditorWindowHost::Toolbar::kFormat ? CToolbarChoice::kFormatBar
                                                      : CToolbarChoice::kEditorBar;
}

} // namespace

wxMDIParentFrame* CEditorWindowHost::GetMainFrame()
{
    return wxGetApp().GetMainFrame();
}

bool CEditorWindowHost::IsToolbarWanted(Toolbar bar)
{
    CMainFrame* frame = wxGetApp().GetMainFrame();
    return frame != nullptr && frame->GetToolbarChoice().IsWanted(BarOf(bar));
}

void CEditorWindowHost::SetToolbarWanted(Toolbar bar, bool wanted)
{
    if (CMainFrame* frame = wxGetApp().GetMainFrame()) {
        frame->GetToolbarChoice().SetWanted(BarOf(bar), wanted);
    }
}

void CEditorWindowHost::ShowEditorBars()
{
    wxGetApp().RefreshListFrames(CToolbarChoice::kPhotoEditor);
}

void CEditorWindowHost::ShowZoomPercent(int zoom)
{
    wxGetApp().ShowZoomPercent(zoom);
}

void CEditorWindowHost::ShowPointerPosition(int x, int y)
{
    wxGetApp().ShowPointerPosition(x, y);
}

const DrawingDefaults& CEditorWindowHost::GetDrawingDefaults()
{
    return wxGetApp().GetDrawingDefaults();
}

bool CEditorWindowHost::AskToSaveChanges(wxDocument& doc, const CString& title)
{
    return CSaveChangesPrompt::Run(doc, title);
}
