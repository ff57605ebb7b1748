#pragma once

#include "grid/GridDropListWindow.h"

#include <wx/listbox.h>

class CCellGrid;

// The list that drops down below a drop-list cell: a click, a double click or Enter chooses a
// line, Esc or a click elsewhere closes it. The window lives as long as the grid and is only shown and
// hidden, so that closing from inside its own handlers never deletes it under them.
class CDropListBox : public wxListBox, public CGridDropListWindow
{
  public:
    explicit CDropListBox(CCellGrid& grid);

    bool OpenList(CDropListCellType& type, const CRect& rect, const LogFont* font,
                  const CStringArray& choices, int current) override;
    void CloseList() override;
    bool IsListOpen() const override { return m_open; }
    int GetLineHeight(const LogFont* font) override;

  private:
    // Chooses the selected line; closes without a choice when none is selected.
    void ChooseSelected();
    void OnKeyDown(wxKeyEvent& event);
    void OnLeftUp(wxMouseEvent& event);
    void OnActivated(wxCommandEvent& event);
    void OnKillFocus(wxFocusEvent& event);
    // Hides the list and tells the type; the focus goes back to the cell area when asked.
    void Close(bool chosen, bool byPressOnCell, bool focusGrid);

    CCellGrid& m_grid;
    CDropListCellType* m_type = nullptr;
    bool m_open = false;
};
