#pragma once

#include <wx/panel.h>

#include <functional>

class CExtractForm;
class wxComboBox;

// The extract dialog's keyword page: the keywords with their history and AND/OR.
class CKeywordExtractPage : public wxPanel
{
  public:
    // onEnter runs the extraction.
    CKeywordExtractPage(wxWindow* parent, std::function<void()> onEnter);

    void Load(const CExtractForm& form);
    void Gather(CExtractForm& form) const;
    int GetCombine() const;
    void SetCombine(int combine);
    void FocusKeywords();

  private:
    void OnSize(wxSizeEvent& event);

    std::function<void()> m_onEnter;
    wxComboBox* m_keywords = nullptr;
};
