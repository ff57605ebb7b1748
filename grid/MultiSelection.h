#pragma once

#include <cstddef>
#include <vector>

class CCellGridCore;

// Selection modes; the bit 0x10 makes a cell test stop at the first block holding the cell.
namespace SelectionMode {
constexpr int Off = 0;
constexpr int Cells = 1;
constexpr int WholeRows = 2;
constexpr int FirstBlockHit = 0x10;
} // namespace SelectionMode

// How the move that the selection follows was made.
namespace SelectionTrigger {
constexpr int Keyboard = 0; // keys or the program
constexpr int LeftButton = 1;
constexpr int RightButton = 2;
constexpr int MouseMove = 3; // mouse move or wheel
constexpr int ScrollBar = 4;
} // namespace SelectionTrigger

// The selected cells of one sheet as a list of rectangular blocks in the order they were made;
// the last one started is the block being built, whose anchor is the grid's current cell.
class CMultiSelection
{
  public:
    void Attach(CCellGridCore* grid) { m_grid = grid; }

    void Clear();
    void SetMode(int mode);
    int GetMode() const { return m_mode; }
    bool IsWholeRows() const { return (m_mode & 0xF) == SelectionMode::WholeRows; }

    // Appends a one-cell block (all columns in whole-row mode) and makes it the block being built.
    void StartBlock(int column, int row);
    // Moves the far corner of the block being built; 1 when none is being built. The cells that
    // change state are queued for painting.
    int ExtendBlock(int column, int row);
    int GetAnchor(int& column, int& row) const;
    int GetCurrentBlock(int& left, int& top, int& right, int& bottom) const;
    bool IsBuilding() const { return m_building; }
    // 1 when a block holds the cell, with that block's position (the last such block, or the
    // first one with the mode bit 0x10).
    int HitTest(int column, int row, int* index = nullptr) const;
    int GetBlockCount() const { return m_count; }
    int GetBounds(int& left, int& top, int& right, int& bottom) const;
    void RepaintBounds() const;

    // Cells of all blocks row by row; with no blocks the grid's current cell. 0 while a cell is
    // delivered. In whole-row mode each selected row is delivered once, in column 0.
    int FirstSelectedCell(int& column, int& row);
    int NextSelectedCell(int& column, int& row);
    // Blocks in the order made, with their corners; 0 while a block is delivered.
    int FirstSelectedBlock(int& left, int& top, int& right, int& bottom);
    int NextSelectedBlock(int& left, int& top, int& right, int& bottom);

    // The selection after a move to the cell, by the way the move was made.
    void UpdateByKeys(int column, int row, bool shift, bool control);
    void UpdateByButton(int column, int row, unsigned int keyFlags);
    void UpdateByRightButton(int column, int row);
    void UpdateByMouseMove(int column, int row);

  private:
    struct Block
    {
        int startColumn;
        int endColumn;
        int startRow;
        int endRow;
        int left;
        int right;
        int top;
        int bottom;
        bool extended;

        bool Holds(int column, int row) const
        {
            return column >= left && column <= right && row >= top && row <= bottom;
        }
    };

    void Normalise(Block& block) const;
    void RepaintAndClear();
    // The repeat of a press on the cell of a one-cell block, which changes nothing.
    bool IsRepeatedPress(int column, int row) const;
    int Scan(int& column, int& row);

    CCellGridCore* m_grid = nullptr;
    std::vector<Block> m_blocks;
    bool m_building = false;
    int m_mode = SelectionMode::Off;
    int m_count = 0;

    // Enumeration state
    bool m_enumerating = false;
    int m_boxLeft = 0;
    int m_boxTop = 0;
    int m_boxRight = -1;
    int m_boxBottom = -1;
    int m_nextColumn = 0;
    int m_nextRow = 0;
    size_t m_nextBlock = 0;

    int m_mouseColumn = -1;
    int m_mouseRow = -1;
};
