#include "list/ProductRecord.h"

namespace {

// A list resets all its 10,000 rows at once: a copy of this costs less than a fill of each.
constexpr std::array<int, kMaxPhotosPerRow> kNoPhotos = [] {
    std::array<int, kMaxPhotosPerRow> photos{};
    photos.fill(-1);
    return photos;
}();

} // namespace

void ProductRecord::Reset()
{
    inUse = false;
    rowHeight = 0;
    autoHeight = true;
    m_cells.reset();
    photoCount = 0;
    photos = kNoPhotos;
    lastChange = CDateEx();
}

const RowCells& ProductRecord::Cells() const
{
    static const RowCells none;
    return m_cells ? *m_cells : none;
}

RowCells& ProductRecord::EditCells()
{
    if (!m_cells) {
        m_cells = std::make_unique<RowCells>();
    }
    return *m_cells;
}

void ProductRecord::CopyCellsFrom(const ProductRecord& other)
{
    if (&other == this) {
        return;
    }
    m_cells = other.HasCells() ? std::make_unique<RowCells>(*other.m_cells) : nullptr;
}

bool ProductRecord::RemovePhotoAt(int position)
{
    if (position < 0 || position >= photoCount) {
        return false;
    }
    for (int i = position; i < kMaxPhotosPerRow - 1; ++i) {
        photos[i] = photos[i + 1];
    }
    photos[kMaxPhotosPerRow - 1] = -1;
    --photoCount;
    return true;
}
