#pragma once

#include "foundation/ui/GridList.h"

#include <functional>

class CDropChoiceList;

// The grid of a column's drop-down choices in the text and mark detail dialogs: one column of
// names, typed into only while the dialog allows it (a manual list).
class CDropChoiceGrid : public CGridList
{
  public:
    CDropChoiceGrid(CDropChoiceList& choices, std::function<bool()> typingAllowed)
        : m_choices(choices), m_typingAllowed(std::move(typingAllowed))
    {
    }

    // Builds the column; call once the grid is attached.
    void SetupTable();
    void FillAllRows();

    // Notifications of the grid control
    void OnGridChar(unsigned int* character, int processed) override;
    int OnEditStart(int column, int row, CGridEditWindow** edit) override;
    int OnEditFinish(int column, int row, CGridEditWindow* edit, CString& text, int cancelled) override;
    int OnGetHintText(int column, int row, int section, CString& text) override;

  private:
    CDropChoiceList& m_choices;
    std::function<bool()> m_typingAllowed;
};
