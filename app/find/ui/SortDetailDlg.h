#pragma once

#include "foundation/ui/AnchorDialog.h"

class CSortKeyEditor;
class CSortKeyGrid;

// The sort detail dialog: the list's sort keys in priority order, moved up and down and given
// their directions; "設定" writes them, "取消" drops them, and Esc asks first when anything
// changed.
class CSortDetailDlg : public CAnchorDialog
{
  public:
    static constexpr int kMoveUpId = 1081;
    static constexpr int kMoveDownId = 1083;
    static constexpr int kApplyId = 1104;
    static constexpr int kCancelId = 1100;

    CSortDetailDlg(wxWindow* parent, CSortKeyEditor& editor);

    bool OnInitDialog() override;
    CSortKeyGrid& GetGrid() { return *m_grid; }
    // The two move buttons on the current row.
    void Move(bool up);

  private:
    void OnMove(wxCommandEvent& event);
    void OnApply(wxCommandEvent& event);
    void OnCancelButton(wxCommandEvent& event);
    void OnCharHook(wxKeyEvent& event);
    void OnClose(wxCloseEvent& event);
    // Esc and the close box.
    void CloseAsked();

    CSortKeyEditor& m_editor;
    CSortKeyGrid* m_grid;
};
