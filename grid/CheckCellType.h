#pragma once

#include "grid/CellType.h"

// Check box cell style bits.
namespace CheckStyle {
constexpr std::uint32_t ByAlignment = 0x4;
constexpr std::uint32_t Sunken = 0x100;
constexpr std::uint32_t Raised = 0x200;
constexpr std::uint32_t Tick = 0x1000;
constexpr std::uint32_t ThreeStates = 0x2000;
} // namespace CheckStyle

// A two- or three-state check box whose state is the cell's number value; it toggles when the
// left button is released inside the box of the current cell, or on Space, and tells the owner.
class CCheckCellType : public CCellType
{
  public:
    // Told to the owner with the new state after a toggle.
    static constexpr int kToggled = 53;

    CCheckCellType();

    CString GetName() const override { return "CheckBox"; }
    CString GetTypeId() const override { return "{93aab8d0-f749-11d0-9c7f-0080c83f712f}"; }
    int OnLButton(int column, int row, int down, const CRect& rect, CPoint point) override;
    int OnDblClick(int column, int row, const CRect& rect, CPoint point) override;
    int OnChar(int column, int row, unsigned int* character) override;
    void Draw(Canvas& dc, const CRect& rect, int column, int row, CCellRecord& record, int selected,
              int current) override;

    // The box within a cell's rectangle.
    static CRect BoxRect(const CRect& cell, const CCellRecord& record);
    // The state after a toggle.
    static int NextState(int state, std::uint32_t style);

  private:
    int Toggle(int column, int row, const CCellRecord& shown, bool bySpace);
    void DrawMark(Canvas& dc, const CRect& box, int state, std::uint32_t style) const;
};
