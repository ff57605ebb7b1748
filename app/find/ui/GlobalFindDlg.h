#pragma once

#include "foundation/ui/AnchorDialog.h"
#include "foundation/ui/ButtonEdit.h"
#include "foundation/ui/RadioGroup.h"

class CGlobalFindForm;
class wxComboBox;

// The global extract dialog: keywords looked for in every open list and, when asked, in the
// lists of a folder, with AND/OR and the whole-word and case switches.
class CGlobalFindDlg : public CAnchorDialog
{
  public:
    static constexpr int kExtractId = 1;

    CGlobalFindDlg(wxWindow* parent, CGlobalFindForm& form);

    bool OnInitDialog() override;

  private:
    void OnExtract(wxCommandEvent& event);

    CGlobalFindForm& m_form;
    CButtonEdit m_folder;
    CRadioGroup m_combine;
    wxComboBox* m_keywords = nullptr;
};
