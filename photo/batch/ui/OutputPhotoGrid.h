#pragma once

#include "foundation/ui/GridList.h"
#include "photo/batch/PhotoOutputRow.h"

#include <vector>

class CZantobyDoc;

// The photo grid of the photo output: per photo a check box, its editable base name and its
// thumbnail. Enter walks the cells row by row; typing on a name starts editing it.
class COutputPhotoGrid : public CGridList
{
  public:
    enum Column
    {
        kChecked,
        kBaseName,
        kPreview
    };

    // Builds the columns and one row per slot.
    void Fill(CZantobyDoc& doc, const std::vector<int>& slots);
    // The rows as the user left them.
    std::vector<PhotoOutputRow> GetRows();

    void OnCellDblClick(int column, int row, const CRect& rect, CPoint point, int processed) override;
    void OnGridChar(unsigned int* character, int processed) override;
    int OnEditStart(int column, int row, CGridEditWindow** edit) override;

  private:
    std::vector<int> m_slots;
};
