#pragma once

#include "foundation/DateEx.h"
#include "list/CellRecord.h"
#include "list/ListLimits.h"
#include "list/RowCells.h"

#include <array>
#include <memory>

// One row of a list: its cells by cell slot, its photos and the time of its last change. The
// cells are made on the first write and hold only what the row's values need, so that the rows
// of an empty list cost little and a row costs what it holds.
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

    // The cells for reading; a row that never held a value has none.
    const RowCells& Cells() const;
    // The cells for writing, made when needed.
    RowCells& EditCells();
    bool HasCells() const { return m_cells != nullptr && !m_cells->IsEmpty(); }
    // The cell of a slot (0..127) as a whole; a cell that holds nothing reads as the empty cell.
    CellRecord GetCell(int slot) const { return Cells().Get(slot); }
    // Stores into a slot the value that a column of the type reads.
    void SetCell(int slot, int type, const CellValue& value) { EditCells().Set(slot, type, value); }
    // Every cell of another row, values and colours.
    void CopyCellsFrom(const ProductRecord& other);

  private:
    std::unique_ptr<RowCells> m_cells;
};
