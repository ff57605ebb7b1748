#pragma once

#include "foundation/ui/GridList.h"

class CPageSetupModel;

// The column grid of the page setup: one row per list column with its name and, for list pages
// and single sheets, a mode chosen from a drop list and a width in millimetres typed for the
// manual mode.
class CPrintColumnGrid : public CGridList
{
  public:
    static constexpr int kNameColumn = 0;

    // Builds the grid's columns; the rows come with Load.
    void Setup();
    void Load(CPageSetupModel& model);

    // Enter moves along the row and on to the next one, back to the first after the last row.
    void MoveOnEnter();

    int OnCellTypeNotify(int typeIndex, int column, int row, int code, std::intptr_t parameter) override;
    int OnEditStart(int column, int row, CGridEditWindow** edit) override;
    int OnEditFinish(int column, int row, CGridEditWindow* edit, CString& text, int cancelled) override;
    void OnGridKeyDown(unsigned int* key, int processed) override;
    void OnGridChar(unsigned int* character, int processed) override;

  private:
    // The entry (0 list, 1 sheet) of a mode or width column, -1 for the name.
    static int EntryOf(int column);
    static bool IsWidthColumn(int column) { return column == 2 || column == 4; }
    // Shows a row's cells from the model.
    void ShowRow(int row);

    CPageSetupModel* m_model = nullptr;
};
