#pragma once

#include "platform/CString.h"

#include <string>
#include <unordered_map>

class Canvas;

// Heights of texts wrapped at word breaks into widths, in the canvas's font: a list's cells hold
// the same texts again and again, and each text and width is laid out once.
class CPrintTextHeights
{
  public:
    // The canvas keeps its font while the heights are asked.
    explicit CPrintTextHeights(Canvas& canvas) : m_canvas(canvas) {}

    // The height the text takes wrapped into the width, as DrawText measures it.
    int Of(const CString& text, int width);

  private:
    Canvas& m_canvas;
    std::unordered_map<std::string, int> m_heights; // by the width's bytes and the text
    std::string m_key;
};
