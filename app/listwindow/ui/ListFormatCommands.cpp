#include "app/listwindow/ui/ListFormatCommands.h"

#include "app/editing/ListGridEdits.h"
#include "app/listwindow/ui/GridView.h"
#include "app/listwindow/ui/ListGrid.h"
#include "app/startup/ui/ZantobyApp.h"
#include "list/ZantobyDoc.h"
#include "platform/ui/UpdateUiCheck.h"

#include <vector>

namespace {

constexpr int ID_TEXT_COLOR_FIRST = 32912;
constexpr int ID_TEXT_COLOR_LAST = 32920;
constexpr int ID_BACK_COLOR_FIRST = 32921;
constexpr int ID_BACK_COLOR_LAST = 32929;
constexpr int ID_TEXT_COLOR_CURRENT = 32895;
constexpr int ID_BACK_COLOR_CURRENT = 32894;

// The nine colours of the colour commands, in menu order.
constexpr COLORREF kColors[9] = {kDefaultColor, 0x000000, 0x0000FF, 0x008000, 0x00FFFF,
                                 0xFF0000,      0xFF00FF, 0xFFFF00, 0xFFFFFF};

} // namespace

CListFormatCommands::CListFormatCommands(CGridView& view) : CListCommandGroup(view)
{
    view.Bind(wxEVT_MENU, &CListFormatCommands::OnTextColor, this, ID_TEXT_COLOR_FIRST, ID_TEXT_COLOR_LAST);
    view.Bind(wxEVT_MENU, &CListFormatCommands::OnTextColor, this, ID_TEXT_COLOR_CURRENT);
    view.Bind(wxEVT_MENU, &CListFormatCommands::OnBackColor, this, ID_BACK_COLOR_FIRST, ID_BACK_COLOR_LAST);
    view.Bind(wxEVT_MENU, &CListFormatCommands::OnBackColor, this, ID_BACK_COLOR_CURRENT);
    view.Bind(wxEVT_UPDATE_UI, &CListFormatCommands::OnUpdateColor, this, ID_TEXT_COLOR_FIRST,
              ID_BACK_COLOR_LAST);
    view.Bind(wxEVT_UPDATE_UI, &CListFormatCommands::OnUpdateColor, this, ID_TEXT_COLOR_CURRENT);
    view.Bind(wxEVT_UPDATE_UI, &CListFormatCommands::OnUpdateColor, this, ID_BACK_COLOR_CURRENT);
}

void CListFormatCommands::ApplyColor(COLORREF color, bool back)
{
    if (!HasList()) {
        return;
    }
    CListGridEdits edits(*List());
    std::vector<int> lines;
    for (const CListGridEdits::Cell& cell : edits.ApplyColor(Grid()->SelectedBlocks(), color, back)) {
        if (lines.empty() || lines.back() != cell.line) {
            lines.push_back(cell.line);
        }
    }
    Grid()->RefillLines(lines);
}

void CListFormatCommands::OnTextColor(wxCommandEvent& event)
{
    CGridView::Guarded(__LINE__, [this, &event] {
        CZantobyApp& app = wxGetApp();
        if (event.GetId() != ID_TEXT_COLOR_CURRENT) {
            app.SetGridTextColor(kColors[event.GetId() - ID_TEXT_COLOR_FIRST]);
        }
        ApplyColor(app.GetGridTextColor(), false);
    });
}

void CListFormatCommands::OnBackColor(wxCommandEvent& event)
{
    CGridView::Guarded(__LINE__, [this, &event] {
        CZantobyApp& app = wxGetApp();
        if (event.GetId() != ID_BACK_COLOR_CURRENT) {
            app.SetGridBackColor(kColors[event.GetId() - ID_BACK_COLOR_FIRST]);
        }
        ApplyColor(app.GetGridBackColor(), true);
    });
}

void CListFormatCommands::OnUpdateColor(wxUpdateUIEvent& event)
{
    const int id = event.GetId();
    if (id == ID_TEXT_COLOR_CURRENT || id == ID_BACK_COLOR_CURRENT) {
        event.Enable(HasList() && Grid()->CurrentColumn() >= 0 &&
                     Grid()->CurrentColumn() < List()->columnCount && Grid()->CurrentRow() >= 0 &&
                     Grid()->CurrentRow() < List()->displayCount &&
                     List()->displayOrder[Grid()->CurrentRow()] >= 0);
        return;
    }
    // The toolbar's drop-down shows the colours as pictures, which carry no check mark.
    CZantobyApp& app = wxGetApp();
    if (id <= ID_TEXT_COLOR_LAST) {
        SetCheckIfCheckable(event, app.GetGridTextColor() == kColors[id - ID_TEXT_COLOR_FIRST]);
    } else {
        SetCheckIfCheckable(event, app.GetGridBackColor() == kColors[id - ID_BACK_COLOR_FIRST]);
    }
}
