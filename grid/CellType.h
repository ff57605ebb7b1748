#pragma once

#include "platform/Arrays.h"
#include "platform/CString.h"
#include "platform/Geometry.h"

#include <cstdint>

class Canvas;
class CCellGridCore;
class CCellRecord;
class TextMeasurer;

// Built-in cell type indexes; owners register theirs from 4 on.
namespace CellTypeIndex {
constexpr int Normal = 0;
constexpr int DropList = 1;
constexpr int CheckBox = 2;
constexpr int Arrow = 3;
} // namespace CellTypeIndex

// Border style bits of a cell.
namespace CellBorder {
constexpr unsigned short Left = 0x1;
constexpr unsigned short Top = 0x2;
constexpr unsigned short Right = 0x4;
constexpr unsigned short Bottom = 0x8;
constexpr unsigned short Sunken = 0x1000;
constexpr unsigned short Raised = 0x2000;
} // namespace CellBorder

// Alignment bits of a cell; 0 is left and top.
namespace CellAlign {
constexpr unsigned short Left = 0x1;
constexpr unsigned short Right = 0x2;
constexpr unsigned short Center = 0x4;
constexpr unsigned short Bottom = 0x10;
constexpr unsigned short VCenter = 0x20;
} // namespace CellAlign

// Type style bits of the normal type.
constexpr std::uint32_t kCellStyleEllipsis = 0x4;
constexpr std::uint32_t kCellStyleShowLabel = 0x8;

// How the cells of one kind are drawn, sized and edited and how they react to the mouse and the
// keyboard. The base class is the normal cell type: background, borders, an optional bitmap and
// the text of a cell, with text running on into empty neighbours; it ignores input.
class CCellType : public CObject
{
  public:
    // Set by the grid when it registers the type.
    void AttachToGrid(CCellGridCore* grid, int index)
    {
        m_grid = grid;
        m_index = index;
    }
    CCellGridCore* GetGrid() const { return m_grid; }
    int GetIndex() const { return m_index; }

    virtual CString GetName() const { return "Normal Cell Type (default)"; }
    // The type's identifier in its registry form.
    virtual CString GetTypeId() const { return "{78a705c1-f3e9-11d0-9c7b-0080c83f712f}"; }
    bool IsEditable() const { return m_editable != 0; }
    bool DrawsLabel() const { return m_drawLabel != 0; }
    // Whether a text too wide for this cell may run on into empty cells to its right.
    bool AllowsOverflow(const CCellRecord& record) const;

    // Called with the cell rectangle less one pixel right and bottom before the in-cell edit is
    // placed over it.
    virtual int AdjustEditRect(CRect& /*rect*/) { return 0; }

    // Input on a cell: non-zero when the type consumed it. The grid passes the result on to its
    // own notification as the processed flag.
    virtual int OnLButton(int /*column*/, int /*row*/, int /*down*/, const CRect& /*rect*/, CPoint /*point*/)
    {
        return 0;
    }
    virtual int OnRButton(int /*column*/, int /*row*/, int /*down*/, const CRect& /*rect*/, CPoint /*point*/)
    {
        return 0;
    }
    virtual int OnDblClick(int /*column*/, int /*row*/, const CRect& /*rect*/, CPoint /*point*/) { return 0; }
    virtual int OnKeyDown(int /*column*/, int /*row*/, unsigned int* /*key*/) { return 0; }
    virtual int OnKeyUp(int /*column*/, int /*row*/, unsigned int* /*key*/) { return 0; }
    virtual int OnChar(int /*column*/, int /*row*/, unsigned int* /*character*/) { return 0; }
    virtual int OnMouseMove(int /*column*/, int /*row*/, CPoint /*point*/, unsigned int /*keyFlags*/)
    {
        return 0;
    }

    // Drawing. selected is 0 outside every selection block, else the block's position + 1.
    virtual void Draw(Canvas& dc, const CRect& rect, int column, int row, CCellRecord& record, int selected,
                      int current);
    // The drawing on a printed page.
    virtual void DrawPrinted(Canvas& dc, const CRect& rect, int column, int row, CCellRecord& record,
                             int selected, int current);
    // Non-zero when the type drew the focus frame itself.
    virtual int DrawFocus(Canvas& /*dc*/, const CRect& /*rect*/, int /*column*/, int /*row*/) { return 0; }
    // Draws the cell into a rectangle of another size, its font scaled to match.
    virtual void DrawScaled(Canvas& dc, const CRect& target, int column, int row, CCellRecord& record);

    virtual void OnCellEntered(int /*column*/, int /*row*/, CCellRecord& /*record*/) {}
    virtual void OnCellLeft(int /*column*/, int /*row*/, CCellRecord& /*record*/) {}
    virtual void OnCellColumnSized(int /*column*/, int /*row*/, int* /*width*/) {}
    virtual void OnCellColumnSizing(int /*column*/, int /*row*/, int* /*width*/) {}
    virtual void OnCellRowSized(int /*column*/, int /*row*/, int* /*height*/) {}
    virtual void OnCellRowSizing(int /*column*/, int /*row*/, int* /*height*/) {}
    // The size that shows the whole cell, measured in the cell's font.
    virtual void GetBestSize(const TextMeasurer& dc, CSize& size, const CCellRecord& record);
    virtual void OnScrolled(int /*column*/, int /*row*/, CCellRecord& /*record*/) {}
    // The desktop's colours changed.
    virtual int OnSysColorChange() { return 0; }
    // A message the owner sends to the type through the grid.
    virtual std::intptr_t OnMessage(std::intptr_t /*parameter*/) { return 0; }

    // A bitmap's size shrunk to fit room keeping its aspect ratio (unchanged when it fits);
    // empty when the bitmap or the room has no size.
    static CSize FitBitmap(CSize bitmap, CSize room);
    // Whether the canvas draws on a printed page.
    static bool IsPrinting(const Canvas& dc);
    // Whether a typed character is a space: a Japanese input method in kana mode types Space as a
    // full-width one.
    static bool IsSpace(unsigned int character);

    // The text of a cell as the normal type shows it: the label string when the type draws
    // labels or the style asks for it, else the text.
    const CString& DisplayText(const CCellRecord& record) const;

  protected:
    // Draws the cell's borders in rect and returns what is left inside them.
    CRect DrawBorders(Canvas& dc, const CRect& rect, const CCellRecord& record) const;
    // The cell's text (and bitmap) in the inner rectangle, offset x pixels to the right.
    void DrawCellText(Canvas& dc, CRect inner, int offset, const CCellRecord& record, int selected,
                      int current) const;
    // Text and back colour of a cell in its state.
    void GetColors(const CCellRecord& record, int selected, int current, COLORREF& text,
                   COLORREF& back) const;
    // Selects the cell's font, or the sheet's default one.
    void SelectCellFont(Canvas& dc, const CCellRecord& record) const;
    int ScaledMargin() const;

    int m_editable = 1;
    int m_drawLabel = 0;
    int m_overflowAllowed = 1;
    double m_scale = 1.0;
    CCellGridCore* m_grid = nullptr;
    int m_index = -1;

  private:
    // Draws the continuation of a neighbour's text running into this empty cell; false when
    // none reaches it.
    bool DrawOverflowFromLeft(Canvas& dc, const CRect& rect, int column, int row, const CCellRecord& record,
                              int selected, int current);
    // The bitmap at the left of the inner rectangle; returns the width it takes.
    int DrawCellBitmap(Canvas& dc, const CRect& inner, const CCellRecord& record, COLORREF back) const;
};
