#pragma once

#include <string_view>

class CZantobyDoc;

// The form of the rows the CSV export writes for a list, by which the import knows an export
// written without its heading lines: a file of other programs is read otherwise, since its
// backslashes and apostrophes are plain characters.
class CCsvExportShape
{
  public:
    // True when the character after a backslash makes one of the export's escapes.
    static bool IsEscape(char next, char delimiter);

    // True when text, after the lines to skip, holds rows as the export writes them for the
    // list: read in the export's syntax, one field per column on every line, the text and mark
    // fields all in the same quotes or all bare, every other field bare (Yes/No fields true or
    // false, fields of columns without a type empty), and every backslash one of the escapes.
    // A text without backslashes and apostrophes reads alike in both syntaxes and gives false.
    static bool Fits(const CZantobyDoc& doc, std::string_view text, char delimiter, int linesSkipped);
};
