#pragma once

#include "platform/CString.h"
#include "platform/canvas/Canvas.h"

#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

// Heights of texts wrapped at word breaks into widths, in the canvas's font: a list's cells hold
// the same texts again and again, and each text and width is laid out once. A text that surely
// takes one line, by its characters' widths alone, is not laid out at all.
class CPrintTextHeights
{
  public:
    // The canvas keeps its font while the heights are asked.
    explicit CPrintTextHeights(Canvas& canvas);

    // The height the text takes wrapped into the width, as DrawText measures it.
    int Of(const CString& text, int width);

  private:
    // The height of one line when the text has no break and is narrower than the width by more
    // than kerning and shaping could ever add; -1 when only laying it out tells.
    int OneLineHeight(std::string_view text, int width);
    // Width of a character alone, or below 0 for one that breaks or moves the line, or that is
    // drawn from a face whose line is not the font's own.
    double WidthOf(std::string_view character);

    Canvas& m_canvas;
    Canvas::LineBox m_line; // of a character of the font's own face
    int m_lineHeight = 0;
    std::vector<float> m_widths; // by character code: a lead byte above its trail byte
    std::unordered_map<std::string, int> m_heights; // by the width's bytes and the text
    std::string m_key;
};
