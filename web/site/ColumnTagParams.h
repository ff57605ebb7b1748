#pragma once

#include "web/site/WebTagParams.h"

class CWebTagScope;
class CZantobyDoc;

// The parameters of COLUMN and SUBCOLUMN, the name or sub-name of a column: its number in the
// columns window (given as no, or found by name=name::sub-name) and the default text.
class CColumnTagParams : public CWebTagParams
{
  public:
    // False on an unknown key or a column name the list does not have.
    bool Parse(const CString& tagText, const CZantobyDoc& doc);
    // The heading text; null, or the failure pattern when no lies outside the columns window.
    const char* Emit(const CWebTagScope& scope, bool subName, CString& out) const;

    int no = 0;
    CString def;

  protected:
    // Takes the keys no, name and def; false for any other key or an unknown column name.
    bool TakeColumnKey(const CString& key, const CString& value, const CZantobyDoc& doc);
};
