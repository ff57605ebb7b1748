#pragma once

#include <wx/panel.h>

#include <functional>

class CExtractForm;
class CRangeExtractGrid;

// The extract dialog's range page: the grid of per-column bounds and AND/OR.
class CRangeExtractPage : public wxPanel
{
  public:
    // onEnter runs the extraction.
    CRangeExtractPage(wxWindow* parent, CExtractForm& form, std::function<void()> onEnter);
    ~CRangeExtractPage() override;

    void Load();
    void Gather();
    int GetCombine() const;
    void SetCombine(int combine);
    CRangeExtractGrid& GetGrid() { return *m_grid; }

  private:
    void OnSize(wxSizeEvent& event);

    CExtractForm& m_form;
    CRangeExtractGrid* m_grid;
};
