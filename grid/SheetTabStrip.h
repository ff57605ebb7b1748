#pragma once

#include "platform/CString.h"
#include "platform/Geometry.h"
#include "platform/canvas/LogFont.h"

#include <vector>

class Canvas;

// The sheet tab bar without its window: the tabs with their labels, widths and colours, the
// current tab, the scroll offset with its arrow buttons, choosing a tab by a point, the sizing
// edge, and the drawing.
class CSheetTabStrip
{
  public:
    static constexpr int kMaxTabs = 64;
    static constexpr int kScrollStep = 20;
    // The sizing edge at the bar's right end.
    static constexpr int kSizingEdge = 7;
    static constexpr int kMinWidth = 40;

    struct Tab
    {
        CString label;
        int width = 0;
        int value = 0;
        COLORREF textColor = RGB(0, 0, 0);
        COLORREF backColor = RGB(255, 255, 255);
    };

    CSheetTabStrip();

    // Both arrow buttons together; twice the width of a scroll-bar arrow.
    void SetArrowWidth(int width) { m_arrowWidth = width; }
    int ArrowWidth() const { return m_arrowWidth; }
    // False when the table is full.
    bool AddTab(const Tab& tab);
    int TabCount() const { return static_cast<int>(m_tabs.size()); }
    const Tab& TabAt(int index) const { return m_tabs[index]; }
    int CurrentTab() const { return m_current; }
    int Offset() const { return m_offset; }
    int MaxOffset() const { return m_maxOffset; }
    const LogFont& Font() const { return m_font; }

    // After a size change.
    void RecomputeMaxOffset(int clientWidth);
    // The arrows: -1 scrolls left, 1 right; false when nothing moved.
    bool ScrollBy(int direction);
    // The arrow under x: -1 left, 1 right, 0 none.
    int ArrowAt(int x) const;
    // The first tab whose range holds x, or -1.
    int TabIndexAt(int x) const;
    // A click at x: every tab whose range holds it becomes current in turn and is scrolled into
    // view; returns the values of those tabs in that order.
    std::vector<int> ChooseAt(int x, int clientWidth);
    static bool InSizingEdge(int x, int clientWidth)
    {
        return x >= clientWidth - kSizingEdge && x < clientWidth;
    }
    // The width the bar takes when its edge is dragged to x.
    static int WidthForDrag(int x) { return x < kMinWidth ? kMinWidth : x; }

    void Paint(Canvas& dc, CSize size) const;

  private:
    void DrawTab(Canvas& dc, const Tab& tab, int x, int bottom, bool current) const;
    void DrawArrows(Canvas& dc, int height) const;

    std::vector<Tab> m_tabs;
    int m_current = 0;
    int m_offset = 0;
    int m_maxOffset = 0;
    int m_arrowWidth = 34;
    LogFont m_font;
};
