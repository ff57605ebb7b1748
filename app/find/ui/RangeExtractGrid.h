#pragma once

#include "foundation/ui/GridList.h"

#include <functional>

class CExtractForm;

// The range page's grid: one row per column of the list with its lower and upper bound, a
// three-state check box for Yes/No columns and one text for text columns; typed bounds take
// the column's own form, Delete empties a bound and Enter runs the extraction.
class CRangeExtractGrid : public CGridList
{
  public:
    explicit CRangeExtractGrid(CExtractForm& form) : m_form(form) {}

    // Fills the rows from the form once the grid is attached.
    void Fill();
    // Copies the bounds shown back into the form.
    void Gather();
    // Called on Enter while no cell is being edited.
    void SetEnterHandler(std::function<void()> handler) { m_onEnter = std::move(handler); }

    void OnGridKeyDown(unsigned int* key, int processed) override;
    void OnGridChar(unsigned int* character, int processed) override;
    int OnEditStart(int column, int row, CGridEditWindow** edit) override;
    int OnEditFinish(int column, int row, CGridEditWindow* edit, CString& text, int cancelled) override;

  private:
    bool IsValueCell(int column, int row) const;

    CExtractForm& m_form;
    std::function<void()> m_onEnter;
};
