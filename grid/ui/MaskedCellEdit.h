#pragma once

#include "grid/EditMask.h"
#include "grid/ui/CellEditBase.h"

// The in-cell edit of cells with an edit mask: one line, and every character typed, pasted or
// composed is forced into the mask's pattern.
class CMaskedCellEdit : public CCellEditBase
{
  public:
    explicit CMaskedCellEdit(CCellGrid& grid);

    const CEditMask& Mask() const { return m_mask; }
    // Pastes text at the selection through the mask.
    void PasteText(const CString& text);

  protected:
    void OnOpened() override;
    bool FilterChar(unsigned int character) override;
    void InsertChar(unsigned int character) override;

  private:
    void OnText(wxCommandEvent& event);
    void OnPaste(wxClipboardTextEvent& event);
    void OnLoseFocus(wxFocusEvent& event);
    // Puts text into the window without filtering it again.
    void SetOwnText(const CString& text, long caret);

    CEditMask m_mask;
    bool m_busy = false;
    // Fixed characters the filter found before the caret, typed with the next character.
    CString m_typedFirst;
};
