#pragma once

#include "foundation/DateEx.h"
#include "list/CellRecord.h"
#include "list/ListLimits.h"

#include <array>
#include <memory>

// One row of a list: its cells by cell slot, its photos and the time of its last change. The
// 128 cells are allocated on the first write, so that the rows of an empty list cost little.
class ProductRecord
{
  public:
    ProductRecord() { photos.fill(-1); }
    ProductRecord(const ProductRecord&) = delete;
    ProductRecord& operator=(const ProductRecord&) = delete;

    bool inUse = false;
    int rowHeight = 0;                        // measured by the list grid
    bool autoHeight = true;                   // the grid measures the height from the contents
    int photoCount = 0;                       // 0..20
    std::array<int, kMaxPhotosPerRow> photos; // photo slot indices; -1 beyond photoCount
    CDateEx lastChange;                       // set by every cell write and photo addition

    void Reset();
    // Takes the photo at a position out of the row; the photos after it move up in order.
    // False when the row has no photo there.
    bool RemovePhotoAt(int position);

    // The cell of a slot (0..127) for reading; a row that never held a value gives an empty cell.
    const CellRecord& GetCell(int slot) const;
    // The cell of a slot (0..127) for writing; allocates the row's cells when needed.
    CellRecord& Cell(int slot);
    bool HasCells() const { return m_cells != nullptr; }

  private:
    std::unique_ptr<CellRecord[]> m_cells;
};
