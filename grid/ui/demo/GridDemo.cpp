// A window with a plain grid: the grid working on its own over its memory data source.
#include "grid/ui/CellGrid.h"
#include "grid/ui/tests/support/GridDemoSheet.h"
#include "platform/ui/WindowPlatform.h"

#include <wx/app.h>
#include <wx/frame.h>

class CGridDemoApp : public wxApp
{
  public:
    bool OnInit() override
    {
        WindowPlatform::Install();
        auto* frame = new wxFrame(nullptr, wxID_ANY, "Grid", wxDefaultPosition, wxSize(800, 500));
        auto* grid = new CCellGrid();
        grid->CreateGridWindow(0, wxRect(wxPoint(0, 0), frame->GetClientSize()), frame, wxID_ANY);
        CGridDemoSheet::Fill(*grid);
        frame->Show();
        return true;
    }
};

wxIMPLEMENT_APP(CGridDemoApp);
