#pragma once

#include "platform/Arrays.h"
#include "platform/CString.h"
#include "platform/Geometry.h"

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

// How the cells of one kind are sized, edited and told about the current cell. The base class is
// the normal cell type; the window layer adds the drawing and the input handling.
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
    bool IsEditable() const { return m_editable != 0; }
    bool DrawsLabel() const { return m_drawLabel != 0; }
    // Whether a text too wide for this cell may run on into empty cells to its right.
    bool AllowsOverflow(const CCellRecord& record) const;

    // Called with the cell rectangle less one pixel right and bottom before the in-cell edit is
    // placed over it.
    virtual int AdjustEditRect(CRect& /*rect*/) { return 0; }
    virtual void OnCellEntered(int /*column*/, int /*row*/, CCellRecord& /*record*/) {}
    virtual void OnCellLeft(int /*column*/, int /*row*/, CCellRecord& /*record*/) {}
    virtual void OnScrolled(int /*column*/, int /*row*/, CCellRecord& /*record*/) {}
    // The size that shows the whole cell, measured in the cell's font.
    virtual void GetBestSize(const TextMeasurer& dc, CSize& size, const CCellRecord& record);

    // A bitmap's size shrunk to fit room keeping its aspect ratio (unchanged when it fits);
    // empty when the bitmap or the room has no size.
    static CSize FitBitmap(CSize bitmap, CSize room);

  protected:
    int m_editable = 1;
    int m_drawLabel = 0;
    int m_overflowAllowed = 1;
    double m_scale = 1.0;
    CCellGridCore* m_grid = nullptr;
    int m_index = -1;
};
