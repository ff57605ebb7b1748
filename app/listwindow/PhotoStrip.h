#pragma once

#include "app/listwindow/PhotoStripItem.h"
#include "platform/Geometry.h"

#include <memory>
#include <vector>

class CZantobyDoc;

// The strip of the current row's photos: their pictures laid out left to right at their own size
// with room for a caption beneath, where each lies, which one a point hits, where to scroll to
// show the current cell's photo, and the countdown that lets a burst of edits cost one rebuild.
class CPhotoStrip
{
  public:
    static constexpr int kGap = 8;
    // Room under the pictures: the gap above them, the caption and its spacing.
    static constexpr int kCaptionSpace = 28;
    static constexpr int kScrollMargin = 24;
    // Ticks of 100 ms before a rebuild after rows were edited and after the splitter moved.
    static constexpr int kEditTicks = 7;
    static constexpr int kSplitterTicks = 2;

    // Lays out the current row's photos; empty for a pane without height and for a line without
    // a row. Pictures that do not load keep the standard photo size and no slot.
    void Rebuild(const CZantobyDoc& doc, int clientHeight);
    void Clear();

    const std::vector<std::unique_ptr<CPhotoStripItem>>& Items() const { return m_items; }
    CSize Extent() const { return m_extent; }
    // The item whose column holds view x; -1 when none.
    int HitTest(int viewX) const;
    // The scroll position that shows item index fully with a margin, or the visible rectangle's
    // own left when it already shows (or cannot show) the item. visible is in view pixels.
    int ScrollLeftFor(int index, const CRect& visible) const;

    // Deferred rebuild. Schedule restarts the countdown and tells whether the timer must start;
    // Tick counts one tick down and tells when the rebuild is due (the timer then stops).
    bool Schedule(int ticks);
    bool Tick();
    void Cancel();
    bool IsPending() const { return m_pending; }

  private:
    std::vector<std::unique_ptr<CPhotoStripItem>> m_items;
    CSize m_extent;
    int m_countdown = 0;
    bool m_pending = false;
};
