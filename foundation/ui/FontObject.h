#pragma once

#include "platform/canvas/LogFont.h"

#include <wx/font.h>

// A window font together with the description it was made from, so that it can be made again
// with one attribute changed or copied from another font.
class CFontObject
{
  public:
    // Replaces the font: a Japanese face name (mapped to an installed family), height (above 0
    // cell height, below 0 character height, in pixels), average width, weight and italic.
    bool Create(const CString& faceName, int height, int width, int weight, bool italic);
    // Makes the font again from the stored description.
    bool Recreate();
    // Copies another font; a font that cannot be read leaves this object without a font.
    bool CopyFrom(const wxFont& font);
    // Reads the present font's description into the stored one; false without a font.
    bool RefreshLogFont();
    // The same face and size in another weight (700 bold, 400 normal).
    bool SetWeight(int weight);

    bool HasFont() const { return m_font.IsOk(); }
    const wxFont& GetFont() const { return m_font; }
    const LogFont& GetLogFont() const { return m_logFont; }

  private:
    LogFont m_logFont;
    wxFont m_font;
    bool m_madeHere = false;
};
