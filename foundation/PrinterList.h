#pragma once

#include "foundation/ObArrayEx.h"
#include "foundation/PrinterItem.h"

// The printers known to the machine, in the print system's order.
class CPrinterList : public CObArrayEx
{
  public:
    // Fills the list; a machine without printers leaves it empty. False, after a box saying
    // so, when the print system could not be asked.
    bool EnumPrinters();

    CPrinterItem* GetItem(int index) const { return static_cast<CPrinterItem*>(GetAt(index)); }
    // Index of the printer with exactly that name, -1 when there is none.
    int FindPrinter(const CString& name) const;
};
