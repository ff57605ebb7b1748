#pragma once

#include "foundation/ui/AnchorDialog.h"
#include "foundation/ui/RadioGroup.h"

#include <vector>

class wxRadioButton;

// The base of the two small dialogs that ask how cells are inserted or deleted: a column of
// options, of which at most one is chosen, and the run and cancel buttons.
class CCellChoiceDlg : public CAnchorDialog
{
  public:
    struct Option
    {
        int id;
        const char* text;
        int value;
    };

    // The options end with id 0, whose value is the answer when none is chosen; checked is the
    // value chosen when the dialog opens (the ending value: none).
    CCellChoiceDlg(wxWindow* parent, int templateId, const char* title, const Option* options, int checked);

    // The value of the chosen option.
    int GetChoice() const { return m_group.GetValue(); }
    // Chooses the option of the value, as a click on it does.
    void Choose(int value);

  private:
    std::vector<RadioGroupItem> m_items;
    wxRadioButton* m_none;
    CRadioGroup m_group;
};
