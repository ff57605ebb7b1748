#pragma once

#include "list/CellValue.h"
#include "list/ColumnRecord.h"
#include "list/RowCells.h"

#include <string_view>

class IListHost;

// Turns cell values into text for each kind of output, and typed or stored text into cell values,
// by the type and the rules of their column.
class CCellCodec
{
  public:
    // Text of a value for an output mode (kOutputGrid ... kOutputFind).
    static CString Format(const ColumnRecord& column, const CellValue& cell, int mode);
    // The same of a cell as a row keeps it; texts are taken from where they lie.
    static CString Format(const ColumnRecord& column, const RowCells& cells, int slot, int mode);

    // Stores the text's value into the field of the column's type and returns the canonical
    // text of what the field then holds. Values beyond the column's bounds become the bound,
    // each with a beep. Text that is no value of the type (abc for a number, 2024/2/30 for a
    // date) leaves the field as it was and beeps; refusal, when given, receives the reason in
    // Japanese (it is emptied when the text is taken).
    static CString Parse(const ColumnRecord& column, CellValue& target, const CString& text, int mode,
                         IListHost& host, CString* refusal = nullptr);
    // The same without the canonical text; false when the text was refused.
    static bool ParseValue(const ColumnRecord& column, CellValue& target, std::string_view text,
                           IListHost& host, CString* refusal = nullptr);

    // The reason a text pasted from elsewhere may not go into a cell of the column, though
    // Parse would make a value of it: a Yes/No cell takes only yes and no ("true", "false", a
    // whole number, nothing), a mark cell only one line, as their cells can be typed or picked.
    // Empty when the text may go to Parse.
    static CString PasteRefusal(const ColumnRecord& column, const CString& text);

    // The FormatDate pattern (0 date, 1 time, 2 date and time) used where a column names none,
    // and the strftime pattern of the same kind.
    static const char* DefaultDatePattern(int dateKind);
    static const char* DefaultStrftimePattern(int dateKind);
};
