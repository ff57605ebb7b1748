#include "app/listwindow/PhotoStrip.h"

#include "list/ZantobyDoc.h"

#include <algorithm>

void CPhotoStrip::Clear()
{
    m_items.clear();
    m_extent = CSize(0, 0);
}

void CPhotoStrip::Rebuild(const CZantobyDoc& doc, int clientHeight)
{
    Clear();
    const int line = doc.currentRow;
    if (clientHeight <= 0 || line < 0 || line >= kMaxDisplayRows || line >= doc.displayCount) {
        return;
    }
    const int row = doc.displayOrder[line];
    if (row < 0 || row >= kMaxRows) {
        return;
    }
    const ProductRecord& record = doc.GetRow(row);
    int x = kGap;
    int tallest = 0;
    for (int k = 0; k < record.photoCount && k < kMaxPhotosPerRow; ++k) {
        const int slot = record.photos[k];
        auto item = std::make_unique<CPhotoStripItem>();
        if (slot >= 0 && slot < kMaxPhotos) {
            item->caption = doc.GetPhoto(slot).name;
            if (item->LoadJpeg(doc.GetMiddlePhotoPath(slot))) {
                item->photoIndex = slot;
            }
        }
        if (item->photoIndex >= 0) {
            item->width = item->Width();
            item->height = item->Height();
        } else {
            item->width = doc.photoSizes.standardSize;
            item->height = doc.photoSizes.standardSize;
        }
        item->x = x;
        x += item->width + kGap;
        tallest = std::max(tallest, item->height);
        m_items.push_back(std::move(item));
    }
    m_extent = CSize(x, tallest + kCaptionSpace);
}

int CPhotoStrip::HitTest(int viewX) const
{
    for (size_t i = 0; i < m_items.size(); ++i) {
        const CPhotoStripItem& item = *m_items[i];
        if (item.x <= viewX && viewX < item.x + item.width) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

int CPhotoStrip::ScrollLeftFor(int index, const CRect& visible) const
{
    if (index < 0 || index >= static_cast<int>(m_items.size())) {
        return visible.left;
    }
    const CPhotoStripItem& item = *m_items[index];
    if (visible.Width() < item.width + kGap) {
        return visible.left;
    }
    if (item.x < visible.left) {
        return std::max(item.x - kScrollMargin, 0);
    }
    if (item.x + item.width > visible.right) {
        const int right = std::min(item.x + item.width + kScrollMargin, static_cast<int>(m_extent.cx));
        return std::max(right - visible.Width(), 0);
    }
    return visible.left;
}

bool CPhotoStrip::Schedule(int ticks)
{
    const bool start = !m_pending;
    m_pending = true;
    m_countdown = ticks;
    return start;
}

bool CPhotoStrip::Tick()
{
    if (!m_pending) {
        return false;
    }
    if (m_countdown <= 0) {
        m_pending = false;
        return true;
    }
    --m_countdown;
    return false;
}

void CPhotoStrip::Cancel()
{
    m_pending = false;
    m_countdown = 0;
}
