#pragma once

#include "grid/CellType.h"

// Arrow cell style bits.
namespace ArrowStyle {
constexpr std::uint32_t Right = 0x10;
constexpr std::uint32_t Left = 0x20;
constexpr std::uint32_t DoubleRight = 0x40;
constexpr std::uint32_t DoubleLeft = 0x80;
} // namespace ArrowStyle

// A cell showing a small left or right arrow, single or double, in its text colour.
class CArrowCellType : public CCellType
{
  public:
    CArrowCellType() { m_editable = 0; }

    CString GetName() const override { return "Side Arrows"; }
    CString GetTypeId() const override { return "{f5c12593-d930-11d5-9b36-0050bad44bcd}"; }
    void Draw(Canvas& dc, const CRect& rect, int column, int row, CCellRecord& record, int selected,
              int current) override;

  private:
    // One arrow with its bar at x and its tip towards direction (1 right, -1 left).
    static void DrawArrow(Canvas& dc, int bar, int y, int direction);
    // A filled arrow on a printed page.
    void DrawPrintedArrow(Canvas& dc, int bar, int y, int direction) const;
};
