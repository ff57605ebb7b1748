#pragma once

#include "foundation/DateEx.h"
#include "foundation/Number.h"
#include "list/ListLimits.h"
#include "platform/Arrays.h"

// The definition of one column: the cell slot that holds its values, its type and the rules and
// formats of its values.
class ColumnRecord
{
  public:
    ColumnRecord();

    int slot = 0; // cell slot 0..127 that holds this column's value in every row
    int type = kTypeText;
    CString name;
    CString subName; // a column is addressed by its name, "::" and its sub-name
    CString remark;
    int align = 0;  // 0 left, 1 centre, 2 right
    int width = 10; // in characters
    bool unique = false;
    bool required = false;
    int dropType = 0; // 0 none, 1 automatic, 2 manual
    CStringArray dropEntries;
    CString yesHtml, noHtml, yesPrint, noPrint;
    bool multiLine = false;
    int inputMode = 0;
    bool showZero = false;
    bool thousands = false;
    int decimals = 0;
    bool hasMax = false;
    CNumber maxValue;
    bool hasMin = false;
    CNumber minValue;
    CNumber serialStep;
    CNumber nextSerial;
    int dateKind = 0; // 0 date, 1 time, 2 date and time
    CString datePattern, dateHtmlPattern, datePrintPattern;
    bool hasMaxDate = false;
    CDateEx maxDate;
    bool hasMinDate = false;
    CDateEx minDate;

    // The name of a column that has none of its own: "項目" and its display position from 1.
    static CString DefaultName(int displayColumn);

    // Back to a text column with default rules. The slot, remark, drop entries, Yes/No texts and
    // the Web and print date patterns stay.
    void Reset();
    void CopyFrom(const ColumnRecord& other) { *this = other; }

    // The type's name ("Yes/No", "文字", "記号", "数値", "日付"; empty for none); -1 names the
    // column's own type.
    CString GetTypeName(int typeCode = -1) const;
    // Sets the type by its name; a name not in the table gives type 0.
    void SetTypeByName(const CString& typeName);
};
