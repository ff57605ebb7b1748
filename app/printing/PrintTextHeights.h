#pragma once

#include "platform/CString.h"
#include "platform/canvas/Canvas.h"

#include <string>
#include <string_view>
#include <vector>

class CPrintTextHeightCache;

// Heights of texts wrapped at word breaks into widths, in the canvas's font: a list's cells hold
// the same texts again and again, and each text and width is laid out once. A text that surely
// takes one line, by its characters' widths alone, is not laid out at all.
class CPrintTextHeights
{
  public:
    // The canvas keeps its font while the heights are asked; heights laid out are kept in the
    // cache, which the measures of other canvases of the same font and transformation may share.
    CPrintTextHeights(Canvas& canvas, CPrintTextHeightCache& laidOut);

    // The height the text takes wrapped into the width, as DrawText measures it.
    int Of(const CString& text, int width);
    // The height by laying the text out, or as it was laid out before at that width.
    int LaidOut(const CString& text, int width);
    // What the characters' widths alone tell of the height of the text wrapped into the width:
    // the height is at least atLeast and, unless atMost is -1, at most atMost.
    struct Bounds
    {
        int atLeast = 0;
        int atMost = -1;
    };
    Bounds BoundsOf(const CString& text, int width);

  private:
    // The widths a text is wrapped by, each given room for kerning and shaping.
    struct Spread
    {
        double total = 0;       // of the whole text
        double widestPiece = 0; // of a run of characters between places where a line surely may break
        double widestCharacter = 0;
        bool usual = true; // every character measured, none that breaks or moves the line
    };
    Spread SpreadOf(std::string_view text);
    // The height of lines of the font's own face; 0 past the lines kept.
    int HeightOfLines(int lines);
    // Width of a character alone, or below 0 for one that breaks or moves the line, or that is
    // drawn from a face whose line is not the font's own.
    double WidthOf(std::string_view character);

    Canvas& m_canvas;
    Canvas::LineBox m_line; // of a character of the font's own face
    int m_lineHeight = 0;
    double m_hyphen = 0;               // what a break inside a word may add
    std::vector<int> m_heightsOfLines; // by the number of lines less one
    std::vector<float> m_widths;       // by character code: a lead byte above its trail byte
    CPrintTextHeightCache& m_laidOut;
    std::string m_key;
};
