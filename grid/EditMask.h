#pragma once

#include "platform/CString.h"

#include <vector>

// The pattern of a masked in-cell edit: which characters each position takes, the fixed
// characters between them, the filter for typed characters and re-formatting a text into the
// pattern. Positions count characters, a double-byte character being one.
class CEditMask
{
  public:
    // The characters that mark an input position.
    static constexpr const char* kMaskCharacters = "09#L?Aa&C";

    // A backslash makes the next character fixed; a mask character is an input position; any
    // other character is fixed. An empty mask switches masking off.
    void SetMask(const CString& mask);
    bool IsActive() const { return m_active; }
    const CString& GetMask() const { return m_mask; }
    int GetPositionCount() const { return static_cast<int>(m_positions.size()); }
    bool IsFixedPosition(int position) const;

    // Whether an input position of the mask character takes the character (code as a byte, or
    // lead << 8 | trail for a double-byte character).
    static bool Accepts(char maskCharacter, unsigned int code);

    // The filter for a character typed at caret (after the selection was deleted): true when it
    // may be typed. Characters that are not printable always pass. When the caret stands on
    // fixed positions, their characters come back in typedFirst, to be typed before it.
    bool FilterChar(int caret, unsigned int code, CString& typedFirst) const;

    // How many characters the edit may hold: one per position; the escapes take none.
    int TextLimit() const { return GetPositionCount(); }
    // The text after pasting over the characters [start, end) of text, forced into the pattern,
    // so that pasting cannot go round the mask; caret is set after the pasted part.
    CString Paste(const CString& text, int start, int end, const CString& pasted, int* caret) const;

    // The text forced into the pattern: fixed positions take their characters, each input
    // position the next character of the text that it accepts.
    CString Reformat(const CString& text) const;

  private:
    struct Position
    {
        bool fixed;
        char maskCharacter;
        CString character;
    };

    static bool IsPrintable(unsigned int code);

    CString m_mask;
    bool m_active = false;
    std::vector<Position> m_positions;
};
