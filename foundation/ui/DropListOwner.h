#pragma once

#include <wx/gdicmn.h>

// What a drop list's popup needs of the field it drops from: where the field stands on the
// screen, the row its text picks out, and the pick of a row.
class CDropListOwner
{
  public:
    virtual ~CDropListOwner() = default;

    virtual wxRect FieldScreenRect() const = 0;
    // The row of the choices that the field's text selects.
    virtual int RowOfFieldText() const = 0;
    // A row was picked in the popup.
    virtual void OnListPick() = 0;
};
