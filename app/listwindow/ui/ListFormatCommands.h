#pragma once

#include "app/listwindow/ui/ListCommandGroup.h"
#include "platform/Geometry.h"

class CGridView;
class wxCommandEvent;
class wxUpdateUIEvent;

// The commands of a list window's 書式 menu: the text and back colours of the selected cells,
// one of nine or the application's current one.
class CListFormatCommands : private CListCommandGroup
{
  public:
    // Binds the commands to the view's menus.
    explicit CListFormatCommands(CGridView& view);

    // The colour goes to the selected cells.
    void ApplyColor(COLORREF color, bool back);

  private:
    void OnTextColor(wxCommandEvent& event);
    void OnBackColor(wxCommandEvent& event);
    void OnUpdateColor(wxUpdateUIEvent& event);
};
