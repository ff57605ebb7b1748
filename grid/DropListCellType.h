#pragma once

#include "grid/CellType.h"

// Drop-list cell style bit: the button shows only on the current cell.
constexpr std::uint32_t kDropListButtonOnCurrent = 0x200;

// A cell with a drop button that opens a list of the choices in the cell's label string (each
// line ended by a line feed); a chosen line becomes the cell's text when the owner agrees.
class CDropListCellType : public CCellType
{
  public:
    // Told to the owner: the list is about to open (parameter: the choices, which it may
    // change; 0 cancels), a line was chosen (parameter: its index), the chosen text is about to
    // be stored (parameter: the text, which it may change; 0 keeps the cell as it is).
    static constexpr int kOpening = 100;
    static constexpr int kStoring = 101;
    static constexpr int kChosen = 102;
    // At most this many lines show at once.
    static constexpr int kMaxRows = 16;

    CDropListCellType();

    CString GetName() const override { return "DropList"; }
    CString GetTypeId() const override { return "{1667a6a0-f746-11d0-9c7f-0080c83f712f}"; }
    int AdjustEditRect(CRect& rect) override;
    int OnLButton(int column, int row, int down, const CRect& rect, CPoint point) override;
    int OnDblClick(int column, int row, const CRect& rect, CPoint point) override;
    int OnKeyDown(int column, int row, unsigned int* key) override;
    int OnChar(int column, int row, unsigned int* character) override;
    int OnMouseMove(int column, int row, CPoint point, unsigned int keyFlags) override;
    void Draw(Canvas& dc, const CRect& rect, int column, int row, CCellRecord& record, int selected,
              int current) override;
    void OnCellLeft(int column, int row, CCellRecord& record) override;
    bool IsListOpen() const;

    // From the list window: a line was chosen; the list has closed (chosen or not). A list
    // closed by a press on its own cell lets that press close it only.
    void Choose(int index, const CString& text);
    void ListClosed(bool chosen, bool byPressOnCell);

    int ButtonWidth() const { return m_buttonWidth; }
    int PressedColumn() const { return m_pressedColumn; }
    int PressedRow() const { return m_pressedRow; }

    // The choices of a label string: each part ended by a line feed.
    static CStringArray ParseChoices(const CString& label);
    // Where the list lies in the cell area: below the cell, at least wide enough for the longest
    // choice, at most kMaxRows lines (with one to spare), moved inside the area.
    static CRect ListRect(const CRect& cell, int choices, int longest, int lineHeight, int charWidth,
                          CSize area);

  private:
    // Opens the list for the pressed cell, which becomes current; false when it did not open.
    bool OpenList();
    CRect ButtonRect(const CRect& cell) const;

    int m_buttonWidth;
    bool m_pressed = false;
    CRect m_pressedRect;
    int m_pressedColumn = -1;
    int m_pressedRow = -1;
};
