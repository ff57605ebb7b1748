#pragma once

#include "foundation/DialogItemInfo.h"

#include <vector>

// The control table of a dialog and the geometry of anchoring: which controls move or stretch
// by how much when the dialog is resized, never below its minimum size, and where the arrow
// keys and Enter send the focus.
class CAnchorLayout
{
  public:
    // Keys that may move the focus.
    enum class Key
    {
        Up,
        Down,
        Left,
        Right,
        Enter,
        Other
    };

    // Copies the table up to its record with id 0; null removes the table.
    void SetTable(const DialogItemInfo* table);
    bool HasTable() const { return m_hasTable; }
    const std::vector<DialogItemInfo>& GetItems() const { return m_items; }

    DialogItemInfo* FindItemInfo(int id);
    const DialogItemInfo* FindItemInfo(int id) const;
    // The record's tooltip, "" when the id has no record or no tooltip.
    const char* GetItemTip(int id) const;
    // Sets the colours that are not kDefaultColor; false when the id has no record.
    bool SetItemColors(int id, COLORREF text, COLORREF back);

    // The window size of the dialog as designed becomes its minimum and its last size.
    void SetMinimumSize(CSize size);
    CSize GetMinimumSize() const { return m_minimum; }
    CSize GetLastSize() const { return m_last; }

    // A resize of the dialog to windowSize. Sizes below the minimum count as the minimum.
    // Returns how far anchored controls move; zero unless the dialog is shown (not minimised)
    // and its clamped size changed. The clamped size becomes the last size in any case.
    CSize TakeResize(CSize windowSize, bool shown);

    // A control's rectangle after the dialog grew by delta, by the control's flags.
    static CRect Anchor(const CRect& rect, unsigned flags, CSize delta);
    // True when the control follows resizes at all.
    static bool IsAnchored(unsigned flags);

    // +1 when the key moves the focus to the next control, -1 to the previous, 0 not at all.
    static int FocusStep(unsigned flags, Key key);

  private:
    std::vector<DialogItemInfo> m_items;
    bool m_hasTable = false;
    CSize m_minimum;
    CSize m_last;
};
