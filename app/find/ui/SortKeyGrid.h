#pragma once

#include "foundation/ui/GridList.h"

class CSortKeyEditor;

// The sort detail dialog's grid: one row per column in use with its number, name and a drop
// list of the direction; picking a direction tells the editor.
class CSortKeyGrid : public CGridList
{
  public:
    explicit CSortKeyGrid(CSortKeyEditor& editor) : m_editor(editor) {}

    void Fill();
    // Shows a row as the editor holds it.
    void FillRow(int row);

    int OnCellTypeNotify(int typeIndex, int column, int row, int code, std::intptr_t parameter) override;
    int OnEditStart(int column, int row, CGridEditWindow** edit) override;

  private:
    CSortKeyEditor& m_editor;
};
