#pragma once

#include <wx/font.h>

struct LogFont;

// The wx font of a font description, for the grid's native controls (edits and the drop list).
class CGridFonts
{
  public:
    static wxFont ToWx(const LogFont& font);
};
