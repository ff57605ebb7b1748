#pragma once

#include "platform/CString.h"

// The errors a database provider reports, as the error report reads them: a count, and per
// error its number and description. A failing call may throw; the report passes it on.
class CAdoErrors
{
  public:
    virtual ~CAdoErrors() = default;
    virtual int GetCount() const = 0;
    virtual long GetNumber(int index) const = 0;
    virtual CString GetDescription(int index) const = 0;
};
