#pragma once

#include "app/listwindow/ui/ListCommandGroup.h"

class CGridView;
class wxCommandEvent;
class wxUpdateUIEvent;

// The commands of a list window's 表示 menu that act on its grid: the list toolbar, the sort by
// the current column, the moves to the first, last, a chosen or the previous line, and the lines'
// automatic heights.
class CListViewCommands : private CListCommandGroup
{
  public:
    // Binds the commands to the view's menus.
    explicit CListViewCommands(CGridView& view);

  private:
    void OnListToolbar(wxCommandEvent& event);
    void OnUpdateListToolbar(wxUpdateUIEvent& event);
    void OnSort(wxCommandEvent& event);
    void OnNavigate(wxCommandEvent& event);
    void OnAutoHeight(wxCommandEvent& event);
    void OnUpdateAutoHeight(wxUpdateUIEvent& event);
    void MoveToLine(int line, bool keepSelection);
};
