#pragma once

#include "foundation/ui/AnchorDialog.h"

class CExtractForm;
class CKeywordExtractPage;
class CRangeExtractPage;

// The extract dialog of a list: keywords on one page, per-column bounds on the other, the
// whole-word and case switches; "抽出" stores them as the list's extract conditions. The page
// last used stays the one shown first while the program runs.
class CLocalFindDlg : public CAnchorDialog
{
  public:
    static constexpr int kExtractButtonId = 1104;

    CLocalFindDlg(wxWindow* parent, CExtractForm& form);

    bool OnInitDialog() override;
    // The page shown: 0 keywords, 1 ranges.
    int GetPage() const { return s_page; }
    void ShowPage(int page);
    CRangeExtractPage& GetRangePage() { return *m_rangePage; }
    // Gathers the pages into the form, stores it and ends the dialog with "抽出".
    void RunExtraction();

  private:
    void OnModeButton(wxCommandEvent& event);
    void OnExtract(wxCommandEvent& event);
    void OnSize(wxSizeEvent& event);
    // Lays the page shown over the placeholder.
    void PlacePage();
    wxWindow* ShownPage() const;

    CExtractForm& m_form;
    CKeywordExtractPage* m_keywordPage = nullptr;
    CRangeExtractPage* m_rangePage = nullptr;
    static int s_page;
};
