#pragma once

#include "list/DropChoiceList.h"
#include "list/ui/ListInfoDetailDlg.h"

class CDropChoiceGrid;

// What the text and mark detail dialogs share: the kind of drop-down list (none, automatic or
// manual) and the grid of the manual list's choices with its add, insert, delete and move
// buttons.
class CListInfoChoiceDlg : public CListInfoDetailDlg
{
  public:
    CDropChoiceGrid& ChoiceGrid() { return *m_grid; }

    // The buttons of the choice grid.
    void OnAddChoice();
    void OnInsertChoice();
    void OnDeleteChoice();
    void OnMoveChoiceUp();
    void OnMoveChoiceDown();

  protected:
    // The choice area starts at top, below the type's own controls.
    CListInfoChoiceDlg(wxWindow* parent, IListHost& host, ColumnRecord& record, int templateId,
                       const char* title, int top);

    void InitTypeFields() override;
    void ReadTypeFields(ColumnRecord& form) override;
    bool IsTypeModified() override;
    bool IsEditingInPlace() const override;

    static constexpr int kChoiceAreaHeight = 190;

  private:
    // After a button: the grid shows the choices with the row given current, and takes the focus.
    void AfterChoiceEdit(int row);

    CDropChoiceList m_choices;
    CDropChoiceGrid* m_grid;
    CRadioGroup m_dropKind;
};
