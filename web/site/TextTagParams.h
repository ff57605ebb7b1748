#pragma once

#include "web/site/ColumnTagParams.h"

class CWebTagScope;

// The parameters of TEXT, one cell of a page: the row (rec) and, as COLUMN has them, the column
// (no, or name) within the windows and the default text.
class CTextTagParams : public CColumnTagParams
{
  public:
    // False on an unknown key or a column name the list does not have.
    bool Parse(const CString& tagText, const CZantobyDoc& doc);
    // The cell's text for the page; null, or the failure pattern of a number outside its window.
    const char* Emit(const CWebTagScope& scope, CString& out) const;

    int rec = 0;
};
