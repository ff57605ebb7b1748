#pragma once

#include "list/ColumnRecord.h"

// The rules of the column detail dialogs that need no window: the input-method choices of a
// text column, the display format of each date kind, the previews of the date formats, and
// which fields the set of each type's dialog writes into the column record.
class CColumnDetail
{
  public:
    static constexpr int kInputModeRows = 4;

    // The name of an input-method row: none, off, hiragana, katakana.
    static const char* InputModeName(int row);
    // The row that shows a record's mode; -1 for a mode no row stands for.
    static int InputModeRow(int mode);
    // The mode a row stores; with no row chosen the record keeps its own mode.
    static int InputModeOfRow(int row, int keptMode);

    // What a preview of a date format shows for the moment given: its own format, or the
    // display format while its own is empty.
    static CString PreviewText(const CDateEx& moment, const CString& format, const CString& displayFormat);

    // Writes what the dialog of the record's type edits from the form (a copy of the record
    // holding the dialog's values) into the record; types without a drop-down list get none.
    static void Apply(const ColumnRecord& form, ColumnRecord& record);
};
